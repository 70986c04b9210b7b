#include "game/LevelTable.h"

#include <cstdio>
#include <cstring>

#include "game/LevelDefinitions.h"
#include "gameplay/SimRandom.h"

void ClearLevelRecord(LevelRecord& r)
{
    r.startX = r.startY = 0;
    r.cameraBaseX = r.cameraBaseY = 0;
    r.height = r.width = 0;
    std::memset(r.colourKeys, 0, sizeof r.colourKeys);
    std::memset(r.startColour, 0, sizeof r.startColour);
    r.colourFadeTicks = r.colourHoldTicks = 0;
    r.decorCount = 0;
    r.objectCount = 0;
    r.tileCols = r.tileRows = 0;
    r.goalX = r.goalY = 0;
    r.objectsBehindWorld = 0;
    std::memset(r.levelColour, 0, sizeof r.levelColour);
    r.trailBrightness = 0;
    r.mrVariant = 0;
    r.followAmbient = 0;
    r.recordId = 0;
    r.playOrder = 0;
    r.thresholdPoints = 0;
    r.timeBonusBase = 0;
    r.bestScore = 0;
    r.snowLevel = 0;
    r.statusColourGain = 0;
    std::memset(r.goalTextOffsets, 0, sizeof r.goalTextOffsets);
    r.bossLevel = 0;
    r.requiredKind = 0;
    r.sprintLevel = 0;
    r.checkpointX = r.checkpointY = 0;
}

void InitLevelTable()
{
    for (int r = 0; r < maxLevelRecords; ++r) {
        for (int j = 0; j < maxLevelObjects; ++j) {
            levelTable[r].objects[j] = LevelObject{};
            restartLevel.objects[j] = LevelObject{};
            currentLevel.objects[j] = LevelObject{};
        }
        ClearLevelRecord(levelTable[r]);
    }
    for (int r = 0; r < definedLevelCount; ++r) {
        DefineLevelNumbers(r, levelTable[r]);
        DefineLevelObjects(r, levelTable[r]);
    }
    for (LevelObject& o : levelTable[45].objects) o.mrVariant = 1;
    for (LevelRecord& record : levelTable) {
        record.playOrder = 0;
        record.requiredKind = 0;
        record.sprintLevel = 0;
    }
    for (int r = 0; r < definedLevelCount; ++r) levelTable[r].playOrder = levelNumbers[r].order;
}

namespace {
void SetMusic(LevelRecord& record, const char* file)
{
    std::snprintf(record.musicFile, musicNameSize, "data//fvm//%s", file);
}
}  // namespace

void MusicChoice()
{
    for (int r = 0; r < definedLevelCount; ++r) {
        const LevelNumbersRow& n = levelNumbers[r];
        const bool ownTrack = r == 1 || (r >= 24 && r <= 28);  // record 1 keeps its block's, bosses come below
        if (!ownTrack) SetMusic(levelTable[r], n.music);
        levelTable[r].requiredKind = n.kind;
        levelTable[r].sprintLevel = n.sprint;
    }
    for (LevelRecord& record : levelTable) {
        if (record.levelColour[0] == 225.0f) {
            SetMusic(record, "FV_Snow.OGG");
            record.snowLevel = 1;
            record.statusColourGain = 3;
        }
        if (record.sprintLevel) SetMusic(record, "FV_Sprint.OGG");
        if (record.bossLevel) SetMusic(record, "FV_Boss.OGG");
        const int count = LiveObjectCount(record);
        for (int j = 0; j < count; ++j) record.objects[j].phase = static_cast<float>(SimRand() % 1000);
        if (record.sprintLevel) record.thresholdPoints = 0;
    }
    SetMusic(levelTable[28], "FV_Final.OGG");
    SetMusic(levelTable[43], "FV_Snow.OGG");
}
