#include "gameplay/LevelObjectFactories.h"

#include <cmath>

#include "gameplay/SimRandom.h"

namespace {
// Degrees to radians as the game has always converted them: 3.142 / 180,
// not the exact pi / 180.
const float degreesToRadians = 0.0174555555f;

float SinSingle(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }
float CosSingle(float x) { return static_cast<float>(std::cos(static_cast<double>(x))); }

LevelObject AliveObject()
{
    LevelObject o;
    o.objState = ObjAlive;
    return o;
}

int GearHalfSize(int32_t kind) { return (kind == KindBigGearCw || kind == KindBigGearCcw) ? 249 : 122; }
}  // namespace

LevelObject MakeWalkerObject(int32_t x, int32_t y, float left, float right, int32_t speed, uint8_t startLeft)
{
    LevelObject o = AliveObject();
    o.objKind = KindWalker;
    o.objX = o.homeX = x;
    o.objY = y;
    o.objVelX = static_cast<float>(startLeft ? -speed : speed);
    o.baseSpeed = static_cast<float>(speed);
    o.leftBound = static_cast<int32_t>(left);
    o.rightBound = static_cast<int32_t>(right);
    o.radius = 40;
    o.heat = 0.0f;
    o.objAlpha = 255.0f;
    o.mrVariant = 0;
    return o;
}

LevelObject MakeBouncerObject(int32_t x, int32_t y, float left, float right, int32_t bounce, uint8_t autoRange)
{
    LevelObject o = AliveObject();
    o.objKind = KindBouncer;
    o.objX = o.homeX = x;
    o.objY = o.homeY = y - 30;
    o.objVelY = o.bounceSpeed = static_cast<float>(-bounce);
    if (autoRange) {
        o.leftBound = x - 50;
        o.rightBound = x + 50;
    } else {
        o.leftBound = static_cast<int32_t>(left);
        o.rightBound = static_cast<int32_t>(right);
    }
    o.radius = 40;
    o.heat = 0.0f;
    o.objAlpha = 255.0f;
    o.squash = 1.0f;
    o.mrVariant = 0;
    return o;
}

LevelObject MakeDroppedBouncerObject(int32_t x, int32_t y, int32_t dy, float left, float right, int32_t bounce,
                                     uint8_t autoRange)
{
    LevelObject o = MakeBouncerObject(x, y, left, right, bounce, autoRange);
    o.objY = y - 30 - dy;
    o.objVelY = 0.0f;
    return o;
}

LevelObject MakeCeilingDropperObject(int32_t x, int32_t y, float trigX, float trigY)
{
    LevelObject o = AliveObject();
    o.objKind = KindCeilingDropper;
    o.objX = x;
    o.objY = y + 25;
    o.triggerX = static_cast<int32_t>(trigX);
    o.triggerY = static_cast<int32_t>(trigY);
    o.radius = 40;
    return o;
}

LevelObject MakeGearObject(int32_t x, int32_t y, float angle, float turn, int32_t kind)
{
    LevelObject o = AliveObject();
    const int h = GearHalfSize(kind);
    o.objKind = kind;
    o.objX = x + h;
    o.objY = y + h;
    o.angle = angle;
    o.objVelY = turn;
    o.objAlpha = 255.0f;
    o.radius = 0;
    return o;
}

LevelObject MakeGearObjectFlipped(int32_t x, int32_t y, float angle, float turn, int32_t kind)
{
    LevelObject o = MakeGearObject(x, y, angle, turn, kind);
    o.objY = (1024 - y) + GearHalfSize(kind);
    return o;
}

LevelObject MakeCannonObject(float pivotX, float pivotY, float fromDeg, float toDeg, float shotSpeed,
                             float shotSpeed2, float sweepSpeed, uint8_t wrap, int32_t extra1, int32_t extra2)
{
    LevelObject o = AliveObject();
    o.objKind = KindCannon;
    o.homeX = static_cast<int32_t>(pivotX);
    o.homeY = static_cast<int32_t>(pivotY);
    o.heat = 50.0f;
    o.radius = 40;
    o.angle = fromDeg;
    o.angleFrom = fromDeg * degreesToRadians;
    o.angleTo = toDeg * degreesToRadians;
    o.baseSpeed = shotSpeed;
    o.shotSpeed2 = shotSpeed2;
    o.sweepSpeed = sweepSpeed;
    // The shot leaves along the barrel; angle 0 points straight up.
    o.objVelX = SinSingle(o.angleFrom) * o.baseSpeed;
    o.objVelY = -CosSingle(o.angleFrom) * o.baseSpeed;
    const float muzzle = o.angleFrom - 0.04f;
    o.objX = static_cast<int32_t>(static_cast<float>(o.homeX) + 100.0f * SinSingle(muzzle));
    o.objY = static_cast<int32_t>(static_cast<float>(o.homeY) - 100.0f * CosSingle(muzzle));
    o.leftBound = extra1;
    o.rightBound = extra2;
    if (wrap) o.angleTo -= 6.283f;
    return o;
}

void RandomiseKillScores()
{
    const int count = LiveObjectCount(currentLevel);
    for (int j = 0; j < count; ++j) currentLevel.objects[j].killPoints = SimRand() % 5 + 8;
}
