#include "gameplay/LevelAttempt.h"

#include "engine/Settings.h"

float dangerMeter = 0.0f;
int endState = EndAlive;
float playerAlpha = 255.0f;

int checkpointX = 0, checkpointY = 0;
uint8_t checkpointReached = 0;
int checkpointTimeBonus = 0;
int checkpointKillScore = 0;
float checkpointDanger = 0.0f;

uint8_t levelDone = 0;
uint8_t bossBeaten = 0;
int thresholdPoints = 0;
int timeBonus = 0;
int killScore = 0;
int shownScore = 0;
int levelTickCounter = 0;
uint8_t newLevelUnlocked = 0, levelNotPassed = 0, newKindUnlocked = 0;
int vopBlinkLid = 0, vopBlinkTimer = 0, vopBlinkState = 0;

// 32-bit factors: 1.15 and 1.4 are stored just below their decimal values,
// so those kinds lose a point of time bonus (base 100 gives 114 and 139).
const float kindFactor[7] = {0.0f, 1.0f, 1.15f, 1.5f, 1.2f, 1.4f, 1.6f};

int StartingTimeBonus(const LevelRecord& record)
{
    const int base = record.timeBonusBase;
    const int kind = (vopKind >= 0 && vopKind <= EliteVop) ? vopKind : 0;
    // Wider than single precision on purpose: a factor stored just below its
    // decimal value then loses a point, as the game always did.
    int bonus = static_cast<int>(static_cast<double>(base) * static_cast<double>(kindFactor[kind]));
    if (record.sprintLevel) bonus = base + (difficulty == 1 ? 8 : difficulty == 2 ? 4 : 0);
    if (record.bossLevel) bonus = base + (difficulty == 1 ? 7 : difficulty == 2 ? 3 : 0);
    return bonus;
}

void ResetAttempt(const LevelRecord& record)
{
    dangerMeter = 0.0f;
    endState = EndAlive;
    playerAlpha = 255.0f;
    levelDone = 0;
    bossBeaten = 0;
    thresholdPoints = record.thresholdPoints;
    timeBonus = StartingTimeBonus(record);
    killScore = 0;
    shownScore = 0;
    levelTickCounter = 0;
    newLevelUnlocked = levelNotPassed = newKindUnlocked = 0;
    vopBlinkLid = vopBlinkTimer = vopBlinkState = 0;
}

void SaveCheckpoint(int objectIndex)
{
    checkpointSnapshot = currentLevel;
    if (objectIndex >= 0 && objectIndex < maxLevelObjects)
        checkpointSnapshot.objects[objectIndex].objState = ObjInactive;
    checkpointReached = 1;
    checkpointTimeBonus = timeBonus;
    checkpointKillScore = killScore;
    if (vopKind == EliteVop) checkpointDanger = dangerMeter;
}
