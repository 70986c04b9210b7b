// =============================================================================
// GENERATED FILE -- do not edit. Written by tools/levelgen from the level
// design sources levels/rec*.lvl; regenerate with
//     <build>/tools/levelgen/fv_levelgen --placements game/LevelPlacements.cpp
// from the project root (levels/README.md). tests/levels checks that this
// file matches the sources.
// =============================================================================
// The level definitions fix, per record, the slot count, the empty slots, how
// many objects of each kind live there, the checkpoint object and the marks;
// they give a few placements in full. Every other position, bound, speed,
// angle and trigger is level design and comes from the design sources.
// A record without a design source gets a plain placeholder spread along the
// way from its start to its goal, so the counts always hold.

#include "game/LevelDefinitions.h"
#include "game/LevelPlacementRules.h"
#include "gameplay/LevelObjectFactories.h"

// Rest heights of the bouncer rows whose heights the definitions leave open.
const int32_t record2BouncerHomeY[6] = {670, 670, 670, 670, 670, 670};
const int32_t record4BouncerHomeY[12] = {940, 940, 940, 940, 940, 940, 940, 940, 940, 940, 940, 940};
const PlacedPoint record5BouncerPositions[3] = {{980, 730}, {1200, 730}, {1400, 730}};
const int32_t record5BouncerHomeY[5] = {975, 975, 975, 975, 975};
// Speed of the checkpoint walkers and bounce of the checkpoint bouncers.
const int32_t checkpointWalkerSpeed = 4;
const int32_t checkpointBouncerBounce = 10;

