#include "shared/LevelRecord.h"

LevelRecord levelTable[maxLevelRecords];
LevelRecord currentLevel;
LevelRecord restartLevel;
LevelRecord checkpointSnapshot;
