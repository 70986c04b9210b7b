#pragma once
// Every level backdrop as constant data, by the record ids that draw it.
#include "scenery/SceneryPlacement.h"

// Records 2, 3, 31, 38, 42, 44 and 45; records 2 and 3 add their own trees.
extern const SceneryLayout sharedSceneryLayout;  // 90
extern const SceneryLayout record2ExtraList;     // 14
extern const SceneryLayout record3ExtraList;     // 12
extern const SceneryLayout record9Layout;        // 74

extern const SceneryLayout layout32;       // records 32 and 33: 90
extern const SceneryLayout record5Layout;  // layout32 and 8 silhouettes: 98
extern const SceneryLayout layout10;       // 66
extern const SceneryLayout layout15;       // 81
extern const SceneryLayout layout7;        // 48
extern const SceneryLayout layout8;        // 64

extern const SceneryLayout record0Layout;   // 48
extern const SceneryLayout record6Layout;   // 120
extern const SceneryLayout record11Layout;  // 131
extern const SceneryLayout record12Layout;  // 95

extern const SceneryLayout record13Layout;  // 66
extern const SceneryLayout record14Layout;  // 72
extern const SceneryLayout record16Layout;  // 61
extern const SceneryLayout record17Layout;  // 69
extern const SceneryLayout record18Layout;  // 105

extern const SceneryLayout record20Layout;  // 79
extern const SceneryLayout record21Layout;  // 105
extern const SceneryLayout record24Layout;  // boss levels: 45
extern const SceneryLayout record25Layout;  // 44
extern const SceneryLayout record26Layout;  // 44
extern const SceneryLayout record27Layout;  // 44
extern const SceneryLayout record28Layout;  // 44

extern const SceneryLayout record19Layout;  // 92
extern const SceneryLayout record22Layout;  // 96
extern const SceneryLayout record23Layout;  // 28

extern const SceneryLayout record29Layout;  // 99
extern const SceneryLayout record30Layout;  // 93
extern const SceneryLayout record40Layout;  // 93
extern const SceneryLayout record41Layout;  // 99
extern const SceneryLayout record43Layout;  // 99

extern const SceneryLayout layout34;              // 97
extern const SceneryLayout layout39;              // 97
extern const SceneryLayout layout4;               // 99
extern const SceneryLayout screenAnchoredLayout;  // records 35, 36 and 37: 68