namespace {

// rec00.lvl
void PlaceRecord0(LevelRecord& r, const bool given[])
{
    (void)r;
    (void)given;
}

// rec01.lvl
void PlaceRecord1(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1018, 524, 908.0f, 1128.0f, 4, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1156, 523, 1046.0f, 1266.0f, 4, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1293, 522, 1183.0f, 1403.0f, 4, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1430, 521, 1320.0f, 1540.0f, 4, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1568, 520, 1458.0f, 1678.0f, 4, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1705, 519, 1595.0f, 1815.0f, 4, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1843, 518, 1733.0f, 1953.0f, 4, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1980, 517, 1870.0f, 2090.0f, 4, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(2117, 516, 2007.0f, 2227.0f, 4, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(2255, 515, 2145.0f, 2365.0f, 4, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(2392, 514, 2282.0f, 2502.0f, 4, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(2530, 513, 2420.0f, 2640.0f, 4, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(2667, 512, 2557.0f, 2777.0f, 4, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(2805, 511, 2695.0f, 2915.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(2942, 510, 2832.0f, 3052.0f, 4, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(3079, 509, 2969.0f, 3189.0f, 4, 0);
    if (!given[16]) r.objects[16] = MakeWalkerObject(3217, 508, 3107.0f, 3327.0f, 4, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(3354, 507, 3244.0f, 3464.0f, 4, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(3492, 506, 3382.0f, 3602.0f, 4, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(3629, 505, 3519.0f, 3739.0f, 4, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(3766, 504, 3656.0f, 3876.0f, 4, 0);
    if (!given[21]) r.objects[21] = MakeWalkerObject(3904, 503, 3794.0f, 4014.0f, 4, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(4041, 502, 3931.0f, 4151.0f, 4, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(4179, 501, 4069.0f, 4289.0f, 4, 0);
    if (!given[24]) r.objects[24] = MakeWalkerObject(4316, 500, 4206.0f, 4426.0f, 4, 0);
    if (!given[25]) r.objects[25] = MakeWalkerObject(4453, 499, 4343.0f, 4563.0f, 4, 0);
    if (!given[26]) r.objects[26] = MakeWalkerObject(4591, 498, 4481.0f, 4701.0f, 4, 0);
}

// rec02.lvl
void PlaceRecord2(LevelRecord& r, const bool given[])
{
    if (!given[6]) r.objects[6] = MakeWalkerObject(1450, 720, 800.0f, 1750.0f, 2, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(3000, 680, 800.0f, 3300.0f, 2, 1);
    if (!given[8]) r.objects[8] = MakeBouncerObject(5000, 780, 0.0f, 8192.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(5650, 740, 800.0f, 5900.0f, 3, 1);
    if (!given[10]) r.objects[10] = MakeWalkerObject(5450, 740, 800.0f, 6900.0f, 2, 1);
    if (!given[11]) r.objects[11] = MakeWalkerObject(6300, 780, 800.0f, 7750.0f, 2, 1);
}

// rec03.lvl
void PlaceRecord3(LevelRecord& r, const bool given[])
{
    if (!given[11]) r.objects[11] = MakeWalkerObject(700, 640, 700.0f, 1000.0f, 4, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(790, 640, 790.0f, 1090.0f, 4, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(880, 640, 880.0f, 1180.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(970, 640, 970.0f, 1270.0f, 4, 0);
    if (!given[15]) r.objects[15] = MakeBouncerObject(1680, 522, 1700.0f, 3000.0f, 8, 0);
    if (!given[16]) r.objects[16] = MakeBouncerObject(1760, 522, 1700.0f, 3000.0f, 8, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(3370, 860, 3370.0f, 3490.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(3590, 860, 3570.0f, 3690.0f, 4, 1);
    if (!given[19]) r.objects[19] = MakeWalkerObject(3770, 860, 3770.0f, 3870.0f, 2, 0);
}

// rec04.lvl
void PlaceRecord4(LevelRecord& r, const bool given[])
{
    if (!given[12]) r.objects[12] = MakeWalkerObject(1000, 560, 950.0f, 1050.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(4700, 560, 4650.0f, 4750.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(5900, 560, 5850.0f, 5950.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeCeilingDropperObject(1000, 255, 880.0f, 0.0f);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(4500, 260, 4440.0f, 0.0f);
    if (!given[17]) r.objects[17] = MakeCeilingDropperObject(4700, 260, 4640.0f, 0.0f);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(4900, 260, 4840.0f, 0.0f);
    if (!given[19]) r.objects[19] = MakeCeilingDropperObject(5100, 260, 5040.0f, 0.0f);
    if (!given[20]) r.objects[20] = MakeCeilingDropperObject(5300, 260, 5240.0f, 0.0f);
    if (!given[21]) r.objects[21] = MakeCeilingDropperObject(5500, 260, 5440.0f, 0.0f);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(5700, 260, 5640.0f, 0.0f);
    if (!given[23]) r.objects[23] = MakeCeilingDropperObject(5900, 260, 5840.0f, 0.0f);
    if (!given[24]) r.objects[24] = MakeCeilingDropperObject(6100, 260, 6040.0f, 0.0f);
    if (!given[25]) r.objects[25] = MakeCeilingDropperObject(6300, 260, 6240.0f, 0.0f);
    if (!given[26]) r.objects[26] = MakeCeilingDropperObject(6500, 260, 6440.0f, 0.0f);
}

// rec05.lvl
void PlaceRecord5(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1780, 680, 1705.0f, 1845.0f, 3, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(3220, 740, 3195.0f, 3355.0f, 3, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(3330, 740, 3195.0f, 3355.0f, 3, 0);
    if (!given[3]) r.objects[3] = MakeBouncerObject(1550, 640, 0.0f, 4096.0f, 9, 0);
    if (!given[7]) r.objects[7] = MakeBouncerObject(3000, 690, 0.0f, 4096.0f, 9, 0);
}

// rec06.lvl
void PlaceRecord6(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1500, 600, 1300.0f, 1900.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(2570, 700, 2545.0f, 2695.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(3600, 520, 3350.0f, 3950.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(5000, 520, 4800.0f, 5250.0f, 2, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(7200, 780, 6950.0f, 7450.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(800, 790, 745.0f, 905.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(2670, 700, 2545.0f, 2695.0f, 2, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(4620, 620, 4495.0f, 4645.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(5900, 580, 5700.0f, 6100.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(4520, 620, 4495.0f, 4645.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(2125, 818, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(6250, 798, 0.0f, 8192.0f, 10, 0);
    if (!given[13]) r.objects[13] = LevelObject();
    r.objects[0].heat = 241.0f;
    r.objects[2].heat = 241.0f;
    r.objects[3].heat = 241.0f;
    r.objects[4].heat = 241.0f;
    r.objects[9].heat = 241.0f;
}

// rec07.lvl
void PlaceRecord7(LevelRecord& r, const bool given[])
{
    (void)r;
    (void)given;
}

// rec08.lvl
void PlaceRecord8(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(3330, 520, 3200.0f, 3450.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(3950, 760, 0.0f, 6144.0f, 10, 0);
    if (!given[2]) r.objects[2] = LevelObject();
    if (!given[3]) r.objects[3] = MakeWalkerObject(4500, 820, 4435.0f, 4565.0f, 2, 0);
}

// rec09.lvl
void PlaceRecord9(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1144, 600, 1144.0f, 1256.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1178, 600, 1144.0f, 1256.0f, 2, 1);
    if (!given[2]) r.objects[2] = MakeBouncerObject(1258, 640, 0.0f, 0.0f, 5, 1);
    if (!given[3]) r.objects[3] = MakeCeilingDropperObject(1200, 487, 1100.0f, 0.0f);
    if (!given[4]) r.objects[4] = MakeWalkerObject(2244, 630, 2244.0f, 2356.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(2278, 630, 2244.0f, 2356.0f, 2, 1);
    if (!given[7]) r.objects[7] = MakeBouncerObject(2358, 670, 0.0f, 0.0f, 5, 1);
    if (!given[8]) r.objects[8] = MakeCeilingDropperObject(2300, 255, 2460.0f, 0.0f);
    if (!given[9]) r.objects[9] = MakeWalkerObject(3069, 840, 3069.0f, 3181.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(3103, 840, 3069.0f, 3181.0f, 2, 1);
    if (!given[11]) r.objects[11] = MakeBouncerObject(3183, 880, 0.0f, 0.0f, 5, 1);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(3125, 727, 3020.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeWalkerObject(5035, 650, 3328.0f, 5835.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(5994, 770, 5994.0f, 6106.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(6028, 770, 5994.0f, 6106.0f, 2, 1);
    if (!given[16]) r.objects[16] = MakeBouncerObject(6108, 810, 0.0f, 0.0f, 5, 1);
    if (!given[17]) r.objects[17] = MakeCeilingDropperObject(6050, 395, 6210.0f, 0.0f);
    if (!given[18]) r.objects[18] = MakeWalkerObject(9094, 840, 9094.0f, 9206.0f, 2, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(9128, 840, 9094.0f, 9206.0f, 2, 1);
    if (!given[20]) r.objects[20] = MakeBouncerObject(9208, 880, 0.0f, 0.0f, 5, 1);
    if (!given[21]) r.objects[21] = MakeBouncerObject(9292, 880, 0.0f, 0.0f, 5, 1);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(9150, 727, 9050.0f, 0.0f);
    r.objects[13].heat = 100.0f;
    r.objects[2].heat = 100.0f;
    r.objects[7].heat = 100.0f;
    r.objects[11].heat = 100.0f;
}

// rec10.lvl
void PlaceRecord10(LevelRecord& r, const bool given[])
{
    if (!given[3]) r.objects[3] = MakeGearObject(1190, -129, 0.1f, 0.017f, 30);
    if (!given[4]) r.objects[4] = MakeGearObject(6616, -62, 0.1f, 0.04f, 50);
    if (!given[5]) r.objects[5] = MakeGearObject(979, -2, 0.2f, 0.034f, 60);
    if (!given[6]) r.objects[6] = MakeGearObject(2316, -129, 0.15f, 0.017f, 40);
    if (!given[7]) r.objects[7] = MakeGearObject(1655, -2, 0.35f, 0.034f, 60);
    if (!given[8]) r.objects[8] = MakeGearObject(1418, 738, 0.25f, 0.052f, 50);
    if (!given[9]) r.objects[9] = MakeGearObject(1866, -129, 0.05f, 0.017f, 30);
    if (!given[10]) r.objects[10] = MakeGearObject(1006, 274, 0.3f, 0.055f, 60);
    if (!given[11]) r.objects[11] = MakeGearObject(2678, 178, 0.0f, 0.04f, 50);
    if (!given[12]) r.objects[12] = MakeGearObject(5251, -189, 0.0f, 0.02f, 40);
    if (!given[13]) r.objects[13] = MakeGearObject(1643, 738, 0.05f, 0.052f, 60);
    if (!given[14]) r.objects[14] = MakeGearObject(3128, 178, 0.3f, 0.04f, 50);
    if (!given[15]) r.objects[15] = MakeGearObject(5701, -189, 0.2f, 0.02f, 30);
    if (!given[16]) r.objects[16] = MakeGearObject(2903, 178, 0.15f, 0.04f, 60);
    if (!given[17]) r.objects[17] = MakeGearObject(3578, 178, 0.1f, 0.04f, 50);
    if (!given[18]) r.objects[18] = MakeGearObject(6151, -189, 0.4f, 0.02f, 40);
    if (!given[19]) r.objects[19] = MakeGearObject(3353, 178, 0.45f, 0.04f, 60);
    if (!given[20]) r.objects[20] = MakeGearObject(1763, 928, 0.4f, 0.052f, 50);
    if (!given[21]) r.objects[21] = MakeGearObject(7101, 151, 0.3f, 0.022f, 30);
    if (!given[22]) r.objects[22] = MakeGearObject(7566, 278, 0.0f, 0.044f, 60);
    if (!given[23]) r.objects[23] = MakeGearObject(4478, 178, 0.2f, 0.04f, 50);
    if (!given[24]) r.objects[24] = MakeGearObject(4651, -105, 0.1f, 0.02f, 40);
    if (!given[25]) r.objects[25] = MakeGearObject(6890, 278, 0.1f, 0.044f, 60);
    if (!given[26]) r.objects[26] = MakeGearObject(5116, 22, 0.35f, 0.04f, 50);
    if (!given[27]) r.objects[27] = MakeGearObject(7777, 151, 0.2f, 0.022f, 30);
    if (!given[28]) r.objects[28] = MakeGearObject(3803, 178, 0.25f, 0.04f, 60);
    if (!given[29]) r.objects[29] = MakeGearObject(4028, 178, 0.4f, 0.04f, 50);
    if (!given[30]) r.objects[30] = MakeGearObject(4253, 178, 0.05f, 0.04f, 60);
    if (!given[37]) r.objects[37] = MakeDroppedBouncerObject(6250, 625, 28, 0.0f, 0.0f, 11, 1);
    if (!given[38]) r.objects[38] = MakeDroppedBouncerObject(6340, 625, 66, 0.0f, 0.0f, 11, 1);
    if (!given[39]) r.objects[39] = MakeDroppedBouncerObject(6430, 625, 124, 0.0f, 0.0f, 11, 1);
}

// rec11.lvl
void PlaceRecord11(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1050, 290, 1000.0f, 1100.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(2000, 400, 1950.0f, 2050.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(2300, 400, 2250.0f, 2350.0f, 2, 1);
    if (!given[3]) r.objects[3] = MakeWalkerObject(6150, 600, 6100.0f, 6200.0f, 2, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(7500, 560, 7450.0f, 7550.0f, 2, 1);
    if (!given[5]) r.objects[5] = MakeBouncerObject(1500, 440, 0.0f, 10240.0f, 10, 0);
    if (!given[6]) r.objects[6] = MakeDroppedBouncerObject(3050, 638, 0, 0.0f, 10240.0f, 10, 0);
    if (!given[7]) r.objects[7] = MakeDroppedBouncerObject(3140, 638, 45, 0.0f, 10240.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeDroppedBouncerObject(3230, 638, 121, 0.0f, 10240.0f, 10, 0);
    if (!given[10]) r.objects[10] = MakeDroppedBouncerObject(3320, 638, 229, 0.0f, 10240.0f, 10, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(7950, 560, 0.0f, 10240.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(8400, 595, 0.0f, 10240.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeBouncerObject(9300, 620, 0.0f, 10240.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeCeilingDropperObject(1050, 170, 720.0f, 0.0f);
    if (!given[15]) r.objects[15] = MakeCeilingDropperObject(2000, 285, 1700.0f, 0.0f);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(7500, 380, 7130.0f, 0.0f);
    if (!given[17]) r.objects[17] = MakeCeilingDropperObject(5700, 350, 5690.0f, 0.0f);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(3090, 270, 3080.0f, 0.0f);
    if (!given[19]) r.objects[19] = MakeCeilingDropperObject(3240, 250, 3230.0f, 0.0f);
    if (!given[20]) r.objects[20] = MakeCeilingDropperObject(2300, 285, 2000.0f, 0.0f);
    if (!given[21]) r.objects[21] = MakeCeilingDropperObject(2450, 285, 2440.0f, 0.0f);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(5850, 320, 5840.0f, 0.0f);
    if (!given[23]) r.objects[23] = MakeCeilingDropperObject(6000, 360, 5990.0f, 0.0f);
    if (!given[24]) r.objects[24] = MakeCeilingDropperObject(6150, 330, 5750.0f, 0.0f);
    if (!given[25]) r.objects[25] = MakeCeilingDropperObject(6300, 350, 6290.0f, 0.0f);
    if (!given[26]) r.objects[26] = MakeCeilingDropperObject(6450, 320, 6440.0f, 0.0f);
    if (!given[27]) r.objects[27] = MakeCeilingDropperObject(3380, 270, 3370.0f, 0.0f);
    if (!given[28]) r.objects[28] = MakeCeilingDropperObject(9200, 350, 9190.0f, 0.0f);
    if (!given[29]) r.objects[29] = MakeCeilingDropperObject(9400, 350, 9390.0f, 0.0f);
}

// rec12.lvl
void PlaceRecord12(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(650, 620, 600.0f, 1120.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(740, 620, 600.0f, 1120.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(830, 620, 600.0f, 1120.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(920, 620, 600.0f, 1120.0f, 2, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1750, 500, 820.0f, 2300.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1840, 500, 820.0f, 2300.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1930, 500, 820.0f, 2300.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(2020, 500, 820.0f, 2300.0f, 2, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(3200, 620, 3180.0f, 3400.0f, 4, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(3380, 620, 3180.0f, 3400.0f, 4, 1);
    if (!given[10]) r.objects[10] = MakeWalkerObject(6380, 500, 6350.0f, 6590.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(6560, 500, 6350.0f, 6590.0f, 2, 1);
    if (!given[12]) r.objects[12] = MakeWalkerObject(3950, 320, 3880.0f, 4380.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(4050, 320, 3880.0f, 4380.0f, 2, 1);
    if (!given[14]) r.objects[14] = MakeWalkerObject(4150, 320, 3880.0f, 4380.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(4250, 320, 3880.0f, 4380.0f, 2, 1);
    if (!given[16]) r.objects[16] = MakeWalkerObject(5320, 620, 5300.0f, 5500.0f, 4, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(5480, 620, 5300.0f, 5500.0f, 4, 1);
    if (!given[18]) r.objects[18] = MakeWalkerObject(1010, 620, 600.0f, 1120.0f, 2, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(1100, 620, 600.0f, 1120.0f, 2, 0);
    if (!given[20]) r.objects[20] = LevelObject();
    if (!given[21]) r.objects[21] = LevelObject();
}

// rec13.lvl
void PlaceRecord13(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(600, 510, 300.0f, 950.0f, 4, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(700, 550, 0.0f, 0.0f, 14, 1);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(900, 385, 780.0f, 0.0f);
    if (!given[3]) r.objects[3] = MakeWalkerObject(490, 510, 300.0f, 950.0f, 4, 0);
    if (!given[4]) r.objects[4] = MakeDroppedBouncerObject(1140, 690, 0, 0.0f, 4096.0f, 11, 0);
    if (!given[5]) r.objects[5] = MakeCeilingDropperObject(2300, 185, 2200.0f, 0.0f);
    if (!given[6]) r.objects[6] = MakeWalkerObject(2895, 760, 2800.0f, 2900.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeDroppedBouncerObject(1230, 690, 45, 0.0f, 4096.0f, 11, 0);
    if (!given[8]) r.objects[8] = MakeCeilingDropperObject(2620, 185, 2250.0f, 0.0f);
    if (!given[9]) r.objects[9] = MakeWalkerObject(3230, 1110, 3180.0f, 3260.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeDroppedBouncerObject(1320, 690, 121, 0.0f, 4096.0f, 11, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(4000, 1770, 3950.0f, 4050.0f, 2, 0);
    if (!given[12]) r.objects[12] = MakeDroppedBouncerObject(1410, 690, 229, 0.0f, 4096.0f, 11, 0);
    if (!given[13]) r.objects[13] = MakeDroppedBouncerObject(1500, 690, 368, 0.0f, 4096.0f, 11, 0);
    if (!given[14]) r.objects[14] = MakeDroppedBouncerObject(1590, 690, 520, 0.0f, 4096.0f, 11, 0);
    if (!given[15]) r.objects[15] = MakeDroppedBouncerObject(2810, 800, 220, 0.0f, 4096.0f, 14, 0);
    if (!given[16]) r.objects[16] = MakeDroppedBouncerObject(3060, 800, 0, 0.0f, 4096.0f, 14, 0);
    if (!given[17]) r.objects[17] = MakeDroppedBouncerObject(3140, 1150, 752, 0.0f, 4096.0f, 14, 0);
    if (!given[19]) r.objects[19] = MakeDroppedBouncerObject(3360, 1150, 200, 0.0f, 4096.0f, 14, 0);
    if (!given[20]) r.objects[20] = MakeDroppedBouncerObject(3500, 1500, 200, 0.0f, 4096.0f, 14, 0);
    if (!given[21]) r.objects[21] = MakeDroppedBouncerObject(3650, 1810, 200, 0.0f, 4096.0f, 14, 0);
}

// rec14.lvl
void PlaceRecord14(LevelRecord& r, const bool given[])
{
    if (!given[1]) r.objects[1] = MakeBouncerObject(700, 508, 0.0f, 6144.0f, 10, 0);
    if (!given[7]) r.objects[7] = MakeDroppedBouncerObject(825, 508, 18, 0.0f, 6144.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeDroppedBouncerObject(950, 508, 91, 0.0f, 6144.0f, 10, 0);
    if (!given[0]) r.objects[0] = MakeWalkerObject(520, 290, 480.0f, 630.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(100, 290, 60.0f, 250.0f, 2, 1);
    if (!given[12]) r.objects[12] = MakeWalkerObject(220, 290, 60.0f, 250.0f, 2, 1);
    if (!given[18]) r.objects[18] = MakeWalkerObject(600, 290, 480.0f, 630.0f, 2, 0);
    if (!given[19]) r.objects[19] = MakeBouncerObject(1600, 508, 0.0f, 6144.0f, 10, 0);
    if (!given[21]) r.objects[21] = MakeDroppedBouncerObject(1725, 508, 18, 0.0f, 6144.0f, 10, 0);
    if (!given[23]) r.objects[23] = MakeDroppedBouncerObject(1850, 508, 91, 0.0f, 6144.0f, 10, 0);
    if (!given[24]) r.objects[24] = MakeBouncerObject(3450, 818, 0.0f, 6144.0f, 10, 0);
    if (!given[25]) r.objects[25] = MakeDroppedBouncerObject(3575, 818, 18, 0.0f, 6144.0f, 10, 0);
    if (!given[26]) r.objects[26] = MakeDroppedBouncerObject(3700, 818, 91, 0.0f, 6144.0f, 10, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(5950, 1860, 5940.0f, 5960.0f, 2, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(3690, 1310, 3680.0f, 3700.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeGearObject(51, 511, 0.0f, 0.02f, 30);
    if (!given[3]) r.objects[3] = MakeGearObject(1051, 471, 0.31f, 0.02f, 40);
    if (!given[8]) r.objects[8] = MakeGearObject(1901, 631, 0.24f, 0.02f, 30);
    if (!given[9]) r.objects[9] = MakeGearObject(3301, 1391, 0.55f, 0.02f, 40);
    if (!given[14]) r.objects[14] = MakeGearObject(4501, 1116, 0.48f, 0.02f, 30);
    if (!given[15]) r.objects[15] = MakeGearObject(4051, 1651, 0.79f, 0.02f, 40);
    if (!given[4]) r.objects[4] = MakeGearObject(-102, -22, 0.62f, 0.03f, 50);
    if (!given[5]) r.objects[5] = MakeGearObject(-102, 403, 0.93f, 0.04f, 60);
    if (!given[10]) r.objects[10] = MakeGearObject(1544, 598, 0.86f, 0.04f, 50);
    if (!given[11]) r.objects[11] = MakeGearObject(4988, 1178, 0.17f, 0.04f, 60);
    if (!given[16]) r.objects[16] = MakeGearObject(2978, 498, 0.1f, 0.03f, 50);
    if (!given[17]) r.objects[17] = MakeGearObject(4428, 898, 0.41f, 0.03f, 60);
}

// rec15.lvl
void PlaceRecord15(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeBouncerObject(590, 778, 0.0f, 6144.0f, 10, 0);
    if (!given[1]) r.objects[1] = MakeDroppedBouncerObject(715, 778, 18, 0.0f, 6144.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeDroppedBouncerObject(840, 778, 91, 0.0f, 6144.0f, 10, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1320, 600, 760.0f, 1700.0f, 2, 1);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1540, 600, 760.0f, 1700.0f, 2, 1);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1640, 600, 760.0f, 1700.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1420, 600, 760.0f, 1700.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeBouncerObject(2300, 838, 0.0f, 6144.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeDroppedBouncerObject(2425, 838, 18, 0.0f, 6144.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeDroppedBouncerObject(2550, 838, 91, 0.0f, 6144.0f, 10, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(3190, 640, 3180.0f, 3300.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(3380, 640, 3370.0f, 3490.0f, 2, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(3570, 640, 3560.0f, 3680.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(3760, 640, 3750.0f, 3870.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(4450, 878, 0.0f, 6144.0f, 10, 0);
    if (!given[15]) r.objects[15] = MakeDroppedBouncerObject(4575, 878, 18, 0.0f, 6144.0f, 10, 0);
    if (!given[16]) r.objects[16] = MakeDroppedBouncerObject(4700, 878, 91, 0.0f, 6144.0f, 10, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(5110, 746, 5100.0f, 5200.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(5280, 746, 5270.0f, 5370.0f, 2, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(5460, 746, 5450.0f, 5550.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeGearObject(1051, -139, 0.0f, 0.02f, 30);
    if (!given[21]) r.objects[21] = MakeGearObject(1701, -139, 0.0f, 0.02f, 40);
    if (!given[22]) r.objects[22] = MakeGearObject(2801, -139, 0.0f, 0.02f, 30);
    if (!given[23]) r.objects[23] = MakeGearObject(3351, -139, 0.0f, 0.02f, 40);
    if (!given[24]) r.objects[24] = MakeGearObject(3871, -139, 0.0f, 0.02f, 40);
    if (!given[25]) r.objects[25] = MakeGearObject(5001, -69, 0.0f, 0.02f, 30);
    if (!given[26]) r.objects[26] = MakeGearObject(5601, -69, 0.0f, 0.02f, 40);
    if (!given[33]) r.objects[33] = MakeGearObject(2178, 68, 0.0f, 0.04f, 50);
    if (!given[34]) r.objects[34] = MakeGearObject(2578, 68, 0.0f, 0.04f, 60);
    if (!given[37]) r.objects[37] = MakeGearObject(4348, 68, 0.0f, 0.04f, 50);
    if (!given[38]) r.objects[38] = MakeGearObject(4773, 68, 0.0f, 0.04f, 60);
    if (!given[27]) r.objects[27] = MakeGearObject(1748, 778, 0.0f, 0.03f, 50);
    if (!given[28]) r.objects[28] = MakeGearObject(2848, 778, 0.0f, 0.03f, 60);
    if (!given[29]) r.objects[29] = MakeGearObject(3948, 798, 0.0f, 0.03f, 50);
    if (!given[30]) r.objects[30] = MakeGearObject(28, 628, 0.0f, 0.03f, 60);
    if (!given[31]) r.objects[31] = MakeGearObject(1078, 668, 0.0f, 0.03f, 50);
    if (!given[32]) r.objects[32] = MakeGearObject(1428, 668, 0.0f, 0.03f, 60);
    if (!given[35]) r.objects[35] = MakeGearObject(3128, 708, 0.0f, 0.03f, 50);
    if (!given[36]) r.objects[36] = MakeGearObject(3578, 708, 0.0f, 0.03f, 60);
    if (!given[39]) r.objects[39] = MakeGearObject(5178, 814, 0.0f, 0.03f, 50);
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
}

// rec16.lvl
void PlaceRecord16(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeBouncerObject(465, 703, 0.0f, 8192.0f, 10, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(550, 703, 0.0f, 8192.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeBouncerObject(635, 703, 0.0f, 8192.0f, 10, 0);
    if (!given[3]) r.objects[3] = MakeGearObject(1971, 151, 0.0f, 0.02f, 30);
    if (!given[4]) r.objects[4] = MakeGearObject(1428, 78, 0.0f, 0.02f, 50);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1420, 465, 820.0f, 1430.0f, 2, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1328, 465, 820.0f, 1374.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1236, 465, 820.0f, 1328.0f, 2, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(1144, 465, 820.0f, 1282.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeGearObject(3978, 178, 0.0f, 0.025f, 60);
    if (!given[10]) r.objects[10] = MakeGearObject(4528, 128, 0.0f, 0.02f, 50);
    if (!given[11]) r.objects[11] = MakeBouncerObject(5465, 778, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(5550, 778, 0.0f, 8192.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeBouncerObject(5635, 778, 0.0f, 8192.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeGearObject(5428, 138, 0.0f, 0.025f, 60);
    if (!given[15]) r.objects[15] = MakeWalkerObject(6415, 640, 6075.0f, 6425.0f, 2, 1);
    if (!given[16]) r.objects[16] = MakeWalkerObject(6323, 640, 6075.0f, 6369.0f, 2, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(6235, 640, 6075.0f, 6325.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeGearObject(6128, 108, 0.0f, 0.02f, 50);
    if (!given[19]) r.objects[19] = MakeWalkerObject(7165, 510, 6825.0f, 7175.0f, 2, 1);
    if (!given[20]) r.objects[20] = MakeWalkerObject(7073, 510, 6825.0f, 7117.0f, 2, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6985, 510, 6825.0f, 7073.0f, 2, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(6893, 510, 6825.0f, 7027.0f, 2, 0);
    if (!given[24]) r.objects[24] = MakeGearObject(6878, 0, 0.0f, 0.025f, 60);
}

// rec17.lvl
void PlaceRecord17(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(930, 420, 900.0f, 960.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(1300, 430, 0.0f, 6144.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeGearObject(451, 506, 0.0f, 0.018f, 30);
    if (!given[3]) r.objects[3] = MakeGearObject(971, 501, 0.31f, 0.018f, 40);
    if (!given[4]) r.objects[4] = MakeGearObject(2138, 428, 0.62f, 0.032f, 50);
    if (!given[5]) r.objects[5] = MakeGearObject(2398, 428, 0.93f, 0.032f, 60);
    if (!given[6]) r.objects[6] = MakeWalkerObject(80, 360, 30.0f, 130.0f, 4, 1);
    if (!given[7]) r.objects[7] = MakeBouncerObject(2760, 330, 0.0f, 6144.0f, 7, 0);
    if (!given[8]) r.objects[8] = MakeGearObject(2791, 371, 0.24f, 0.018f, 30);
    if (!given[9]) r.objects[9] = MakeGearObject(3298, 438, 0.55f, 0.03f, 50);
    if (!given[10]) r.objects[10] = MakeGearObject(3958, 423, 0.86f, 0.03f, 60);
    if (!given[11]) r.objects[11] = MakeWalkerObject(1530, 360, 1500.0f, 1560.0f, 2, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(5050, 302, 0.0f, 6144.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeGearObject(4311, 343, 0.17f, 0.018f, 30);
    if (!given[14]) r.objects[14] = MakeGearObject(4818, 350, 0.48f, 0.032f, 50);
    if (!given[15]) r.objects[15] = MakeGearObject(5068, 350, 0.79f, 0.032f, 60);
    if (!given[16]) r.objects[16] = MakeWalkerObject(2990, 290, 2960.0f, 3020.0f, 2, 0);
    if (!given[17]) r.objects[17] = MakeBouncerObject(5580, 302, 0.0f, 6144.0f, 7, 0);
    if (!given[18]) r.objects[18] = MakeGearObject(5318, 350, 0.1f, 0.032f, 50);
    if (!given[19]) r.objects[19] = MakeGearObject(5568, 350, 0.41f, 0.032f, 60);
    if (!given[20]) r.objects[20] = MakeWalkerObject(2410, 340, 2380.0f, 2440.0f, 4, 1);
    if (!given[21]) r.objects[21] = MakeBouncerObject(4520, 302, 0.0f, 6144.0f, 10, 0);
    if (!given[22]) r.objects[22] = MakeGearObject(1678, 558, 0.72f, 0.03f, 50);
    if (!given[23]) r.objects[23] = MakeWalkerObject(3350, 340, 3320.0f, 3380.0f, 2, 0);
    if (!given[24]) r.objects[24] = MakeGearObject(3578, 558, 0.03f, 0.03f, 50);
    if (!given[25]) r.objects[25] = MakeWalkerObject(4830, 262, 4800.0f, 4860.0f, 2, 0);
    if (!given[26]) r.objects[26] = MakeWalkerObject(4230, 310, 4200.0f, 4260.0f, 2, 0);
    if (!given[27]) r.objects[27] = MakeWalkerObject(5440, 262, 5410.0f, 5470.0f, 4, 0);
}

// rec18.lvl
void PlaceRecord18(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(700, 560, 420.0f, 960.0f, 2, 1);
    if (!given[1]) r.objects[1] = MakeBouncerObject(2050, 680, 0.0f, 8192.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeCannonObject(1340.0f, 500.0f, -75.0f, -35.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(860, 560, 420.0f, 960.0f, 4, 1);
    if (!given[4]) r.objects[4] = MakeBouncerObject(2150, 680, 0.0f, 8192.0f, 10, 0);
    if (!given[5]) r.objects[5] = MakeCannonObject(1460.0f, 500.0f, 35.0f, 75.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[6]) r.objects[6] = MakeBouncerObject(2250, 680, 0.0f, 8192.0f, 10, 0);
    if (!given[7]) r.objects[7] = MakeCannonObject(2640.0f, 580.0f, -75.0f, -35.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[8]) r.objects[8] = MakeBouncerObject(4450, 600, 0.0f, 8192.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeCannonObject(2760.0f, 580.0f, 35.0f, 75.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(4650, 700, 0.0f, 8192.0f, 10, 0);
    if (!given[11]) r.objects[11] = MakeCannonObject(3940.0f, 500.0f, -75.0f, -35.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(7100, 612, 0.0f, 8192.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeCannonObject(4060.0f, 500.0f, 35.0f, 75.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(7200, 612, 0.0f, 8192.0f, 10, 0);
    if (!given[15]) r.objects[15] = MakeCannonObject(5040.0f, 600.0f, -75.0f, -35.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[16]) r.objects[16] = MakeCannonObject(5160.0f, 600.0f, 35.0f, 75.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[17]) r.objects[17] = MakeCannonObject(6540.0f, 512.0f, -75.0f, -35.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[18]) r.objects[18] = MakeCannonObject(6660.0f, 512.0f, 35.0f, 75.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[19]) r.objects[19] = LevelObject();
    if (!given[20]) r.objects[20] = LevelObject();
    if (!given[21]) r.objects[21] = LevelObject();
}

// rec19.lvl
void PlaceRecord19(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1450, 540, 1400.0f, 1500.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1750, 540, 1700.0f, 1800.0f, 2, 1);
    if (!given[2]) r.objects[2] = MakeWalkerObject(3050, 500, 3000.0f, 3100.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(4900, 560, 4850.0f, 4950.0f, 2, 1);
    if (!given[4]) r.objects[4] = MakeWalkerObject(5450, 600, 5400.0f, 5500.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(7100, 554, 7050.0f, 7150.0f, 2, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(7250, 554, 7200.0f, 7300.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeDroppedBouncerObject(2500, 720, 0, 0.0f, 8192.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeDroppedBouncerObject(2600, 720, 52, 0.0f, 8192.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeDroppedBouncerObject(2700, 720, 148, 0.0f, 8192.0f, 10, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(3400, 540, 0.0f, 8192.0f, 10, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(6900, 594, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(1450, 425, 1150.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeCeilingDropperObject(1750, 425, 1450.0f, 0.0f);
    if (!given[14]) r.objects[14] = MakeCeilingDropperObject(3050, 385, 2650.0f, 0.0f);
    if (!given[15]) r.objects[15] = MakeCeilingDropperObject(4900, 445, 4650.0f, 0.0f);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(5450, 485, 5050.0f, 0.0f);
    if (!given[17]) r.objects[17] = MakeCeilingDropperObject(7100, 425, 6700.0f, 0.0f);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(7250, 425, 6850.0f, 0.0f);
    if (!given[19]) r.objects[19] = MakeCeilingDropperObject(1600, 425, 1590.0f, 0.0f);
    if (!given[20]) r.objects[20] = MakeCeilingDropperObject(3250, 355, 3240.0f, 0.0f);
    if (!given[21]) r.objects[21] = MakeCeilingDropperObject(5640, 470, 5630.0f, 0.0f);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(7400, 425, 7390.0f, 0.0f);
    if (!given[23]) r.objects[23] = MakeCeilingDropperObject(7550, 425, 7540.0f, 0.0f);
    if (!given[24]) r.objects[24] = MakeGearObject(3476, 660, 0.0f, 0.02f, 30);
    if (!given[25]) r.objects[25] = LevelObject();
}

// rec20.lvl
void PlaceRecord20(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1000, 660, 800.0f, 2300.0f, 2, 1);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1310, 660, 800.0f, 2300.0f, 2, 1);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1620, 660, 800.0f, 2300.0f, 2, 1);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1930, 660, 800.0f, 2300.0f, 2, 1);
    if (!given[4]) r.objects[4] = MakeWalkerObject(2240, 660, 800.0f, 2300.0f, 2, 1);
    if (!given[5]) r.objects[5] = MakeWalkerObject(2050, 660, 800.0f, 2300.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1740, 660, 800.0f, 2300.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1430, 660, 800.0f, 2300.0f, 2, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(1120, 660, 800.0f, 2300.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(810, 585, 800.0f, 2300.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(2150, 700, 0.0f, 8192.0f, 10, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(3200, 900, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(5355, 840, 0.0f, 8192.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeBouncerObject(5445, 840, 0.0f, 8192.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(7020, 645, 0.0f, 8192.0f, 10, 0);
    if (!given[15]) r.objects[15] = LevelObject();
    if (!given[16]) r.objects[16] = LevelObject();
    if (!given[17]) r.objects[17] = LevelObject();
    if (!given[18]) r.objects[18] = LevelObject();
    if (!given[19]) r.objects[19] = LevelObject();
    if (!given[20]) r.objects[20] = LevelObject();
    if (!given[21]) r.objects[21] = LevelObject();
}

// rec21.lvl
void PlaceRecord21(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeBouncerObject(1295, 700, 0.0f, 0.0f, 5, 1);
    if (!given[1]) r.objects[1] = MakeBouncerObject(1385, 700, 0.0f, 0.0f, 5, 1);
    if (!given[2]) r.objects[2] = MakeBouncerObject(2495, 700, 0.0f, 0.0f, 5, 1);
    if (!given[3]) r.objects[3] = MakeBouncerObject(2585, 700, 0.0f, 0.0f, 5, 1);
    if (!given[4]) r.objects[4] = MakeBouncerObject(3695, 700, 0.0f, 0.0f, 5, 1);
    if (!given[5]) r.objects[5] = MakeBouncerObject(3785, 700, 0.0f, 0.0f, 5, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(4895, 660, 4875.0f, 4915.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(4985, 660, 4965.0f, 5005.0f, 2, 1);
    if (!given[8]) r.objects[8] = MakeWalkerObject(6095, 660, 6075.0f, 6115.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(6185, 660, 6165.0f, 6205.0f, 2, 1);
    if (!given[10]) r.objects[10] = MakeCannonObject(1455.0f, 690.0f, -35.0f, -15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[11]) r.objects[11] = MakeCannonObject(1225.0f, 690.0f, 35.0f, 15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[12]) r.objects[12] = MakeCannonObject(2655.0f, 690.0f, -35.0f, -15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[13]) r.objects[13] = MakeCannonObject(2425.0f, 690.0f, 35.0f, 15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[14]) r.objects[14] = MakeCannonObject(3855.0f, 690.0f, -35.0f, -15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[15]) r.objects[15] = MakeCannonObject(3625.0f, 690.0f, 35.0f, 15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[16]) r.objects[16] = MakeCannonObject(5055.0f, 690.0f, -35.0f, -15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[17]) r.objects[17] = MakeCannonObject(4825.0f, 690.0f, 35.0f, 15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[18]) r.objects[18] = MakeCannonObject(6255.0f, 690.0f, -35.0f, -15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[19]) r.objects[19] = MakeCannonObject(6025.0f, 690.0f, 35.0f, 15.0f, 6.0f, 7.0f, 2.0f, 0, 0, 0);
    if (!given[20]) r.objects[20] = MakeCannonObject(6140.0f, 690.0f, -15.0f, 15.0f, 7.0f, 7.0f, 1.5f, 0, 0, 0);
    if (!given[21]) r.objects[21] = MakeGearObject(351, 681, 0.0f, 0.018f, 30);
    if (!given[22]) r.objects[22] = MakeGearObject(1651, 681, 0.0f, 0.018f, 30);
    if (!given[23]) r.objects[23] = MakeGearObject(2851, 681, 0.0f, 0.018f, 30);
    if (!given[24]) r.objects[24] = MakeGearObject(4051, 681, 0.0f, 0.018f, 40);
    if (!given[25]) r.objects[25] = MakeGearObject(5251, 681, 0.0f, 0.018f, 40);
    if (!given[26]) r.objects[26] = MakeGearObject(6551, 681, 0.0f, 0.018f, 40);
    if (!given[27]) r.objects[27] = MakeGearObject(958, 18, 0.0f, 0.025f, 50);
    if (!given[28]) r.objects[28] = MakeGearObject(2058, 18, 0.0f, 0.025f, 50);
    if (!given[29]) r.objects[29] = MakeGearObject(2878, 18, 0.0f, 0.025f, 50);
    if (!given[30]) r.objects[30] = MakeGearObject(4358, 18, 0.0f, 0.025f, 50);
    if (!given[31]) r.objects[31] = MakeGearObject(5758, 18, 0.0f, 0.025f, 50);
    if (!given[32]) r.objects[32] = MakeGearObject(1208, 18, 0.0f, 0.025f, 60);
    if (!given[33]) r.objects[33] = MakeGearObject(2308, 18, 0.0f, 0.025f, 60);
    if (!given[34]) r.objects[34] = MakeGearObject(3128, 18, 0.0f, 0.025f, 60);
    if (!given[35]) r.objects[35] = MakeGearObject(4608, 18, 0.0f, 0.025f, 60);
    if (!given[36]) r.objects[36] = MakeGearObject(6008, 18, 0.0f, 0.025f, 60);
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
}

// rec22.lvl
void PlaceRecord22(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(400, 560, 320.0f, 480.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(780, 550, 0.0f, 8192.0f, 14, 0);
    if (!given[2]) r.objects[2] = MakeGearObject(1, -309, 0.0f, 0.018f, 30);
    if (!given[3]) r.objects[3] = MakeGearObject(7501, -49, 0.0f, 0.018f, 40);
    if (!given[4]) r.objects[4] = MakeGearObject(2428, -32, 0.0f, 0.03f, 50);
    if (!given[5]) r.objects[5] = MakeGearObject(5278, 23, 0.0f, 0.03f, 60);
    if (!given[6]) r.objects[6] = MakeCannonObject(780.0f, 550.0f, -4.0f, 4.0f, 11.0f, 11.0f, 1.2f, 0, 0, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(880, 520, 835.0f, 990.0f, 2, 0);
    if (!given[8]) r.objects[8] = MakeBouncerObject(640, 550, 0.0f, 8192.0f, 14, 0);
    if (!given[9]) r.objects[9] = MakeGearObject(7001, -49, 0.0f, 0.018f, 30);
    if (!given[10]) r.objects[10] = MakeGearObject(501, -309, 0.0f, 0.018f, 40);
    if (!given[11]) r.objects[11] = MakeGearObject(1928, -32, 0.0f, 0.03f, 50);
    if (!given[12]) r.objects[12] = MakeGearObject(2178, -32, 0.0f, 0.03f, 60);
    if (!given[13]) r.objects[13] = MakeCannonObject(640.0f, 550.0f, -4.0f, 4.0f, 11.0f, 11.0f, 1.2f, 0, 0, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(3950, 520, 3850.0f, 4000.0f, 2, 1);
    if (!given[15]) r.objects[15] = MakeBouncerObject(4250, 560, 0.0f, 8192.0f, 14, 0);
    if (!given[16]) r.objects[16] = MakeGearObject(3428, -82, 0.0f, 0.03f, 50);
    if (!given[17]) r.objects[17] = MakeGearObject(3678, -82, 0.0f, 0.03f, 60);
    if (!given[18]) r.objects[18] = MakeCannonObject(4287.0f, 550.0f, 0.0f, 1.0f, 11.0f, 11.0f, 1.2f, 0, 0, 0);
    if (!given[19]) r.objects[19] = MakeBouncerObject(4500, 550, 0.0f, 8192.0f, 12, 0);
    if (!given[20]) r.objects[20] = MakeGearObject(3928, -82, 0.0f, 0.03f, 50);
    if (!given[21]) r.objects[21] = MakeGearObject(4428, -12, 0.0f, 0.03f, 60);
    if (!given[22]) r.objects[22] = MakeCannonObject(4537.0f, 550.0f, 0.0f, 1.0f, 11.0f, 11.0f, 1.2f, 0, 0, 0);
    if (!given[23]) r.objects[23] = MakeBouncerObject(4800, 610, 0.0f, 8192.0f, 12, 0);
    if (!given[25]) r.objects[25] = MakeGearObject(4678, -12, 0.0f, 0.03f, 50);
    if (!given[26]) r.objects[26] = MakeGearObject(5678, 23, 0.0f, 0.03f, 60);
    if (!given[27]) r.objects[27] = MakeCannonObject(4837.0f, 610.0f, 0.0f, 1.0f, 11.0f, 11.0f, 1.2f, 0, 0, 0);
    if (!given[28]) r.objects[28] = MakeGearObject(6728, 128, 0.0f, 0.03f, 60);
    if (!given[29]) r.objects[29] = MakeCannonObject(40.0f, 590.0f, -3.0f, 3.0f, 10.0f, 10.0f, 1.0f, 0, 0, 0);
}

// rec23.lvl
void PlaceRecord23(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(882, 560, 725.0f, 1075.0f, 2, 1);
    if (!given[1]) r.objects[1] = MakeBouncerObject(3800, 640, 0.0f, 10240.0f, 14, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(480, 487, 420.0f, 560.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeBouncerObject(5000, 680, 0.0f, 10240.0f, 14, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1908, 600, 1880.0f, 1950.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeBouncerObject(6150, 700, 0.0f, 10240.0f, 14, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1990, 600, 1970.0f, 2030.0f, 4, 1);
    if (!given[7]) r.objects[7] = MakeBouncerObject(6350, 700, 0.0f, 10240.0f, 14, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(3190, 640, 3170.0f, 3210.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeBouncerObject(7600, 720, 0.0f, 10240.0f, 14, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(3100, 640, 3070.0f, 3130.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(8900, 740, 0.0f, 10240.0f, 14, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(3290, 640, 3250.0f, 3330.0f, 2, 1);
    if (!given[13]) r.objects[13] = MakeWalkerObject(4320, 680, 4310.0f, 4390.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(4440, 680, 4410.0f, 4490.0f, 4, 1);
    if (!given[15]) r.objects[15] = MakeWalkerObject(5508, 720, 5470.0f, 5580.0f, 2, 0);
    if (!given[16]) r.objects[16] = MakeWalkerObject(5691, 720, 5620.0f, 5730.0f, 2, 1);
    if (!given[17]) r.objects[17] = MakeWalkerObject(6870, 740, 6860.0f, 6940.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(7030, 740, 6960.0f, 7040.0f, 4, 1);
    if (!given[19]) r.objects[19] = MakeWalkerObject(8170, 760, 8160.0f, 8240.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(8330, 760, 8260.0f, 8340.0f, 2, 1);
    if (!given[21]) r.objects[21] = MakeWalkerObject(9450, 732, 9420.0f, 9480.0f, 2, 0);
}

// rec24.lvl
void PlaceRecord24(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeDroppedBouncerObject(240, 878, 0, 0.0f, 2048.0f, 10, 0);
    if (!given[1]) r.objects[1] = MakeDroppedBouncerObject(330, 878, 45, 0.0f, 2048.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeDroppedBouncerObject(420, 878, 121, 0.0f, 2048.0f, 10, 0);
    if (!given[3]) r.objects[3] = MakeDroppedBouncerObject(510, 878, 229, 0.0f, 2048.0f, 10, 0);
    if (!given[4]) r.objects[4] = MakeDroppedBouncerObject(600, 878, 368, 0.0f, 2048.0f, 10, 0);
    if (!given[5]) r.objects[5] = MakeDroppedBouncerObject(760, 922, 0, 0.0f, 2048.0f, 11, 0);
    if (!given[6]) r.objects[6] = MakeDroppedBouncerObject(850, 922, 45, 0.0f, 2048.0f, 11, 0);
    if (!given[7]) r.objects[7] = MakeDroppedBouncerObject(940, 922, 121, 0.0f, 2048.0f, 11, 0);
    if (!given[8]) r.objects[8] = MakeDroppedBouncerObject(1030, 922, 229, 0.0f, 2048.0f, 11, 0);
    if (!given[9]) r.objects[9] = MakeDroppedBouncerObject(1120, 922, 368, 0.0f, 2048.0f, 11, 0);
    if (!given[10]) r.objects[10] = MakeDroppedBouncerObject(1280, 970, 0, 0.0f, 2048.0f, 12, 0);
    if (!given[11]) r.objects[11] = MakeDroppedBouncerObject(1370, 970, 45, 0.0f, 2048.0f, 12, 0);
    if (!given[12]) r.objects[12] = MakeDroppedBouncerObject(1460, 970, 121, 0.0f, 2048.0f, 12, 0);
    if (!given[13]) r.objects[13] = MakeDroppedBouncerObject(1550, 970, 229, 0.0f, 2048.0f, 12, 0);
    if (!given[14]) r.objects[14] = MakeDroppedBouncerObject(1640, 970, 368, 0.0f, 2048.0f, 12, 0);
    if (!given[15]) r.objects[15] = LevelObject();
    if (!given[16]) r.objects[16] = LevelObject();
    if (!given[17]) r.objects[17] = LevelObject();
    if (!given[18]) r.objects[18] = LevelObject();
    if (!given[19]) r.objects[19] = LevelObject();
    if (!given[20]) r.objects[20] = LevelObject();
    if (!given[21]) r.objects[21] = LevelObject();
}

// rec25.lvl
void PlaceRecord25(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(870, 522, 840.0f, 1260.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(960, 522, 840.0f, 1260.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1050, 522, 840.0f, 1260.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1140, 522, 840.0f, 1260.0f, 2, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1700, 560, 840.0f, 1950.0f, 2, 1);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1780, 560, 840.0f, 1950.0f, 2, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1860, 560, 840.0f, 1950.0f, 2, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1940, 560, 840.0f, 1950.0f, 2, 1);
    if (!given[8]) r.objects[8] = MakeBouncerObject(70, 440, 0.0f, 2048.0f, 12, 0);
    if (!given[9]) r.objects[9] = MakeBouncerObject(160, 440, 0.0f, 2048.0f, 12, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(250, 440, 0.0f, 2048.0f, 12, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(680, 562, 0.0f, 2048.0f, 12, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(770, 562, 0.0f, 2048.0f, 12, 0);
    if (!given[13]) r.objects[13] = MakeBouncerObject(120, 310, 0.0f, 2048.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(830, 420, 0.0f, 2048.0f, 10, 0);
    if (!given[15]) r.objects[15] = MakeBouncerObject(910, 420, 0.0f, 2048.0f, 10, 0);
    if (!given[16]) r.objects[16] = MakeBouncerObject(1300, 480, 0.0f, 2048.0f, 12, 0);
    if (!given[17]) r.objects[17] = MakeBouncerObject(990, 420, 0.0f, 2048.0f, 10, 0);
    if (!given[18]) r.objects[18] = MakeBouncerObject(210, 310, 0.0f, 2048.0f, 10, 0);
    if (!given[19]) r.objects[19] = MakeBouncerObject(300, 310, 0.0f, 2048.0f, 10, 0);
    if (!given[20]) r.objects[20] = MakeBouncerObject(1390, 480, 0.0f, 2048.0f, 12, 0);
    if (!given[21]) r.objects[21] = MakeBouncerObject(1480, 480, 0.0f, 2048.0f, 12, 0);
    if (!given[22]) r.objects[22] = MakeBouncerObject(1740, 480, 0.0f, 2048.0f, 10, 0);
    if (!given[23]) r.objects[23] = MakeBouncerObject(1830, 480, 0.0f, 2048.0f, 10, 0);
    if (!given[24]) r.objects[24] = MakeBouncerObject(1920, 480, 0.0f, 2048.0f, 10, 0);
    if (!given[25]) r.objects[25] = MakeGearObject(641, 581, 0.0f, 0.018f, 40);
    if (!given[26]) r.objects[26] = MakeGearObject(178, 458, 0.0f, 0.03f, 50);
    if (!given[27]) r.objects[27] = MakeGearObject(418, 548, 0.0f, 0.03f, 60);
    if (!given[28]) r.objects[28] = MakeGearObject(1298, 498, 0.0f, 0.03f, 50);
    if (!given[29]) r.objects[29] = MakeCannonObject(2005.0f, 590.0f, -3.0f, 3.0f, 9.0f, 9.0f, 1.2f, 0, 0, 0);
    if (!given[30]) r.objects[30] = MakeCannonObject(2040.0f, 590.0f, -3.0f, 3.0f, 15.0f, 15.0f, 1.2f, 0, 0, 0);
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
    if (!given[35]) r.objects[35] = LevelObject();
    if (!given[36]) r.objects[36] = LevelObject();
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
}

// rec26.lvl
void PlaceRecord26(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeDroppedBouncerObject(530, 515, -9, 0.0f, 2048.0f, 7, 0);
    if (!given[1]) r.objects[1] = MakeDroppedBouncerObject(575, 623, 423, 0.0f, 2048.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeDroppedBouncerObject(620, 515, 24, 0.0f, 2048.0f, 7, 0);
    if (!given[3]) r.objects[3] = MakeDroppedBouncerObject(665, 623, 600, 0.0f, 2048.0f, 10, 0);
    if (!given[4]) r.objects[4] = MakeDroppedBouncerObject(710, 515, 86, 0.0f, 2048.0f, 7, 0);
    if (!given[5]) r.objects[5] = MakeDroppedBouncerObject(755, 623, -13, 0.0f, 2048.0f, 10, 0);
    if (!given[6]) r.objects[6] = MakeDroppedBouncerObject(800, 515, 178, 0.0f, 2048.0f, 7, 0);
    if (!given[7]) r.objects[7] = MakeDroppedBouncerObject(845, 623, -2, 0.0f, 2048.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeDroppedBouncerObject(890, 515, 300, 0.0f, 2048.0f, 7, 0);
    if (!given[9]) r.objects[9] = MakeDroppedBouncerObject(935, 623, 38, 0.0f, 2048.0f, 10, 0);
    if (!given[10]) r.objects[10] = MakeDroppedBouncerObject(980, 515, -12, 0.0f, 2048.0f, 7, 0);
    if (!given[11]) r.objects[11] = MakeDroppedBouncerObject(1025, 623, 108, 0.0f, 2048.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeDroppedBouncerObject(1070, 515, 9, 0.0f, 2048.0f, 7, 0);
    if (!given[13]) r.objects[13] = MakeDroppedBouncerObject(1115, 623, 219, 0.0f, 2048.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeDroppedBouncerObject(1160, 515, 60, 0.0f, 2048.0f, 7, 0);
    if (!given[15]) r.objects[15] = MakeDroppedBouncerObject(1205, 623, 352, 0.0f, 2048.0f, 10, 0);
    if (!given[16]) r.objects[16] = MakeDroppedBouncerObject(1250, 515, 141, 0.0f, 2048.0f, 7, 0);
    if (!given[17]) r.objects[17] = MakeDroppedBouncerObject(1295, 623, 516, 0.0f, 2048.0f, 10, 0);
    if (!given[18]) r.objects[18] = MakeDroppedBouncerObject(1340, 515, 264, 0.0f, 2048.0f, 7, 0);
    if (!given[19]) r.objects[19] = MakeDroppedBouncerObject(1660, 687, 6, 0.0f, 2048.0f, 7, 0);
    if (!given[20]) r.objects[20] = MakeDroppedBouncerObject(1705, 795, 198, 0.0f, 2048.0f, 10, 0);
    if (!given[21]) r.objects[21] = MakeDroppedBouncerObject(1750, 687, 54, 0.0f, 2048.0f, 7, 0);
    if (!given[22]) r.objects[22] = MakeDroppedBouncerObject(1795, 795, 339, 0.0f, 2048.0f, 10, 0);
    if (!given[23]) r.objects[23] = MakeDroppedBouncerObject(1840, 687, 132, 0.0f, 2048.0f, 7, 0);
    if (!given[24]) r.objects[24] = MakeDroppedBouncerObject(1885, 795, 500, 0.0f, 2048.0f, 10, 0);
    if (!given[25]) r.objects[25] = MakeDroppedBouncerObject(1930, 687, 252, 0.0f, 2048.0f, 7, 0);
    if (!given[26]) r.objects[26] = MakeWalkerObject(1102, 800, 40.0f, 1250.0f, 2, 1);
    if (!given[27]) r.objects[27] = MakeWalkerObject(888, 800, 40.0f, 1250.0f, 4, 1);
    if (!given[28]) r.objects[28] = MakeWalkerObject(466, 800, 40.0f, 1250.0f, 6, 1);
    if (!given[29]) r.objects[29] = MakeWalkerObject(90, 800, 40.0f, 1250.0f, 8, 0);
    if (!given[30]) r.objects[30] = MakeWalkerObject(782, 800, 40.0f, 1250.0f, 10, 0);
    if (!given[31]) r.objects[31] = MakeWalkerObject(1228, 800, 40.0f, 1250.0f, 3, 1);
    if (!given[32]) r.objects[32] = MakeWalkerObject(1012, 800, 40.0f, 1250.0f, 5, 1);
    if (!given[33]) r.objects[33] = MakeWalkerObject(680, 800, 40.0f, 1250.0f, 7, 1);
    if (!given[34]) r.objects[34] = MakeWalkerObject(178, 800, 40.0f, 1250.0f, 9, 1);
    if (!given[35]) r.objects[35] = MakeWalkerObject(572, 800, 40.0f, 1250.0f, 11, 0);
    if (!given[36]) r.objects[36] = MakeWalkerObject(370, 380, 300.0f, 440.0f, 2, 0);
    if (!given[37]) r.objects[37] = MakeCeilingDropperObject(900, 685, 600.0f, 760.0f);
    if (!given[38]) r.objects[38] = MakeCeilingDropperObject(990, 685, 600.0f, 760.0f);
    if (!given[39]) r.objects[39] = MakeCeilingDropperObject(1080, 685, 600.0f, 760.0f);
    if (!given[40]) r.objects[40] = MakeCeilingDropperObject(1170, 685, 600.0f, 760.0f);
    if (!given[41]) r.objects[41] = MakeGearObject(1080, 10, 0.0f, 0.02f, 50);
    if (!given[42]) r.objects[42] = MakeGearObject(1690, 0, 0.0f, 0.025f, 60);
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec27.lvl
void PlaceRecord27(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(201, 500, 191.0f, 381.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(371, 500, 191.0f, 381.0f, 2, 1);
    if (!given[2]) r.objects[2] = MakeWalkerObject(659, 500, 649.0f, 839.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(829, 500, 649.0f, 839.0f, 2, 1);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1254, 600, 1244.0f, 1434.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1424, 600, 1244.0f, 1434.0f, 2, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1532, 600, 1522.0f, 1712.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1702, 600, 1522.0f, 1712.0f, 2, 1);
    if (!given[8]) r.objects[8] = MakeWalkerObject(1810, 600, 1800.0f, 1990.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(1980, 600, 1800.0f, 1990.0f, 2, 1);
    if (!given[10]) r.objects[10] = MakeBouncerObject(70, 420, 0.0f, 0.0f, 10, 1);
    if (!given[11]) r.objects[11] = MakeBouncerObject(515, 420, 0.0f, 0.0f, 10, 1);
    if (!given[12]) r.objects[12] = MakeBouncerObject(905, 481, 0.0f, 0.0f, 12, 1);
    if (!given[13]) r.objects[13] = MakeBouncerObject(1000, 481, 0.0f, 0.0f, 12, 1);
    if (!given[14]) r.objects[14] = MakeBouncerObject(790, 180, 0.0f, 0.0f, 7, 1);
    if (!given[15]) r.objects[15] = MakeBouncerObject(1230, 180, 0.0f, 0.0f, 8, 1);
    if (!given[16]) r.objects[16] = MakeBouncerObject(1154, 815, 0.0f, 0.0f, 3, 1);
    if (!given[17]) r.objects[17] = MakeBouncerObject(1084, 758, 0.0f, 0.0f, 3, 1);
    if (!given[18]) r.objects[18] = MakeBouncerObject(1154, 701, 0.0f, 0.0f, 3, 1);
    if (!given[19]) r.objects[19] = MakeBouncerObject(1084, 644, 0.0f, 0.0f, 3, 1);
    if (!given[20]) r.objects[20] = MakeBouncerObject(1154, 587, 0.0f, 0.0f, 3, 1);
    if (!given[21]) r.objects[21] = MakeBouncerObject(1084, 530, 0.0f, 0.0f, 3, 1);
    if (!given[22]) r.objects[22] = MakeBouncerObject(1154, 473, 0.0f, 0.0f, 3, 1);
    if (!given[23]) r.objects[23] = MakeBouncerObject(1084, 416, 0.0f, 0.0f, 3, 1);
    if (!given[24]) r.objects[24] = MakeBouncerObject(1154, 359, 0.0f, 0.0f, 3, 1);
    if (!given[25]) r.objects[25] = MakeBouncerObject(1084, 302, 0.0f, 0.0f, 3, 1);
    if (!given[26]) r.objects[26] = MakeBouncerObject(1154, 245, 0.0f, 0.0f, 3, 1);
    if (!given[27]) r.objects[27] = MakeGearObject(-249, -349, 0.0f, 0.02f, 30);
    if (!given[28]) r.objects[28] = MakeGearObject(1678, -82, 0.0f, 0.03f, 50);
    if (!given[29]) r.objects[29] = MakeCannonObject(1120.0f, 915.0f, 1.75f, 2.25f, 21.0f, 21.0f, 0.65f, 0, 0, 0);
    if (!given[30]) r.objects[30] = LevelObject();
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
}

// rec28.lvl
void PlaceRecord28(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(230, 860, 220.0f, 240.0f, 1, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(320, 860, 310.0f, 330.0f, 1, 0);
    if (!given[3]) r.objects[3] = MakeCeilingDropperObject(275, 695, 525.0f, 700.0f);
    if (!given[1]) r.objects[1] = MakeBouncerObject(410, 900, 0.0f, 0.0f, 4, 1);
    if (!given[2]) r.objects[2] = MakeBouncerObject(500, 900, 0.0f, 0.0f, 4, 1);
    if (!given[7]) r.objects[7] = MakeCeilingDropperObject(455, 695, 705.0f, 700.0f);
    if (!given[8]) r.objects[8] = MakeWalkerObject(590, 860, 580.0f, 600.0f, 1, 0);
    if (!given[5]) r.objects[5] = MakeBouncerObject(680, 900, 0.0f, 0.0f, 5, 1);
    if (!given[11]) r.objects[11] = MakeCeilingDropperObject(635, 695, 885.0f, 700.0f);
    if (!given[6]) r.objects[6] = MakeBouncerObject(770, 900, 0.0f, 0.0f, 4, 1);
    if (!given[12]) r.objects[12] = MakeWalkerObject(860, 860, 850.0f, 870.0f, 1, 0);
    if (!given[14]) r.objects[14] = MakeCeilingDropperObject(815, 695, 1065.0f, 700.0f);
    if (!given[15]) r.objects[15] = MakeWalkerObject(950, 860, 940.0f, 960.0f, 1, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(1040, 860, 1030.0f, 1050.0f, 1, 0);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(995, 695, 1245.0f, 700.0f);
    if (!given[9]) r.objects[9] = MakeBouncerObject(1130, 900, 0.0f, 0.0f, 5, 1);
    if (!given[10]) r.objects[10] = MakeBouncerObject(1220, 900, 0.0f, 0.0f, 5, 1);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(1175, 695, 1425.0f, 700.0f);
    if (!given[23]) r.objects[23] = MakeWalkerObject(1310, 860, 1300.0f, 1320.0f, 1, 0);
    if (!given[13]) r.objects[13] = MakeBouncerObject(1400, 900, 0.0f, 0.0f, 4, 1);
    if (!given[26]) r.objects[26] = MakeCeilingDropperObject(1355, 695, 1605.0f, 700.0f);
    if (!given[28]) r.objects[28] = MakeBouncerObject(1490, 900, 0.0f, 0.0f, 4, 1);
    if (!given[29]) r.objects[29] = MakeBouncerObject(1580, 900, 0.0f, 0.0f, 4, 1);
    if (!given[30]) r.objects[30] = MakeCeilingDropperObject(1535, 695, 1605.0f, 700.0f);
    if (!given[16]) r.objects[16] = MakeDroppedBouncerObject(640, 549, 0, 520.0f, 1200.0f, 10, 0);
    if (!given[17]) r.objects[17] = MakeDroppedBouncerObject(730, 549, 45, 520.0f, 1200.0f, 10, 0);
    if (!given[20]) r.objects[20] = MakeDroppedBouncerObject(820, 549, 121, 520.0f, 1200.0f, 10, 0);
    if (!given[21]) r.objects[21] = MakeDroppedBouncerObject(910, 549, 229, 520.0f, 1200.0f, 10, 0);
    if (!given[24]) r.objects[24] = MakeDroppedBouncerObject(1000, 549, 368, 520.0f, 1200.0f, 10, 0);
    if (!given[25]) r.objects[25] = MakeDroppedBouncerObject(1090, 549, 460, 520.0f, 1200.0f, 10, 0);
    if (!given[31]) r.objects[31] = MakeWalkerObject(1225, 331, 1215.0f, 1235.0f, 1, 0);
    if (!given[32]) r.objects[32] = MakeWalkerObject(1315, 331, 1305.0f, 1325.0f, 1, 1);
    if (!given[33]) r.objects[33] = MakeCeilingDropperObject(1270, 120, 700.0f, -360.0f);
    if (!given[34]) r.objects[34] = MakeWalkerObject(1435, 331, 1425.0f, 1445.0f, 1, 0);
    if (!given[27]) r.objects[27] = MakeWalkerObject(1525, 331, 1515.0f, 1535.0f, 1, 1);
    if (!given[35]) r.objects[35] = MakeCeilingDropperObject(1480, 120, 860.0f, -360.0f);
    if (!given[36]) r.objects[36] = MakeGearObject(108, -92, 0.0f, 0.02f, 50);
    if (!given[37]) r.objects[37] = MakeGearObject(698, -97, 0.0f, 0.025f, 60);
    if (!given[38]) r.objects[38] = MakeGearObject(938, -97, 0.0f, 0.025f, 50);
    if (!given[39]) r.objects[39] = MakeGearObject(1253, -122, 0.0f, 0.018f, 50);
    if (!given[40]) r.objects[40] = MakeGearObject(1528, -102, 0.0f, 0.02f, 50);
    if (!given[41]) r.objects[41] = MakeGearObject(1838, -97, 0.0f, 0.022f, 50);
    if (!given[42]) r.objects[42] = MakeCannonObject(545.0f, 539.0f, 0.0f, 20.0f, 6.0f, 6.0f, 0.6f, 0, 0, 0);
    if (!given[43]) r.objects[43] = MakeCannonObject(1175.0f, 539.0f, -20.0f, 0.0f, 6.0f, 6.0f, 0.6f, 0, 0, 0);
    if (!given[44]) r.objects[44] = MakeCannonObject(1920.0f, 513.0f, -20.0f, 5.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[45]) r.objects[45] = MakeCannonObject(2000.0f, 513.0f, -5.0f, 20.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
    r.objects[16].mrVariant = 1;
    SetColourOf(r.objects[16], 141.0f, 255.0f, 241.0f);
    r.objects[17].mrVariant = 1;
    SetColourOf(r.objects[17], 141.0f, 255.0f, 241.0f);
    r.objects[20].mrVariant = 1;
    SetColourOf(r.objects[20], 141.0f, 255.0f, 241.0f);
    r.objects[21].mrVariant = 1;
    SetColourOf(r.objects[21], 141.0f, 255.0f, 241.0f);
    r.objects[24].mrVariant = 1;
    SetColourOf(r.objects[24], 141.0f, 255.0f, 241.0f);
    r.objects[25].mrVariant = 1;
    SetColourOf(r.objects[25], 141.0f, 255.0f, 241.0f);
    r.objects[31].mrVariant = 1;
    SetColourOf(r.objects[31], 141.0f, 255.0f, 241.0f);
    r.objects[32].mrVariant = 1;
    SetColourOf(r.objects[32], 141.0f, 255.0f, 241.0f);
    r.objects[34].mrVariant = 1;
    SetColourOf(r.objects[34], 141.0f, 255.0f, 241.0f);
    r.objects[27].mrVariant = 1;
    SetColourOf(r.objects[27], 141.0f, 255.0f, 241.0f);
}

// rec29.lvl
void PlaceRecord29(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1120, 460, 1095.0f, 1205.0f, 4, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1680, 460, 1595.0f, 1705.0f, 4, 1);
    if (!given[2]) r.objects[2] = MakeWalkerObject(2795, 460, 2770.0f, 2880.0f, 4, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(3660, 520, 3420.0f, 3900.0f, 4, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(5030, 460, 4945.0f, 5055.0f, 4, 1);
    if (!given[5]) r.objects[5] = MakeWalkerObject(5530, 460, 5505.0f, 5615.0f, 4, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(6270, 460, 6245.0f, 6355.0f, 4, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(7230, 460, 7145.0f, 7255.0f, 4, 1);
    if (!given[8]) r.objects[8] = MakeBouncerObject(2450, 420, 0.0f, 8192.0f, 7, 0);
    if (!given[9]) r.objects[9] = MakeBouncerObject(3050, 420, 0.0f, 8192.0f, 7, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(5300, 420, 0.0f, 8192.0f, 7, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(6650, 420, 0.0f, 8192.0f, 7, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(7500, 420, 0.0f, 8192.0f, 7, 0);
    if (!given[13]) r.objects[13] = MakeCeilingDropperObject(1400, 120, 800.0f, 0.0f);
    if (!given[14]) r.objects[14] = MakeCeilingDropperObject(2800, 120, 2200.0f, 0.0f);
    if (!given[15]) r.objects[15] = MakeCeilingDropperObject(5200, 120, 4600.0f, 0.0f);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(6900, 120, 6300.0f, 0.0f);
    if (!given[17]) r.objects[17] = MakeGearObject(4376, 540, 0.0f, 0.02f, 30);
    if (!given[18]) r.objects[18] = MakeCannonObject(6900.0f, 40.0f, -50.0f, 50.0f, 9.0f, 9.0f, 0.8f, 0, 0, 0);
    if (!given[19]) r.objects[19] = LevelObject();
    if (!given[20]) r.objects[20] = LevelObject();
    if (!given[21]) r.objects[21] = LevelObject();
    if (!given[22]) r.objects[22] = LevelObject();
    if (!given[23]) r.objects[23] = LevelObject();
    if (!given[24]) r.objects[24] = LevelObject();
    if (!given[25]) r.objects[25] = LevelObject();
    if (!given[26]) r.objects[26] = LevelObject();
    if (!given[27]) r.objects[27] = LevelObject();
    if (!given[28]) r.objects[28] = LevelObject();
    if (!given[29]) r.objects[29] = LevelObject();
}

// rec30.lvl
void PlaceRecord30(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1401, 600, 1392.0f, 1410.0f, 1, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1499, 600, 1490.0f, 1508.0f, 1, 1);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1708, 600, 1700.0f, 1716.0f, 1, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1941, 600, 1933.0f, 1949.0f, 1, 1);
    if (!given[4]) r.objects[4] = MakeCeilingDropperObject(1450, 305, 1240.0f, 0.0f);
    if (!given[5]) r.objects[5] = MakeBouncerObject(2540, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[6]) r.objects[6] = MakeBouncerObject(2630, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[7]) r.objects[7] = MakeCannonObject(1520.0f, 210.0f, 20.0f, 40.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(3951, 802, 3942.0f, 3960.0f, 1, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(4049, 802, 4040.0f, 4058.0f, 1, 1);
    if (!given[10]) r.objects[10] = MakeWalkerObject(3822, 802, 3814.0f, 3830.0f, 1, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(4268, 802, 4260.0f, 4276.0f, 1, 1);
    if (!given[13]) r.objects[13] = MakeCannonObject(3920.0f, 400.0f, -20.0f, -8.0f, 8.0f, 8.0f, 0.5f, 0, 0, 0);
    if (!given[14]) r.objects[14] = MakeCannonObject(4080.0f, 400.0f, 8.0f, 20.0f, 8.0f, 8.0f, 0.45f, 0, 0, 0);
    if (!given[15]) r.objects[15] = MakeGearObject(4893, 778, 0.0f, 0.03f, 60);
    if (!given[26]) r.objects[26] = MakeCeilingDropperObject(4000, 495, 3800.0f, 0.0f);
    if (!given[16]) r.objects[16] = MakeBouncerObject(5181, 640, 0.0f, 8192.0f, 4, 0);
    if (!given[17]) r.objects[17] = MakeBouncerObject(5302, 640, 0.0f, 8192.0f, 4, 0);
    if (!given[18]) r.objects[18] = MakeCannonObject(5570.0f, 330.0f, -45.0f, -25.0f, 8.0f, 9.0f, 0.5f, 0, 0, 0);
    if (!given[19]) r.objects[19] = MakeGearObject(5601, -149, 0.0f, 0.02f, 30);
    if (!given[20]) r.objects[20] = MakeWalkerObject(6251, 600, 6242.0f, 6260.0f, 1, 0);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6349, 600, 6340.0f, 6358.0f, 1, 1);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6451, 600, 6442.0f, 6460.0f, 1, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(6549, 600, 6540.0f, 6558.0f, 1, 1);
    if (!given[24]) r.objects[24] = MakeCeilingDropperObject(6300, 455, 6050.0f, 0.0f);
    if (!given[25]) r.objects[25] = MakeCeilingDropperObject(6500, 455, 6050.0f, 0.0f);
    if (!given[27]) r.objects[27] = MakeBouncerObject(7375, 852, 0.0f, 8192.0f, 4, 0);
    if (!given[28]) r.objects[28] = MakeCannonObject(7620.0f, 640.0f, -45.0f, -20.0f, 8.0f, 9.0f, 0.5f, 0, 0, 0);
}

// rec31.lvl
void PlaceRecord31(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1480, 620, 1440.0f, 1520.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(2300, 560, 0.0f, 8192.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(4600, 455, 4590.0f, 0.0f);
    if (!given[3]) r.objects[3] = MakeGearObject(2051, -229, 0.0f, 0.02f, 40);
    if (!given[4]) r.objects[4] = MakeGearObject(5678, 98, 0.0f, 0.03f, 50);
    if (!given[5]) r.objects[5] = MakeCannonObject(1010.0f, 600.0f, 20.0f, 60.0f, 9.0f, 9.0f, 0.5f, 0, 0, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1920, 520, 1880.0f, 1960.0f, 2, 1);
    if (!given[7]) r.objects[7] = MakeBouncerObject(2390, 560, 0.0f, 8192.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeCeilingDropperObject(4850, 455, 4840.0f, 0.0f);
    if (!given[9]) r.objects[9] = MakeCannonObject(3400.0f, 600.0f, 20.0f, 60.0f, 9.0f, 9.0f, 0.5f, 0, 0, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(60, 620, 20.0f, 100.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(6650, 635, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(5100, 455, 5090.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeCannonObject(4500.0f, 300.0f, 25.0f, 65.0f, 9.0f, 9.0f, 0.5f, 0, 0, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(2605, 550, 2600.0f, 2700.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeBouncerObject(6560, 635, 0.0f, 8192.0f, 10, 0);
    if (!given[16]) r.objects[16] = MakeCannonObject(5200.0f, 300.0f, 25.0f, 65.0f, 9.0f, 9.0f, 0.5f, 0, 0, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(2695, 550, 2600.0f, 2700.0f, 2, 1);
    if (!given[18]) r.objects[18] = MakeCannonObject(6900.0f, 575.0f, 20.0f, 60.0f, 9.0f, 9.0f, 0.5f, 0, 0, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(3905, 650, 3900.0f, 4000.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(3995, 650, 3900.0f, 4000.0f, 2, 1);
    if (!given[21]) r.objects[21] = MakeWalkerObject(5865, 625, 5860.0f, 5960.0f, 2, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(5955, 625, 5860.0f, 5960.0f, 2, 1);
    if (!given[23]) r.objects[23] = MakeWalkerObject(6265, 625, 6260.0f, 6360.0f, 2, 0);
    if (!given[24]) r.objects[24] = MakeWalkerObject(6355, 625, 6260.0f, 6360.0f, 2, 1);
    if (!given[25]) r.objects[25] = MakeWalkerObject(7405, 625, 7400.0f, 7500.0f, 2, 0);
    if (!given[26]) r.objects[26] = MakeWalkerObject(7495, 625, 7400.0f, 7500.0f, 2, 1);
    if (!given[27]) r.objects[27] = MakeWalkerObject(7825, 625, 7820.0f, 7920.0f, 2, 0);
    if (!given[28]) r.objects[28] = MakeWalkerObject(7915, 625, 7820.0f, 7920.0f, 2, 1);
    if (!given[29]) r.objects[29] = LevelObject();
}

// rec32.lvl
void PlaceRecord32(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(950, 560, 755.0f, 1245.0f, 4, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1045, 560, 755.0f, 1245.0f, 4, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(1520, 500, 1470.0f, 1665.0f, 10, 0);
    if (!given[4]) r.objects[4] = MakeBouncerObject(1615, 500, 1470.0f, 1665.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(3200, 245, 2560.0f, 0.0f);
    if (!given[5]) r.objects[5] = MakeWalkerObject(2046, 580, 2005.0f, 2395.0f, 4, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(2141, 580, 2005.0f, 2395.0f, 4, 1);
    if (!given[6]) r.objects[6] = MakeBouncerObject(4480, 440, 4430.0f, 4625.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeBouncerObject(4575, 440, 4430.0f, 4625.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(2900, 380, 2700.0f, 3250.0f, 4, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(2995, 380, 2700.0f, 3250.0f, 4, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(3090, 380, 2700.0f, 3250.0f, 4, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(5400, 440, 0.0f, 0.0f, 12, 1);
    if (!given[12]) r.objects[12] = MakeBouncerObject(6250, 520, 6200.0f, 6395.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(6345, 520, 6200.0f, 6395.0f, 10, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(3905, 500, 3363.0f, 4318.0f, 4, 0);
    if (!given[16]) r.objects[16] = MakeWalkerObject(4095, 500, 3363.0f, 4318.0f, 4, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(4950, 500, 4755.0f, 5145.0f, 4, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(5045, 500, 4755.0f, 5145.0f, 4, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(5850, 520, 5655.0f, 6045.0f, 4, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(5945, 520, 5655.0f, 6045.0f, 4, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6700, 600, 6555.0f, 6995.0f, 4, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(6795, 600, 6555.0f, 6995.0f, 4, 0);
    if (!given[24]) r.objects[24] = MakeWalkerObject(6890, 600, 6555.0f, 6995.0f, 4, 0);
    if (!given[25]) r.objects[25] = MakeWalkerObject(7250, 530, 7150.0f, 7600.0f, 4, 0);
    if (!given[26]) r.objects[26] = MakeWalkerObject(7345, 530, 7150.0f, 7600.0f, 4, 0);
    if (!given[27]) r.objects[27] = LevelObject();
    if (!given[28]) r.objects[28] = LevelObject();
    if (!given[29]) r.objects[29] = LevelObject();
}

// rec33.lvl
void PlaceRecord33(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(940, 580, 735.0f, 1125.0f, 4, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1035, 580, 735.0f, 1125.0f, 4, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(1580, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[4]) r.objects[4] = MakeBouncerObject(1675, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(2200, 395, 1930.0f, 0.0f);
    if (!given[5]) r.objects[5] = MakeWalkerObject(2160, 560, 2145.0f, 2255.0f, 2, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(2240, 560, 2145.0f, 2255.0f, 2, 1);
    if (!given[6]) r.objects[6] = MakeBouncerObject(3450, 480, 0.0f, 8192.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeBouncerObject(3545, 480, 0.0f, 8192.0f, 10, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(4140, 550, 3855.0f, 4245.0f, 4, 1);
    if (!given[11]) r.objects[11] = MakeWalkerObject(4235, 550, 3855.0f, 4245.0f, 4, 1);
    if (!given[10]) r.objects[10] = MakeBouncerObject(4550, 500, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeBouncerObject(4645, 500, 0.0f, 8192.0f, 10, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(5500, 600, 5300.0f, 5850.0f, 4, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(5595, 600, 5300.0f, 5850.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(6080, 540, 0.0f, 8192.0f, 10, 0);
    if (!given[16]) r.objects[16] = MakeBouncerObject(6175, 540, 0.0f, 8192.0f, 10, 0);
    if (!given[18]) r.objects[18] = MakeBouncerObject(6270, 540, 0.0f, 8192.0f, 10, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(6700, 620, 6555.0f, 6995.0f, 4, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(6795, 620, 6555.0f, 6995.0f, 4, 0);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6890, 620, 6555.0f, 6995.0f, 4, 0);
    if (!given[20]) r.objects[20] = MakeBouncerObject(7200, 580, 0.0f, 8192.0f, 10, 0);
    if (!given[22]) r.objects[22] = MakeBouncerObject(7295, 580, 0.0f, 8192.0f, 10, 0);
    if (!given[23]) r.objects[23] = MakeBouncerObject(7390, 580, 0.0f, 8192.0f, 10, 0);
    if (!given[24]) r.objects[24] = LevelObject();
    if (!given[25]) r.objects[25] = LevelObject();
    if (!given[26]) r.objects[26] = LevelObject();
    if (!given[27]) r.objects[27] = LevelObject();
    if (!given[28]) r.objects[28] = LevelObject();
    if (!given[29]) r.objects[29] = LevelObject();
}

// rec34.lvl
void PlaceRecord34(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1000, 460, 950.0f, 1050.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeCeilingDropperObject(1000, 200, 400.0f, 0.0f);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(1250, 200, 650.0f, 0.0f);
    if (!given[3]) r.objects[3] = MakeGearObject(1161, 726, 0.0f, 0.02f, 30);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1250, 460, 1200.0f, 1300.0f, 2, 1);
    if (!given[5]) r.objects[5] = MakeGearObject(1558, 598, 0.0f, 0.03f, 50);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1850, 460, 1800.0f, 1900.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeCeilingDropperObject(1850, 200, 1250.0f, 0.0f);
    if (!given[8]) r.objects[8] = MakeCeilingDropperObject(2575, 100, 1975.0f, 0.0f);
    if (!given[9]) r.objects[9] = MakeCeilingDropperObject(3400, 60, 2950.0f, 0.0f);
    if (!given[10]) r.objects[10] = MakeCeilingDropperObject(3900, 60, 3450.0f, 0.0f);
    if (!given[11]) r.objects[11] = MakeWalkerObject(2575, 360, 2525.0f, 2625.0f, 2, 1);
    if (!given[12]) r.objects[12] = MakeWalkerObject(4700, 600, 4650.0f, 4750.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(4150, 600, 4100.0f, 4200.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeCeilingDropperObject(4700, 340, 4100.0f, 0.0f);
    if (!given[15]) r.objects[15] = MakeCeilingDropperObject(4150, 455, 4407.0f, 0.0f);
    if (!given[16]) r.objects[16] = MakeWalkerObject(5700, 680, 5650.0f, 5750.0f, 2, 1);
    if (!given[17]) r.objects[17] = MakeGearObject(5278, 868, 0.0f, 0.03f, 50);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(5700, 420, 5100.0f, 0.0f);
    if (!given[19]) r.objects[19] = MakeWalkerObject(6000, 680, 5950.0f, 6050.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeCeilingDropperObject(6000, 420, 5400.0f, 0.0f);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6750, 740, 6700.0f, 6800.0f, 2, 1);
    if (!given[22]) r.objects[22] = MakeGearObject(6151, 781, 0.0f, 0.018f, 40);
    if (!given[23]) r.objects[23] = MakeCeilingDropperObject(6750, 480, 6150.0f, 0.0f);
    if (!given[24]) r.objects[24] = MakeCeilingDropperObject(7450, 657, 7450.0f, 0.0f);
    if (!given[25]) r.objects[25] = MakeWalkerObject(3366, 255, 3050.0f, 4405.0f, 4, 0);
    if (!given[26]) r.objects[26] = MakeCeilingDropperObject(7700, 657, 7700.0f, 0.0f);
    if (!given[27]) r.objects[27] = MakeGearObject(8043, 518, 0.0f, 0.03f, 60);
    if (!given[28]) r.objects[28] = MakeCannonObject(1250.0f, 120.0f, -50.0f, 50.0f, 9.0f, 9.0f, 0.8f, 0, 0, 0);
    if (!given[29]) r.objects[29] = MakeCannonObject(6000.0f, 340.0f, -50.0f, 50.0f, 9.0f, 9.0f, 0.8f, 0, 0, 0);
    if (!given[30]) r.objects[30] = LevelObject();
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
    r.objects[25].heat = 100.0f;
}

// rec35.lvl
void PlaceRecord35(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(600, 3400, 320.0f, 680.0f, 2, 1);
    if (!given[1]) r.objects[1] = MakeBouncerObject(480, 3440, 0.0f, 0.0f, 10, 1);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(235, 3515, 225.0f, 0.0f);
    if (!given[3]) r.objects[3] = MakeGearObject(101, 2857, 0.0f, 0.02f, 30);
    if (!given[4]) r.objects[4] = MakeGearObject(851, 2497, 0.0f, 0.02f, 40);
    if (!given[5]) r.objects[5] = MakeGearObject(2628, 1684, 0.0f, 0.03f, 50);
    if (!given[6]) r.objects[6] = MakeWalkerObject(3400, 2450, 3260.0f, 3550.0f, 4, 1);
    if (!given[7]) r.objects[7] = MakeBouncerObject(2360, 2250, 0.0f, 0.0f, 10, 1);
    if (!given[8]) r.objects[8] = MakeCeilingDropperObject(325, 3515, 315.0f, 0.0f);
    if (!given[9]) r.objects[9] = MakeGearObject(1901, 1701, 0.0f, 0.018f, 40);
    if (!given[10]) r.objects[10] = MakeWalkerObject(400, 3400, 320.0f, 680.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(3950, 765, 0.0f, 0.0f, 10, 1);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(415, 3515, 405.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeWalkerObject(850, 3260, 720.0f, 980.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeCeilingDropperObject(505, 3515, 495.0f, 0.0f);
    if (!given[15]) r.objects[15] = MakeWalkerObject(2950, 2190, 2820.0f, 3080.0f, 2, 1);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(595, 3515, 585.0f, 0.0f);
    if (!given[17]) r.objects[17] = MakeWalkerObject(2600, 2210, 2460.0f, 2780.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(685, 3515, 675.0f, 0.0f);
    if (!given[19]) r.objects[19] = MakeWalkerObject(2940, 1100, 2920.0f, 3100.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeCeilingDropperObject(2320, 2325, 2310.0f, 0.0f);
    if (!given[21]) r.objects[21] = MakeWalkerObject(3080, 1100, 2920.0f, 3100.0f, 2, 1);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(2410, 2325, 2400.0f, 0.0f);
    if (!given[23]) r.objects[23] = MakeWalkerObject(2400, 1520, 2350.0f, 2450.0f, 4, 0);
    if (!given[24]) r.objects[24] = MakeCeilingDropperObject(2500, 2325, 2490.0f, 0.0f);
    if (!given[25]) r.objects[25] = MakeWalkerObject(2870, 1520, 2820.0f, 2920.0f, 4, 1);
    if (!given[26]) r.objects[26] = MakeCeilingDropperObject(2590, 2325, 2580.0f, 0.0f);
    if (!given[27]) r.objects[27] = MakeCeilingDropperObject(2680, 2325, 2670.0f, 0.0f);
    if (!given[28]) r.objects[28] = MakeCeilingDropperObject(2770, 2325, 2760.0f, 0.0f);
    if (!given[29]) r.objects[29] = LevelObject();
    if (!given[30]) r.objects[30] = LevelObject();
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
}

// rec36.lvl
void PlaceRecord36(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(412, 2573, 396.0f, 428.0f, 2, 0);
    if (!given[22]) r.objects[22] = MakeBouncerObject(850, 2613, 0.0f, 3072.0f, 9, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1204, 2520, 1188.0f, 1220.0f, 3, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1644, 2573, 1628.0f, 1660.0f, 3, 1);
    if (!given[3]) r.objects[3] = MakeWalkerObject(2406, 2202, 2390.0f, 2422.0f, 2, 0);
    if (!given[23]) r.objects[23] = MakeBouncerObject(2040, 2242, 0.0f, 3072.0f, 8, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1818, 2202, 1802.0f, 1834.0f, 4, 1);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1374, 2202, 1358.0f, 1390.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1474, 1928, 1458.0f, 1490.0f, 3, 0);
    if (!given[27]) r.objects[27] = MakeBouncerObject(1935, 1968, 0.0f, 3072.0f, 7, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(2714, 1928, 2698.0f, 2730.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(2654, 1585, 2638.0f, 2670.0f, 4, 1);
    if (!given[24]) r.objects[24] = MakeBouncerObject(2420, 1625, 0.0f, 3072.0f, 8, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(2046, 1585, 2030.0f, 2062.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(1500, 1585, 1484.0f, 1516.0f, 3, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1600, 1585, 1584.0f, 1616.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(742, 1245, 726.0f, 758.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(1234, 1245, 1218.0f, 1250.0f, 4, 1);
    if (!given[15]) r.objects[15] = MakeWalkerObject(1694, 1245, 1678.0f, 1710.0f, 3, 0);
    if (!given[16]) r.objects[16] = MakeWalkerObject(2158, 1245, 2142.0f, 2174.0f, 2, 1);
    if (!given[25]) r.objects[25] = MakeBouncerObject(2450, 1285, 0.0f, 3072.0f, 8, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(1298, 905, 1282.0f, 1314.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(1200, 905, 1184.0f, 1216.0f, 4, 1);
    if (!given[26]) r.objects[26] = MakeBouncerObject(1444, 945, 0.0f, 3072.0f, 9, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(798, 905, 782.0f, 814.0f, 3, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(690, 905, 674.0f, 706.0f, 2, 0);
    if (!given[21]) r.objects[21] = MakeWalkerObject(462, 905, 446.0f, 478.0f, 4, 1);
    if (!given[12]) r.objects[12] = MakeWalkerObject(1535, 480, 1519.0f, 1551.0f, 2, 0);
    if (!given[28]) r.objects[28] = MakeCeilingDropperObject(1760, 2307, 1780.0f, 2400.0f);
    if (!given[29]) r.objects[29] = MakeCeilingDropperObject(1880, 2307, 1900.0f, 2400.0f);
    if (!given[30]) r.objects[30] = MakeCeilingDropperObject(2000, 2307, 2020.0f, 2400.0f);
    if (!given[31]) r.objects[31] = MakeCeilingDropperObject(2400, 2317, 2420.0f, 2300.0f);
    if (!given[32]) r.objects[32] = MakeCeilingDropperObject(2600, 2317, 2620.0f, 2300.0f);
    if (!given[33]) r.objects[33] = MakeCeilingDropperObject(2150, 1833, 2170.0f, -1950.0f);
    if (!given[34]) r.objects[34] = MakeCeilingDropperObject(2400, 1833, 2420.0f, -1950.0f);
    if (!given[35]) r.objects[35] = MakeCeilingDropperObject(1350, 1690, 1370.0f, -1950.0f);
    if (!given[36]) r.objects[36] = MakeCeilingDropperObject(1600, 1690, 1620.0f, -1950.0f);
    if (!given[37]) r.objects[37] = MakeCeilingDropperObject(1850, 1690, 1870.0f, -1950.0f);
    if (!given[38]) r.objects[38] = MakeCeilingDropperObject(700, 1490, 530.0f, -1700.0f);
    if (!given[39]) r.objects[39] = MakeCeilingDropperObject(900, 1490, 730.0f, -1700.0f);
    if (!given[40]) r.objects[40] = MakeCeilingDropperObject(1500, 1020, 1520.0f, -1300.0f);
    if (!given[41]) r.objects[41] = MakeCeilingDropperObject(1750, 810, 1580.0f, -950.0f);
    if (!given[42]) r.objects[42] = MakeCeilingDropperObject(1950, 810, 1780.0f, -950.0f);
    if (!given[43]) r.objects[43] = MakeGearObject(2631, 171, 0.0f, 0.02f, 30);
    if (!given[44]) r.objects[44] = MakeGearObject(651, 241, 0.0f, 0.025f, 40);
    if (!given[45]) r.objects[45] = MakeCannonObject(3045.0f, 2350.0f, -30.0f, -10.0f, 10.0f, 11.0f, 0.5f, 0, 0, 0);
    if (!given[46]) r.objects[46] = MakeCannonObject(3030.0f, 1460.0f, -80.0f, -60.0f, 9.0f, 10.0f, 0.5f, 0, 0, 0);
    if (!given[47]) r.objects[47] = MakeCannonObject(60.0f, 1300.0f, 50.0f, 75.0f, 9.0f, 10.0f, 0.5f, 0, 0, 0);
    if (!given[48]) r.objects[48] = MakeCannonObject(1520.0f, 690.0f, -60.0f, -30.0f, 9.0f, 10.0f, 0.4f, 0, 0, 0);
    if (!given[49]) r.objects[49] = MakeCannonObject(2240.0f, 690.0f, 30.0f, 60.0f, 9.0f, 10.0f, 0.4f, 0, 0, 0);
}

// rec37.lvl
void PlaceRecord37(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(550, 569, 534.0f, 566.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeBouncerObject(850, 609, 0.0f, 3072.0f, 8, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1630, 569, 1614.0f, 1646.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1738, 569, 1722.0f, 1754.0f, 4, 1);
    if (!given[16]) r.objects[16] = MakeWalkerObject(2662, 569, 2646.0f, 2678.0f, 2, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(2758, 569, 2742.0f, 2774.0f, 2, 1);
    if (!given[4]) r.objects[4] = MakeWalkerObject(946, 1217, 930.0f, 962.0f, 4, 1);
    if (!given[6]) r.objects[6] = MakeBouncerObject(1605, 1257, 0.0f, 3072.0f, 9, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1046, 1217, 1030.0f, 1062.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(946, 1766, 930.0f, 962.0f, 3, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(1892, 1766, 1876.0f, 1908.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(1510, 1806, 0.0f, 3072.0f, 8, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(2226, 1766, 2210.0f, 2242.0f, 4, 1);
    if (!given[11]) r.objects[11] = MakeBouncerObject(2800, 1806, 0.0f, 3072.0f, 8, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(2928, 2749, 2912.0f, 2944.0f, 2, 1);
    if (!given[15]) r.objects[15] = MakeBouncerObject(2400, 2789, 0.0f, 3072.0f, 8, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(1938, 2749, 1922.0f, 1954.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(1298, 2749, 1282.0f, 1314.0f, 2, 1);
    if (!given[19]) r.objects[19] = MakeBouncerObject(900, 2789, 0.0f, 3072.0f, 9, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(682, 2749, 666.0f, 698.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeBouncerObject(2250, 2789, 0.0f, 3072.0f, 8, 0);
    if (!given[21]) r.objects[21] = MakeCeilingDropperObject(2150, 444, 2170.0f, 500.0f);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(2400, 444, 2420.0f, 500.0f);
    if (!given[23]) r.objects[23] = MakeCeilingDropperObject(2400, 665, 2230.0f, 1100.0f);
    if (!given[24]) r.objects[24] = MakeCeilingDropperObject(2050, 932, 1880.0f, 1100.0f);
    if (!given[25]) r.objects[25] = MakeCeilingDropperObject(1800, 932, 1630.0f, 1100.0f);
    if (!given[27]) r.objects[27] = MakeCeilingDropperObject(1600, 665, 1430.0f, 1100.0f);
    if (!given[28]) r.objects[28] = MakeCeilingDropperObject(1350, 992, 1180.0f, 1100.0f);
    if (!given[29]) r.objects[29] = MakeCeilingDropperObject(1150, 992, 930.0f, 1100.0f);
    if (!given[30]) r.objects[30] = MakeCeilingDropperObject(880, 992, 710.0f, 1100.0f);
    if (!given[31]) r.objects[31] = MakeCeilingDropperObject(950, 1481, 970.0f, 1650.0f);
    if (!given[32]) r.objects[32] = MakeCeilingDropperObject(1200, 1481, 1220.0f, 1650.0f);
    if (!given[33]) r.objects[33] = MakeCeilingDropperObject(1550, 1325, 1570.0f, 1650.0f);
    if (!given[34]) r.objects[34] = MakeCeilingDropperObject(1800, 1325, 1820.0f, 1650.0f);
    if (!given[35]) r.objects[35] = MakeCeilingDropperObject(2050, 1325, 2070.0f, 1650.0f);
    if (!given[36]) r.objects[36] = MakeCeilingDropperObject(2250, 1325, 2270.0f, 1650.0f);
    if (!given[37]) r.objects[37] = MakeCeilingDropperObject(2700, 1080, 2720.0f, 1650.0f);
    if (!given[38]) r.objects[38] = MakeCeilingDropperObject(2750, 1875, 2730.0f, 2600.0f);
    if (!given[39]) r.objects[39] = MakeCeilingDropperObject(1950, 2464, 1780.0f, 2600.0f);
    if (!given[40]) r.objects[40] = MakeCeilingDropperObject(1700, 2464, 1530.0f, 2600.0f);
    if (!given[41]) r.objects[41] = MakeCeilingDropperObject(1000, 1875, 980.0f, 2600.0f);
    if (!given[42]) r.objects[42] = MakeCeilingDropperObject(800, 1875, 780.0f, 2600.0f);
    if (!given[43]) r.objects[43] = MakeCeilingDropperObject(450, 1875, 430.0f, 2600.0f);
    if (!given[44]) r.objects[44] = MakeGearObject(2086, 1901, 0.0f, 0.02f, 30);
    if (!given[45]) r.objects[45] = MakeGearObject(1086, 1901, 0.0f, 0.025f, 40);
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec38.lvl
void PlaceRecord38(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1560, 330, 1520.0f, 1780.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1720, 330, 1520.0f, 1780.0f, 4, 1);
    if (!given[9]) r.objects[9] = MakeWalkerObject(2260, 250, 2220.0f, 2580.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(2400, 250, 2220.0f, 2580.0f, 2, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(2540, 250, 2220.0f, 2580.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(5560, 350, 5520.0f, 5780.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(5720, 350, 5520.0f, 5780.0f, 4, 1);
    if (!given[4]) r.objects[4] = MakeWalkerObject(7010, 300, 6970.0f, 7230.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(7170, 300, 6970.0f, 7230.0f, 4, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(3900, 640, 3880.0f, 4100.0f, 2, 0);
    if (!given[7]) r.objects[7] = MakeWalkerObject(3990, 640, 3880.0f, 4100.0f, 2, 0);
    if (!given[8]) r.objects[8] = MakeWalkerObject(4080, 640, 3880.0f, 4100.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(6540, 540, 6520.0f, 6780.0f, 2, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(6640, 540, 6520.0f, 6780.0f, 2, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(6740, 540, 6520.0f, 6780.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeBouncerObject(7600, 488, 0.0f, 0.0f, 14, 1);
    if (!given[16]) r.objects[16] = MakeBouncerObject(7800, 488, 0.0f, 0.0f, 14, 1);
    if (!given[17]) r.objects[17] = MakeCeilingDropperObject(3200, 500, 3250.0f, 0.0f);
    if (!given[18]) r.objects[18] = MakeCeilingDropperObject(3320, 500, 3370.0f, 0.0f);
    if (!given[19]) r.objects[19] = MakeCeilingDropperObject(3440, 500, 3490.0f, 0.0f);
    if (!given[20]) r.objects[20] = MakeGearObject(901, 631, 0.0f, 0.02f, 30);
    if (!given[21]) r.objects[21] = MakeGearObject(4926, 631, 0.0f, 0.02f, 30);
    if (!given[22]) r.objects[22] = MakeGearObject(2451, 681, 0.0f, 0.018f, 30);
    if (!given[23]) r.objects[23] = MakeGearObject(451, 651, 0.0f, 0.018f, 40);
    if (!given[24]) r.objects[24] = MakeGearObject(4051, 681, 0.0f, 0.018f, 40);
    if (!given[25]) r.objects[25] = MakeGearObject(7351, 671, 0.0f, 0.02f, 40);
    if (!given[26]) r.objects[26] = MakeGearObject(3528, 728, 0.0f, 0.03f, 50);
    if (!given[27]) r.objects[27] = MakeGearObject(6078, 678, 0.0f, 0.03f, 50);
    if (!given[28]) r.objects[28] = MakeGearObject(6528, 708, 0.0f, 0.028f, 50);
    if (!given[29]) r.objects[29] = MakeGearObject(1678, 658, 0.0f, 0.025f, 60);
    if (!given[30]) r.objects[30] = MakeCannonObject(3260.0f, 420.0f, -20.0f, 20.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[31]) r.objects[31] = MakeCannonObject(3400.0f, 420.0f, 20.0f, -20.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[32]) r.objects[32] = MakeCannonObject(4280.0f, 270.0f, -15.0f, 15.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[33]) r.objects[33] = MakeCannonObject(4420.0f, 270.0f, 15.0f, -15.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[34]) r.objects[34] = LevelObject();
    if (!given[35]) r.objects[35] = LevelObject();
    if (!given[36]) r.objects[36] = LevelObject();
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec39.lvl
void PlaceRecord39(LevelRecord& r, const bool given[])
{
    if (!given[2]) r.objects[2] = MakeGearObject(896, 478, 0.0f, 0.03f, 50);
    if (!given[3]) r.objects[3] = MakeGearObject(2300, 508, 0.0f, 0.024f, 60);
    if (!given[6]) r.objects[6] = MakeGearObject(3496, 598, 0.0f, 0.03f, 60);
    if (!given[9]) r.objects[9] = MakeGearObject(5380, 718, 0.0f, 0.024f, 60);
    if (!given[11]) r.objects[11] = MakeGearObject(6596, 638, 0.0f, 0.03f, 60);
    if (!given[0]) r.objects[0] = MakeWalkerObject(320, 380, 300.0f, 870.0f, 2, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(850, 380, 300.0f, 870.0f, 2, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(1395, 500, 1395.0f, 1555.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(1555, 500, 1395.0f, 1555.0f, 2, 1);
    if (!given[12]) r.objects[12] = MakeWalkerObject(1845, 500, 1845.0f, 1955.0f, 2, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(1955, 500, 1845.0f, 1955.0f, 2, 1);
    if (!given[1]) r.objects[1] = MakeBouncerObject(2700, 470, 0.0f, 8192.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(3045, 600, 3045.0f, 3255.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(3255, 600, 3045.0f, 3255.0f, 2, 1);
    if (!given[16]) r.objects[16] = MakeWalkerObject(4095, 600, 4095.0f, 4255.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(4255, 600, 4095.0f, 4255.0f, 2, 1);
    if (!given[19]) r.objects[19] = MakeWalkerObject(5895, 660, 5895.0f, 6005.0f, 2, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(6005, 660, 5895.0f, 6005.0f, 2, 1);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6245, 660, 6245.0f, 6355.0f, 2, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6355, 660, 6245.0f, 6355.0f, 2, 1);
    if (!given[5]) r.objects[5] = MakeBouncerObject(4480, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[8]) r.objects[8] = MakeBouncerObject(7300, 497, 0.0f, 8192.0f, 10, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(7495, 577, 7495.0f, 7705.0f, 2, 0);
    if (!given[24]) r.objects[24] = MakeWalkerObject(7705, 577, 7495.0f, 7705.0f, 2, 1);
    if (!given[25]) r.objects[25] = LevelObject();
    if (!given[26]) r.objects[26] = LevelObject();
    if (!given[27]) r.objects[27] = LevelObject();
    if (!given[28]) r.objects[28] = LevelObject();
    if (!given[29]) r.objects[29] = LevelObject();
    if (!given[30]) r.objects[30] = LevelObject();
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
    if (!given[35]) r.objects[35] = LevelObject();
    if (!given[36]) r.objects[36] = LevelObject();
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec40.lvl
void PlaceRecord40(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(1690, 720, 820.0f, 1700.0f, 4, 1);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1600, 720, 820.0f, 1645.0f, 4, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1510, 720, 820.0f, 1600.0f, 4, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(1420, 720, 820.0f, 1555.0f, 4, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1330, 720, 820.0f, 1510.0f, 4, 0);
    if (!given[5]) r.objects[5] = MakeGearObject(1676, 851, 0.0f, 0.02f, 40);
    if (!given[7]) r.objects[7] = MakeGearObject(4213, 838, 0.0f, 0.03f, 50);
    if (!given[8]) r.objects[8] = MakeGearObject(4443, 838, 0.0f, 0.03f, 60);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1240, 709, 820.0f, 1465.0f, 4, 0);
    if (!given[13]) r.objects[13] = MakeWalkerObject(1150, 693, 820.0f, 1420.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(1060, 678, 820.0f, 1375.0f, 4, 0);
    if (!given[25]) r.objects[25] = MakeWalkerObject(970, 662, 820.0f, 1330.0f, 4, 0);
    if (!given[26]) r.objects[26] = MakeWalkerObject(880, 650, 820.0f, 1285.0f, 4, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(4950, 810, 4830.0f, 5650.0f, 4, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(5045, 810, 4830.0f, 5650.0f, 4, 0);
    if (!given[11]) r.objects[11] = MakeWalkerObject(5140, 810, 4830.0f, 5650.0f, 4, 0);
    if (!given[12]) r.objects[12] = MakeWalkerObject(5235, 810, 4830.0f, 5650.0f, 4, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(5330, 810, 4830.0f, 5650.0f, 4, 0);
    if (!given[24]) r.objects[24] = MakeWalkerObject(5425, 810, 4830.0f, 5650.0f, 4, 0);
    if (!given[16]) r.objects[16] = MakeGearObject(5838, 758, 0.0f, 0.03f, 60);
    if (!given[17]) r.objects[17] = MakeGearObject(6068, 772, 0.0f, 0.03f, 50);
    if (!given[18]) r.objects[18] = MakeGearObject(6298, 758, 0.0f, 0.03f, 60);
    if (!given[19]) r.objects[19] = MakeWalkerObject(6700, 740, 6630.0f, 7170.0f, 4, 0);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6795, 740, 6630.0f, 7170.0f, 4, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6890, 740, 6630.0f, 7170.0f, 4, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(6985, 740, 6630.0f, 7170.0f, 4, 0);
    if (!given[27]) r.objects[27] = MakeGearObject(7423, 628, 0.0f, 0.03f, 50);
    if (!given[28]) r.objects[28] = MakeGearObject(7653, 628, 0.0f, 0.03f, 60);
    if (!given[29]) r.objects[29] = LevelObject();
    if (!given[30]) r.objects[30] = LevelObject();
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
    if (!given[35]) r.objects[35] = LevelObject();
    if (!given[36]) r.objects[36] = LevelObject();
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec41.lvl
void PlaceRecord41(LevelRecord& r, const bool given[])
{
    if (!given[3]) r.objects[3] = MakeCeilingDropperObject(5540, 485, 5465.0f, 0.0f);
    if (!given[0]) r.objects[0] = MakeWalkerObject(5495, 636, 5482.0f, 5506.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeBouncerObject(5585, 676, 0.0f, 8192.0f, 5, 0);
    if (!given[7]) r.objects[7] = MakeCeilingDropperObject(5740, 485, 5665.0f, 0.0f);
    if (!given[4]) r.objects[4] = MakeWalkerObject(5695, 636, 5682.0f, 5706.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeBouncerObject(5785, 676, 0.0f, 8192.0f, 5, 0);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(3300, 805, 3225.0f, 0.0f);
    if (!given[8]) r.objects[8] = MakeWalkerObject(3255, 920, 3242.0f, 3266.0f, 2, 0);
    if (!given[10]) r.objects[10] = MakeBouncerObject(3345, 960, 0.0f, 8192.0f, 5, 0);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(3500, 805, 3425.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeWalkerObject(3455, 920, 3442.0f, 3466.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeBouncerObject(3545, 960, 0.0f, 8192.0f, 5, 0);
    if (!given[11]) r.objects[11] = MakeDroppedBouncerObject(2200, 838, 250, 0.0f, 8192.0f, 10, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(6050, 380, 6000.0f, 6300.0f, 2, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6250, 380, 6000.0f, 6300.0f, 2, 1);
    if (!given[23]) r.objects[23] = MakeWalkerObject(4760, 419, 4720.0f, 4890.0f, 2, 0);
    if (!given[9]) r.objects[9] = MakeWalkerObject(3960, 700, 3911.0f, 4259.0f, 4, 0);
    if (!given[14]) r.objects[14] = MakeWalkerObject(4240, 700, 3911.0f, 4259.0f, 4, 1);
    if (!given[1]) r.objects[1] = MakeWalkerObject(1900, 490, 1870.0f, 2080.0f, 2, 0);
    if (!given[5]) r.objects[5] = MakeWalkerObject(2050, 490, 1870.0f, 2080.0f, 2, 1);
    if (!given[24]) r.objects[24] = MakeWalkerObject(800, 733, 740.0f, 1000.0f, 2, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(250, 760, 220.0f, 480.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(450, 760, 220.0f, 480.0f, 2, 1);
    if (!given[19]) r.objects[19] = MakeWalkerObject(350, 760, 220.0f, 480.0f, 2, 0);
    if (!given[25]) r.objects[25] = MakeGearObject(6151, 511, 0.0f, 0.02f, 30);
    if (!given[26]) r.objects[26] = MakeGearObject(5128, 578, 0.0f, 0.03f, 50);
    if (!given[27]) r.objects[27] = MakeGearObject(5878, 578, 0.0f, 0.03f, 50);
    if (!given[28]) r.objects[28] = MakeGearObject(1808, 708, 0.0f, 0.03f, 50);
    if (!given[29]) r.objects[29] = MakeGearObject(5078, 678, 0.0f, 0.03f, 50);
    if (!given[30]) r.objects[30] = MakeGearObject(4178, 808, 0.0f, 0.03f, 50);
    if (!given[31]) r.objects[31] = MakeGearObject(2328, 758, 0.0f, 0.03f, 50);
    if (!given[32]) r.objects[32] = MakeGearObject(3718, 808, 0.0f, 0.03f, 50);
    if (!given[33]) r.objects[33] = MakeGearObject(-102, 578, 0.0f, 0.03f, 60);
    if (!given[34]) r.objects[34] = MakeGearObject(-102, 328, 0.0f, 0.03f, 60);
    if (!given[35]) r.objects[35] = LevelObject();
    if (!given[36]) r.objects[36] = LevelObject();
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec42.lvl
void PlaceRecord42(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(3940, 720, 3920.0f, 4240.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeWalkerObject(4030, 720, 3920.0f, 4240.0f, 2, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(4120, 720, 3920.0f, 4240.0f, 2, 0);
    if (!given[3]) r.objects[3] = MakeWalkerObject(4210, 720, 3920.0f, 4240.0f, 2, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(6340, 760, 6320.0f, 6640.0f, 4, 1);
    if (!given[5]) r.objects[5] = MakeWalkerObject(6430, 760, 6320.0f, 6640.0f, 4, 1);
    if (!given[6]) r.objects[6] = MakeWalkerObject(6520, 760, 6320.0f, 6640.0f, 4, 1);
    if (!given[7]) r.objects[7] = MakeWalkerObject(6610, 760, 6320.0f, 6640.0f, 4, 1);
    if (!given[8]) r.objects[8] = MakeWalkerObject(5800, 660, 5450.0f, 6200.0f, 4, 0);
    if (!given[9]) r.objects[9] = MakeGearObject(2126, 651, 0.0f, 0.018f, 30);
    if (!given[10]) r.objects[10] = MakeGearObject(4926, 651, 0.0f, 0.018f, 30);
    if (!given[11]) r.objects[11] = MakeGearObject(751, 651, 0.0f, 0.018f, 30);
    if (!given[12]) r.objects[12] = MakeGearObject(6751, 841, 0.0f, 0.018f, 40);
    if (!given[13]) r.objects[13] = MakeGearObject(478, 593, 0.0f, 0.03f, 50);
    if (!given[14]) r.objects[14] = MakeGearObject(1578, 638, 0.0f, 0.03f, 50);
    if (!given[15]) r.objects[15] = MakeGearObject(2878, 698, 0.0f, 0.03f, 50);
    if (!given[16]) r.objects[16] = MakeGearObject(3478, 728, 0.0f, 0.03f, 50);
    if (!given[17]) r.objects[17] = MakeGearObject(3928, 838, 0.0f, 0.03f, 50);
    if (!given[18]) r.objects[18] = MakeGearObject(4478, 738, 0.0f, 0.03f, 50);
    if (!given[19]) r.objects[19] = MakeGearObject(5678, 778, 0.0f, 0.03f, 50);
    if (!given[20]) r.objects[20] = MakeGearObject(6328, 878, 0.0f, 0.03f, 50);
    if (!given[21]) r.objects[21] = MakeGearObject(7078, 838, 0.0f, 0.025f, 60);
    if (!given[22]) r.objects[22] = MakeGearObject(7578, 866, 0.0f, 0.025f, 60);
    if (!given[23]) r.objects[23] = MakeGearObject(7928, 866, 0.0f, 0.025f, 60);
    if (!given[24]) r.objects[24] = MakeCannonObject(1520.0f, 420.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[25]) r.objects[25] = MakeCannonObject(1650.0f, 420.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[26]) r.objects[26] = MakeCannonObject(1780.0f, 420.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.8f, 0, 0, 0);
    if (!given[27]) r.objects[27] = MakeCannonObject(2820.0f, 480.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[28]) r.objects[28] = MakeCannonObject(2950.0f, 480.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[29]) r.objects[29] = MakeCannonObject(3080.0f, 480.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.8f, 0, 0, 0);
    if (!given[30]) r.objects[30] = MakeCannonObject(4420.0f, 520.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[31]) r.objects[31] = MakeCannonObject(4550.0f, 520.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[32]) r.objects[32] = MakeCannonObject(4680.0f, 520.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.8f, 0, 0, 0);
    if (!given[33]) r.objects[33] = MakeCannonObject(5620.0f, 560.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[34]) r.objects[34] = MakeCannonObject(5750.0f, 560.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[35]) r.objects[35] = MakeCannonObject(5880.0f, 560.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.8f, 0, 0, 0);
    if (!given[36]) r.objects[36] = MakeCannonObject(7000.0f, 610.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[37]) r.objects[37] = MakeCannonObject(7125.0f, 610.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[38]) r.objects[38] = MakeCannonObject(7250.0f, 610.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.8f, 0, 0, 0);
    if (!given[39]) r.objects[39] = LevelObject();
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec43.lvl
void PlaceRecord43(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeCeilingDropperObject(1500, 265, 1440.0f, 0.0f);
    if (!given[1]) r.objects[1] = MakeCeilingDropperObject(1750, 265, 1690.0f, 0.0f);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(2000, 265, 1940.0f, 0.0f);
    if (!given[3]) r.objects[3] = MakeCeilingDropperObject(2250, 265, 2190.0f, 0.0f);
    if (!given[4]) r.objects[4] = MakeCeilingDropperObject(2450, 265, 2390.0f, 0.0f);
    if (!given[5]) r.objects[5] = MakeCeilingDropperObject(4640, 415, 4580.0f, 0.0f);
    if (!given[6]) r.objects[6] = MakeCeilingDropperObject(4760, 415, 4700.0f, 0.0f);
    if (!given[7]) r.objects[7] = MakeCeilingDropperObject(4880, 415, 4820.0f, 0.0f);
    if (!given[8]) r.objects[8] = MakeCeilingDropperObject(5000, 415, 4940.0f, 0.0f);
    if (!given[9]) r.objects[9] = MakeCeilingDropperObject(5090, 415, 5030.0f, 0.0f);
    if (!given[10]) r.objects[10] = MakeCeilingDropperObject(7100, 535, 7040.0f, 0.0f);
    if (!given[11]) r.objects[11] = MakeCeilingDropperObject(7200, 550, 7140.0f, 0.0f);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(7290, 550, 7230.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeCeilingDropperObject(7370, 550, 7310.0f, 0.0f);
    if (!given[14]) r.objects[14] = MakeWalkerObject(4040, 620, 4020.0f, 4320.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(4130, 620, 4020.0f, 4320.0f, 2, 0);
    if (!given[16]) r.objects[16] = MakeWalkerObject(4220, 620, 4020.0f, 4320.0f, 2, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(4310, 620, 4020.0f, 4320.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeBouncerObject(3700, 440, 0.0f, 0.0f, 5, 1);
    if (!given[19]) r.objects[19] = MakeBouncerObject(6200, 580, 0.0f, 0.0f, 5, 1);
    if (!given[20]) r.objects[20] = MakeWalkerObject(6440, 760, 6420.0f, 6720.0f, 4, 1);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6530, 760, 6420.0f, 6720.0f, 4, 1);
    if (!given[22]) r.objects[22] = MakeWalkerObject(6620, 760, 6420.0f, 6720.0f, 4, 1);
    if (!given[23]) r.objects[23] = MakeWalkerObject(6710, 760, 6420.0f, 6720.0f, 4, 1);
    if (!given[24]) r.objects[24] = MakeWalkerObject(7490, 640, 7470.0f, 7710.0f, 2, 0);
    if (!given[25]) r.objects[25] = MakeWalkerObject(7650, 640, 7470.0f, 7710.0f, 4, 1);
    if (!given[26]) r.objects[26] = MakeGearObject(2926, 631, 0.0f, 0.018f, 30);
    if (!given[27]) r.objects[27] = MakeGearObject(5526, 711, 0.0f, 0.018f, 40);
    if (!given[28]) r.objects[28] = MakeGearObject(651, 561, 0.0f, 0.018f, 40);
    if (!given[29]) r.objects[29] = MakeGearObject(4028, 738, 0.0f, 0.025f, 50);
    if (!given[30]) r.objects[30] = MakeGearObject(6428, 868, 0.0f, 0.025f, 60);
    if (!given[31]) r.objects[31] = MakeCannonObject(3600.0f, 430.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[32]) r.objects[32] = MakeCannonObject(3800.0f, 430.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.6f, 0, 0, 0);
    if (!given[33]) r.objects[33] = MakeCannonObject(6100.0f, 570.0f, -12.0f, 12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[34]) r.objects[34] = MakeCannonObject(6300.0f, 570.0f, 12.0f, -12.0f, 8.0f, 8.0f, 0.7f, 0, 0, 0);
    if (!given[35]) r.objects[35] = LevelObject();
    if (!given[36]) r.objects[36] = LevelObject();
    if (!given[37]) r.objects[37] = LevelObject();
    if (!given[38]) r.objects[38] = LevelObject();
    if (!given[39]) r.objects[39] = LevelObject();
    if (!given[40]) r.objects[40] = LevelObject();
    if (!given[41]) r.objects[41] = LevelObject();
    if (!given[42]) r.objects[42] = LevelObject();
    if (!given[43]) r.objects[43] = LevelObject();
    if (!given[44]) r.objects[44] = LevelObject();
    if (!given[45]) r.objects[45] = LevelObject();
    if (!given[46]) r.objects[46] = LevelObject();
    if (!given[47]) r.objects[47] = LevelObject();
    if (!given[48]) r.objects[48] = LevelObject();
    if (!given[49]) r.objects[49] = LevelObject();
}

// rec44.lvl
void PlaceRecord44(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(950, 560, 840.0f, 1270.0f, 4, 0);
    if (!given[2]) r.objects[2] = MakeWalkerObject(1045, 560, 840.0f, 1270.0f, 4, 0);
    if (!given[4]) r.objects[4] = MakeWalkerObject(1140, 560, 840.0f, 1270.0f, 4, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(1500, 500, 0.0f, 8192.0f, 10, 0);
    if (!given[3]) r.objects[3] = MakeBouncerObject(1595, 500, 0.0f, 8192.0f, 10, 0);
    if (!given[6]) r.objects[6] = MakeWalkerObject(1850, 560, 1830.0f, 1970.0f, 4, 1);
    if (!given[8]) r.objects[8] = MakeWalkerObject(1945, 560, 1830.0f, 1970.0f, 4, 1);
    if (!given[13]) r.objects[13] = MakeWalkerObject(500, 460, 380.0f, 700.0f, 4, 0);
    if (!given[15]) r.objects[15] = MakeWalkerObject(595, 460, 380.0f, 700.0f, 4, 0);
    if (!given[5]) r.objects[5] = MakeBouncerObject(4700, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[7]) r.objects[7] = MakeBouncerObject(4795, 520, 0.0f, 8192.0f, 10, 0);
    if (!given[16]) r.objects[16] = MakeWalkerObject(5200, 580, 5130.0f, 5470.0f, 4, 0);
    if (!given[17]) r.objects[17] = MakeWalkerObject(5295, 580, 5130.0f, 5470.0f, 4, 0);
    if (!given[18]) r.objects[18] = MakeWalkerObject(5390, 580, 5130.0f, 5470.0f, 4, 0);
    if (!given[9]) r.objects[9] = MakeBouncerObject(5700, 520, 0.0f, 8192.0f, 12, 0);
    if (!given[10]) r.objects[10] = MakeWalkerObject(6100, 480, 5950.0f, 6850.0f, 4, 0);
    if (!given[19]) r.objects[19] = MakeWalkerObject(6195, 480, 5950.0f, 6850.0f, 4, 0);
    if (!given[20]) r.objects[20] = MakeWalkerObject(6290, 480, 5950.0f, 6850.0f, 4, 0);
    if (!given[21]) r.objects[21] = MakeWalkerObject(6385, 480, 5950.0f, 6850.0f, 4, 0);
    if (!given[11]) r.objects[11] = MakeBouncerObject(7030, 360, 0.0f, 8192.0f, 10, 0);
    if (!given[14]) r.objects[14] = MakeBouncerObject(7125, 360, 0.0f, 8192.0f, 10, 0);
    if (!given[22]) r.objects[22] = MakeWalkerObject(7450, 507, 7350.0f, 7800.0f, 4, 0);
    if (!given[23]) r.objects[23] = MakeWalkerObject(7545, 507, 7350.0f, 7800.0f, 4, 0);
    if (!given[24]) r.objects[24] = LevelObject();
    if (!given[25]) r.objects[25] = LevelObject();
    if (!given[26]) r.objects[26] = LevelObject();
    if (!given[27]) r.objects[27] = LevelObject();
    if (!given[28]) r.objects[28] = LevelObject();
    if (!given[29]) r.objects[29] = LevelObject();
    if (!given[30]) r.objects[30] = LevelObject();
    if (!given[31]) r.objects[31] = LevelObject();
    if (!given[32]) r.objects[32] = LevelObject();
    if (!given[33]) r.objects[33] = LevelObject();
    if (!given[34]) r.objects[34] = LevelObject();
}

// rec45.lvl
void PlaceRecord45(LevelRecord& r, const bool given[])
{
    if (!given[0]) r.objects[0] = MakeWalkerObject(500, 588, 420.0f, 880.0f, 2, 0);
    if (!given[1]) r.objects[1] = MakeBouncerObject(700, 628, 0.0f, 8192.0f, 10, 0);
    if (!given[2]) r.objects[2] = MakeCeilingDropperObject(2700, 515, 2640.0f, 0.0f);
    if (!given[3]) r.objects[3] = MakeGearObject(700, -150, 0.0f, 0.018f, 30);
    if (!given[4]) r.objects[4] = MakeGearObject(2900, -100, 0.0f, 0.02f, 40);
    if (!given[5]) r.objects[5] = MakeWalkerObject(1500, 660, 1485.0f, 1515.0f, 2, 0);
    if (!given[6]) r.objects[6] = MakeBouncerObject(1250, 700, 0.0f, 8192.0f, 7, 0);
    if (!given[7]) r.objects[7] = MakeCeilingDropperObject(2830, 515, 2770.0f, 0.0f);
    if (!given[8]) r.objects[8] = MakeGearObject(3900, -80, 0.5f, 0.018f, 30);
    if (!given[9]) r.objects[9] = MakeGearObject(4900, -100, 0.3f, 0.018f, 40);
    if (!given[10]) r.objects[10] = MakeWalkerObject(1810, 660, 1795.0f, 1825.0f, 2, 1);
    if (!given[11]) r.objects[11] = MakeBouncerObject(1600, 700, 0.0f, 8192.0f, 10, 0);
    if (!given[12]) r.objects[12] = MakeCeilingDropperObject(2960, 515, 2560.0f, 0.0f);
    if (!given[13]) r.objects[13] = MakeGearObject(6300, -60, 0.0f, 0.018f, 40);
    if (!given[14]) r.objects[14] = MakeWalkerObject(2260, 720, 2245.0f, 2275.0f, 2, 0);
    if (!given[15]) r.objects[15] = MakeBouncerObject(5900, 820, 0.0f, 8192.0f, 7, 0);
    if (!given[16]) r.objects[16] = MakeCeilingDropperObject(3090, 515, 3030.0f, 0.0f);
    if (!given[17]) r.objects[17] = MakeWalkerObject(960, 602, 945.0f, 975.0f, 2, 0);
    if (!given[18]) r.objects[18] = MakeBouncerObject(6330, 820, 0.0f, 8192.0f, 10, 0);
    if (!given[19]) r.objects[19] = MakeCeilingDropperObject(3220, 515, 3160.0f, 0.0f);
    if (!given[20]) r.objects[20] = MakeWalkerObject(5600, 740, 5585.0f, 5615.0f, 2, 0);
    if (!given[21]) r.objects[21] = MakeBouncerObject(6780, 870, 0.0f, 8192.0f, 7, 0);
    if (!given[22]) r.objects[22] = MakeCeilingDropperObject(3450, 555, 3050.0f, 0.0f);
    if (!given[23]) r.objects[23] = MakeWalkerObject(8050, 878, 8000.0f, 8150.0f, 2, 0);
    if (!given[24]) r.objects[24] = MakeBouncerObject(7480, 870, 0.0f, 8192.0f, 10, 0);
    if (!given[25]) r.objects[25] = MakeCeilingDropperObject(3580, 555, 3520.0f, 0.0f);
    if (!given[26]) r.objects[26] = MakeWalkerObject(6110, 780, 6095.0f, 6125.0f, 2, 1);
    if (!given[27]) r.objects[27] = MakeCeilingDropperObject(3710, 555, 3650.0f, 0.0f);
    if (!given[28]) r.objects[28] = MakeWalkerObject(6480, 780, 6465.0f, 6495.0f, 2, 0);
    if (!given[29]) r.objects[29] = MakeCeilingDropperObject(3840, 555, 3440.0f, 0.0f);
    if (!given[30]) r.objects[30] = MakeWalkerObject(7000, 830, 6985.0f, 7015.0f, 2, 1);
    if (!given[31]) r.objects[31] = MakeCeilingDropperObject(3970, 555, 3910.0f, 0.0f);
    if (!given[32]) r.objects[32] = MakeWalkerObject(7250, 830, 7235.0f, 7265.0f, 2, 0);
    if (!given[33]) r.objects[33] = MakeCeilingDropperObject(4100, 555, 4040.0f, 0.0f);
    if (!given[34]) r.objects[34] = MakeWalkerObject(7710, 878, 7695.0f, 7725.0f, 2, 1);
    if (!given[35]) r.objects[35] = MakeCeilingDropperObject(4380, 515, 3980.0f, 0.0f);
    if (!given[36]) r.objects[36] = MakeCeilingDropperObject(4510, 515, 4450.0f, 0.0f);
    if (!given[37]) r.objects[37] = MakeCeilingDropperObject(4640, 515, 4580.0f, 0.0f);
    if (!given[38]) r.objects[38] = MakeCeilingDropperObject(4770, 515, 4370.0f, 0.0f);
    if (!given[39]) r.objects[39] = MakeCeilingDropperObject(4900, 515, 4840.0f, 0.0f);
    if (!given[40]) r.objects[40] = MakeCeilingDropperObject(5030, 515, 4970.0f, 0.0f);
    if (!given[41]) r.objects[41] = MakeCeilingDropperObject(5160, 515, 4760.0f, 0.0f);
    if (!given[42]) r.objects[42] = MakeCeilingDropperObject(5290, 515, 5230.0f, 0.0f);
    if (!given[43]) r.objects[43] = MakeCeilingDropperObject(1440, 435, 1380.0f, 0.0f);
    if (!given[44]) r.objects[44] = MakeCeilingDropperObject(1740, 435, 1340.0f, 0.0f);
    if (!given[45]) r.objects[45] = MakeCeilingDropperObject(6000, 555, 5940.0f, 0.0f);
    if (!given[46]) r.objects[46] = MakeCeilingDropperObject(6250, 555, 6190.0f, 0.0f);
    if (!given[47]) r.objects[47] = MakeCeilingDropperObject(6900, 605, 6500.0f, 0.0f);
    if (!given[48]) r.objects[48] = MakeCeilingDropperObject(7150, 605, 7090.0f, 0.0f);
    if (!given[49]) r.objects[49] = MakeCeilingDropperObject(7400, 605, 7340.0f, 0.0f);
}

}  // namespace

void PlaceLevelObjects(int rec, LevelRecord& r, const bool given[maxLevelObjects])
{
    // Only the defined records have placements; any other id places nothing.
    if (rec < 0 || rec >= definedLevelCount) return;
    switch (rec) {
    case 0: PlaceRecord0(r, given); break;
    case 1: PlaceRecord1(r, given); break;
    case 2: PlaceRecord2(r, given); break;
    case 3: PlaceRecord3(r, given); break;
    case 4: PlaceRecord4(r, given); break;
    case 5: PlaceRecord5(r, given); break;
    case 6: PlaceRecord6(r, given); break;
    case 7: PlaceRecord7(r, given); break;
    case 8: PlaceRecord8(r, given); break;
    case 9: PlaceRecord9(r, given); break;
    case 10: PlaceRecord10(r, given); break;
    case 11: PlaceRecord11(r, given); break;
    case 12: PlaceRecord12(r, given); break;
    case 13: PlaceRecord13(r, given); break;
    case 14: PlaceRecord14(r, given); break;
    case 15: PlaceRecord15(r, given); break;
    case 16: PlaceRecord16(r, given); break;
    case 17: PlaceRecord17(r, given); break;
    case 18: PlaceRecord18(r, given); break;
    case 19: PlaceRecord19(r, given); break;
    case 20: PlaceRecord20(r, given); break;
    case 21: PlaceRecord21(r, given); break;
    case 22: PlaceRecord22(r, given); break;
    case 23: PlaceRecord23(r, given); break;
    case 24: PlaceRecord24(r, given); break;
    case 25: PlaceRecord25(r, given); break;
    case 26: PlaceRecord26(r, given); break;
    case 27: PlaceRecord27(r, given); break;
    case 28: PlaceRecord28(r, given); break;
    case 29: PlaceRecord29(r, given); break;
    case 30: PlaceRecord30(r, given); break;
    case 31: PlaceRecord31(r, given); break;
    case 32: PlaceRecord32(r, given); break;
    case 33: PlaceRecord33(r, given); break;
    case 34: PlaceRecord34(r, given); break;
    case 35: PlaceRecord35(r, given); break;
    case 36: PlaceRecord36(r, given); break;
    case 37: PlaceRecord37(r, given); break;
    case 38: PlaceRecord38(r, given); break;
    case 39: PlaceRecord39(r, given); break;
    case 40: PlaceRecord40(r, given); break;
    case 41: PlaceRecord41(r, given); break;
    case 42: PlaceRecord42(r, given); break;
    case 43: PlaceRecord43(r, given); break;
    case 44: PlaceRecord44(r, given); break;
    case 45: PlaceRecord45(r, given); break;
    default: PlaceholderPlacement(rec, r, given); break;
    }
    ApplyCountedMarks(rec, r);
}
