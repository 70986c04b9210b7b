#include "gameplay/LevelCompletion.h"

#include <cstdio>

#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "shared/LevelRecord.h"

int endScreenTimer = 0;
int goalScoreFade = 0;
uint8_t scoreEndLatch = 0;

namespace {

// Passing the newest level at these places of the play order opens the next
// Vop kind.
bool OpensNewKind(int playOrder)
{
    return playOrder == 4 || playOrder == 10 || playOrder == 20 || playOrder == 29 || playOrder == 36;
}

void ClearEnemies()
{
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) {
        LevelObject& o = currentLevel.objects[j];
        if (o.objKind != KindWalker && o.objKind != KindBouncer && o.objKind != KindCeilingDropper &&
            o.objKind != KindCannon)
            continue;  // gears stay
        const bool near = playerX - screenWidth - 200 < o.objX && o.objX < playerX + screenWidth + 200;
        if (near && o.objState != ObjInactive && o.objState != ObjPopping) {
            o.objState = ObjPopping;
            o.rise = 5.0f;
            o.riseSpeed = 2.9f;
        } else {
            o.objState = ObjInactive;
        }
    }
}

// A best score only ever rises: an equal score counts as new (and saves).
void RecordBestScore(int r, int score, bool storeIt)
{
    if (score < levelTable[r].bestScore) return;
    if (storeIt) {
        levelTable[r].bestScore = score;
        restartLevel.bestScore = score;
        currentLevel.bestScore = score;
    }
    SaveProgress();
}

}  // namespace

void LevelCompleted()
{
    rollLoopSound.Stop();
    airRollLoopSound.Stop();
    stoneRollLoopSound.Stop();
    angrySound.Stop();
    SetFadeToColourCycle(40.0f, 250.0f, 122.0f, 20);
    velX = 0.0f;
    levelDone = 1;
    ClearEnemies();
    endScreenTimer = 0;
    goalScoreFade = 0;
    dangerMeter = 0.0f;

    const int r = currentLevel.recordId;
    if (r < 0 || r >= maxLevelRecords) {
        std::fprintf(stderr, "Goal reached in a level with the invalid record id %d: nothing scored\n", r);
        std::printf("Level geschafft!\n");
        return;
    }
    const int total = killScore + timeBonus;
    const int threshold = levelTable[r].thresholdPoints;
    if (currentLevel.sprintLevel)
        RecordBestScore(r, timeBonus, true);
    else
        RecordBestScore(r, total, !currentLevel.bossLevel);

    const bool passed = currentLevel.sprintLevel ? timeBonus >= threshold
                                                 : (total >= threshold || currentLevel.bossLevel);
    if (passed) {
        levelPassSound.Play();
        dangerMeter = 150.0f;
        if (unlockedLevels == currentLevel.playOrder) {
            newLevelUnlocked = 1;
            unlockedLevels += 1;
            if (OpensNewKind(currentLevel.playOrder)) newKindUnlocked = 1;
        }
    }
    if (total < threshold && unlockedLevels == currentLevel.playOrder) levelNotPassed = 1;
    WriteGameXml();
    std::printf("Level geschafft!\n");
}

void UpdateScoreCounter()
{
    if (currentLevel.sprintLevel || currentLevel.bossLevel || currentLevel.recordId == 7) return;
    const int target = killScore + timeBonus;
    if (shownScore < target) {
        shownScore += 1;
        if (scoreLoopSound.GetStatus() != SoundStatus::Playing) scoreLoopSound.Play();
        scoreLoopSound.SetLoop(true);
        scoreEndLatch = 0;
    } else {
        shownScore = target;
        scoreLoopSound.Stop();
        if (scoreEndLatch == 0) scoreEndSound.Play();
        scoreEndLatch = 1;
    }
}
