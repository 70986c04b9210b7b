// Layouts still to be written: no rows yet.
#include "scenery/SceneryLayouts.h"

constexpr SceneryLayout layout34{nullptr, 0};
constexpr SceneryLayout layout39{nullptr, 0};
constexpr SceneryLayout layout4{nullptr, 0};
constexpr SceneryLayout screenAnchoredLayout{nullptr, 0};
