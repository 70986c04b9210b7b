#include "gameplay/LevelTick.h"

#include "engine/Settings.h"
#include "gameplay/AnimationPhases.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/DangerMeter.h"
#include "gameplay/LevelAttempt.h"
#include "gameplay/LevelCompletion.h"
#include "gameplay/LevelObjectUpdate.h"
#include "gameplay/Trail.h"
#include "gameplay/VopPhysics.h"
#include "shared/GameStates.h"
#include "shared/LevelRecord.h"

void SimulateLevelTick()
{
    // A dead Vop in a level not yet done gets no physics: the end sequence
    // moves it.
    if (endState == EndAlive && levelDone == 0) {
        UpdateVopPhysicsOfKind(vopKind, true);
    } else if (levelDone == 1) {
        UpdateVopPhysicsOfKind(vopKind, false);
        UpdateScoreCounter();
    }
    UpdateCamera();
    if (endState != EndAlive) UpdateEndSequence();
    UpdateLevelObjects();
    if (endState == EndAlive && levelDone == 0) UpdateDangerAndGoal();
    if (currentLevel.bossLevel) CheckBossBeaten();
    UpdateTrail();
    UpdateColourCycle();
    AdvanceAnimationPhases();
    UpdateEyeBlink();
}

void UpdateEndScreen()
{
    if (!levelDone || fadeState != FadeNone) return;
    endScreenTimer += 1;
    if (endScreenTimer < 205) return;
    const bool notCounted = currentLevel.sprintLevel || currentLevel.bossLevel || currentLevel.recordId == 7;
    if (notCounted || shownScore >= killScore + timeBonus) fadeState = FadeLeaveLevel;
}

void AdvanceLevelTime()
{
    levelTickCounter += 1;
    if (levelTickCounter % 80 == 0 && timeBonus > 0 && levelDone == 0) timeBonus -= 1;
}
