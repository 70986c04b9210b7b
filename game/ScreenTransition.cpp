#include "game/ScreenTransition.h"

#include "engine/Settings.h"

int ClosedCurtain()
{
    return screenHeight / 2;
}

void OpenBarsStep(int openTarget)
{
    if (transitionCurtain > openTarget && barsOpen == 0)
        transitionCurtain -= barsStep;
    else
        barsOpen = 1;
}

bool ButtonsLive()
{
    return transitionIdle == 1 && barsOpen == 1;
}

void StartTransition(int target)
{
    nextState = target;
    transitionIdle = 0;
}

bool CloseBarsStep()
{
    if (transitionIdle != 0)
        return false;
    if (transitionCurtain >= ClosedCurtain()) {
        transitionIdle = 1;
        barsOpen = 0;
        return true;
    }
    transitionCurtain += barsStep;
    return false;
}
