// The filled level table against the level definitions: every record's
// numbers, music, flags and object make-up.
#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "GameplayTestSupport.h"
#include "game/LevelDefinitions.h"
#include "game/LevelTable.h"

using namespace gameplay_test;

namespace {

class LevelTableTest : public GameplayTest {
protected:
    void SetUp() override
    {
        GameplayTest::SetUp();
        InitLevelTable();
        MusicChoice();
    }
};

TEST_F(LevelTableTest, RecordInvariantsAndPlayOrder)
{
    std::set<int> orders;
    int kinds = 0;
    for (int r = 0; r < definedLevelCount; ++r) {
        const LevelRecord& rec = levelTable[r];
        SCOPED_TRACE(r);
        EXPECT_EQ(rec.recordId, r);
        EXPECT_EQ(rec.tileCols * 1024, rec.width);
        EXPECT_EQ(rec.tileRows * 1024, rec.height);
        EXPECT_LE(rec.objectCount, maxLevelObjects);
        EXPECT_LE(rec.decorCount, maxDecorFiles);
        EXPECT_STREQ(rec.eyeFile, "data//sprite//playereye.png");
        if (rec.playOrder != 0) orders.insert(rec.playOrder);
        if (rec.requiredKind != 0) ++kinds;
        EXPECT_EQ(rec.bestScore, 0);
        // Start, goal and checkpoint lie inside the world.
        EXPECT_GT(rec.startX, 0);
        EXPECT_LT(rec.startX, rec.width);
        EXPECT_LT(rec.goalX, rec.width);
        EXPECT_LT(rec.goalY, rec.height);
    }
    EXPECT_EQ(orders.size(), 45u);
    EXPECT_EQ(*orders.begin(), 1);
    EXPECT_EQ(*orders.rbegin(), 45);
    EXPECT_EQ(levelTable[1].playOrder, 0);
    EXPECT_EQ(kinds, 28);
    for (int r = definedLevelCount; r < maxLevelRecords; ++r) {
        EXPECT_EQ(levelTable[r].objectCount, 0);
        EXPECT_EQ(levelTable[r].collFile[0], '\0');
    }
}

TEST_F(LevelTableTest, NamesFollowTheThreeTilePatterns)
{
    EXPECT_STREQ(levelTable[0].tileFiles[0][3], "data//w1//world_3.png");
    EXPECT_STREQ(levelTable[1].tileFiles[1][7], "data//w2//world_1_7.png");
    EXPECT_STREQ(levelTable[35].tileFiles[0][3], "data//w31//world-3-0.png");
    EXPECT_STREQ(levelTable[0].collFile, "data//w1//coll.png");
    EXPECT_STREQ(levelTable[9].decorFiles[6], "data//sprite//windradfuß.png");
    EXPECT_EQ(levelTable[9].decorCount, 7);
    EXPECT_EQ(levelTable[25].decorCount, 1);
    EXPECT_STREQ(levelTable[25].decorFiles[0], "");
    EXPECT_EQ(levelTable[41].startX, 5820);
    EXPECT_EQ(levelTable[41].cameraBaseX, 5308);
    EXPECT_EQ(levelTable[35].cameraBaseY, 3328);
}

TEST_F(LevelTableTest, MusicSnowAndSprintSettle)
{
    EXPECT_STREQ(levelTable[35].musicFile, "data//fvm//FV_Sprint.OGG");
    EXPECT_STREQ(levelTable[42].musicFile, "data//fvm//FV_Sprint.OGG");
    EXPECT_STREQ(levelTable[43].musicFile, "data//fvm//FV_Snow.OGG");
    EXPECT_STREQ(levelTable[26].musicFile, "data//fvm//FV_Boss.OGG");
    EXPECT_STREQ(levelTable[28].musicFile, "data//fvm//FV_Final.OGG");
    EXPECT_STREQ(levelTable[1].musicFile, "data/fvm//8.ogg");
    for (int r = 0; r < definedLevelCount; ++r) {
        SCOPED_TRACE(r);
        const LevelNumbersRow& n = levelNumbers[r];
        const LevelRecord& rec = levelTable[r];
        EXPECT_EQ(rec.snowLevel, n.snow);
        EXPECT_EQ(rec.statusColourGain, n.snow ? 3 : 0);
        EXPECT_EQ(rec.sprintLevel, n.sprint);
        if (rec.sprintLevel) {
            EXPECT_EQ(rec.thresholdPoints, 0);
        }
        const char* music = rec.musicFile;
        if (std::strncmp(n.music, "data", 4) != 0) {
            ASSERT_EQ(std::strncmp(music, "data//fvm//", 11), 0);
            EXPECT_STREQ(music + 11, r >= 24 && r <= 27 ? "FV_Boss.OGG" : n.music);
        }
    }
}

TEST_F(LevelTableTest, ObjectMakeUpMatchesTheDefinitions)
{
    for (int r = 0; r < definedLevelCount; ++r) {
        SCOPED_TRACE(r);
        const LevelObjectsRow& row = levelObjects[r];
        const LevelRecord& rec = levelTable[r];
        EXPECT_EQ(rec.objectCount, row.slots);
        int counts[objectCountColumns] = {};
        int empty = 0, variant = 0, coloured = 0, drawn = 0;
        for (int j = 0; j < rec.objectCount; ++j) {
            const LevelObject& o = rec.objects[j];
            if (o.objState == ObjInactive) {
                ++empty;
                continue;
            }
            EXPECT_EQ(o.objState, ObjAlive);
            for (int c = 0; c < objectCountColumns; ++c)
                if (KindOfCountColumn(c) == o.objKind) ++counts[c];
            variant += o.mrVariant;
            coloured += (o.objColour[0] != 0 || o.objColour[1] != 0 || o.objColour[2] != 0);
            drawn += o.drawWithObjects;
            EXPECT_EQ(o.killPoints, 0);
            EXPECT_EQ(o.checkpointObject, j == row.checkpointSlot ? 1 : 0);
        }
        EXPECT_EQ(empty, row.empty);
        for (int c = 0; c < objectCountColumns; ++c) EXPECT_EQ(counts[c], row.kinds[c]) << "column " << c;
        EXPECT_EQ(variant, row.variant);
        EXPECT_EQ(coloured, row.coloured);
        EXPECT_EQ(drawn, row.drawnWithObjects);
        if (row.checkpointSlot >= 0) {
            EXPECT_FLOAT_EQ(rec.objects[row.checkpointSlot].heat, 100.0f);
        }
    }
}

TEST_F(LevelTableTest, GivenPlacementsStandAsDefined)
{
    const LevelRecord& r0 = levelTable[0];
    EXPECT_EQ(r0.objects[0].objX, 2400);
    EXPECT_EQ(r0.objects[0].homeX, 0);
    EXPECT_EQ(r0.objects[3].bounceSpeed, -12.0f);
    EXPECT_EQ(r0.objects[6].triggerX, 3286);
    EXPECT_EQ(r0.objects[2].objState, ObjInactive);
    const LevelRecord& r10 = levelTable[10];
    EXPECT_EQ(r10.objects[35].objX, 4200);
    EXPECT_EQ(r10.objects[35].checkpointObject, 1);
    EXPECT_EQ(r10.objects[32].objVelX, -10.0f);
    EXPECT_EQ(r10.objects[2].objKind, 30);
    for (int j = 0; j <= 30; ++j) EXPECT_GE(r10.objects[j].objKind, KindBigGearCw) << j;
    for (int j = 36; j <= 39; ++j) EXPECT_EQ(r10.objects[j].objKind, KindBouncer) << j;
    EXPECT_EQ(levelTable[3].objects[10].objX, 2640);
    EXPECT_FLOAT_EQ(levelTable[3].objects[4].objVelY, -1.505f * 4);
    for (const LevelObject& o : levelTable[45].objects) EXPECT_EQ(o.mrVariant, 1);
}

TEST_F(LevelTableTest, PhasesAreWholeNumbersDrawnInRecordAndSlotOrder)
{
    InitLevelTable();
    SeedSimRandom(77);
    MusicChoice();
    SeedSimRandom(77);
    for (int r = 0; r < maxLevelRecords; ++r)
        for (int j = 0; j < levelTable[r].objectCount; ++j)
            EXPECT_EQ(levelTable[r].objects[j].phase, static_cast<float>(SimRand() % 1000));
}

}  // namespace
