#include "game/MenuScreens.h"

void RenderIntroScreen() {}
void UpdateIntroScreen() {}
void RenderMainMenu() {}
void UpdateMainMenu() {}
void RenderOptionsMenu() {}
void UpdateOptionsMenu() {}
void RenderCreditsScreen() {}
void UpdateCreditsScreen() {}
void RenderLevelPages() {}
void UpdateLevelPages() {}
void OnArriveAtCredits() {}
