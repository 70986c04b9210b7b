#include "engine/Maths.h"

#include <cmath>

float PowF(float x, float y) { return static_cast<float>(std::pow(static_cast<double>(x), static_cast<double>(y))); }

float SinF(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }

float DistanceVolume(int32_t listenerX, int32_t listenerY, int32_t sourceX, int32_t sourceY,
                     float range, float falloff)
{
    const float dx = static_cast<float>(listenerX - sourceX);
    const float dy = static_cast<float>(listenerY - sourceY);
    const float d = std::sqrt(dy * dy + dx * dx);
    const float beyond = d > range ? d : range;
    return range / ((beyond - range) * falloff + range);
}
