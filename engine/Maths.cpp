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

float EaseBetween(float from, float to, float percent)
{
    const float a = percent * 0.01f * 3.1415f;
    const float b = a - 1.57075f;
    const float s = static_cast<float>(std::sin(static_cast<double>(b)));
    const float t = (s + 1.0f) / 2.0f;
    return (to - from) * t + from;
}

bool IsWithinDistance(float ax, float ay, float bx, float by, float r)
{
    const float dx = ax - bx;
    const float dy = ay - by;
    const float d = static_cast<float>(std::sqrt(static_cast<double>(dy * dy + dx * dx)));
    return r >= d;
}
