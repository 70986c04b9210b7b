// Layouts still to be written: no rows yet.
#include "scenery/SceneryLayouts.h"

constexpr SceneryLayout record29Layout{nullptr, 0};
constexpr SceneryLayout record30Layout{nullptr, 0};
constexpr SceneryLayout record40Layout{nullptr, 0};
constexpr SceneryLayout record41Layout{nullptr, 0};
constexpr SceneryLayout record43Layout{nullptr, 0};
constexpr SceneryLayout layout34{nullptr, 0};
constexpr SceneryLayout layout39{nullptr, 0};
constexpr SceneryLayout layout4{nullptr, 0};
constexpr SceneryLayout screenAnchoredLayout{nullptr, 0};
