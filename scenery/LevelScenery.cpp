#include "scenery/LevelScenery.h"

// The scenery layouts come later; until then levels show no scenery.
void DrawLevelScenery() {}
