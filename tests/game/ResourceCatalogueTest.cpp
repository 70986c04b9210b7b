// The picture catalogue: every record named once with a file in its folder,
// the option- and language-dependent pictures, and what a load leaves in the
// records.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "engine/AudioWrappers.h"
#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/Resources.h"
#include "platform/Audio.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"

namespace {

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

TEST(PictureCatalogue, EveryRecordIsLoadedOnceFromTheGamesFolders)
{
    std::set<const SpriteTexture*> records;
    for (const PictureEntry& e : inGamePictureTable) {
        ASSERT_NE(e.picture, nullptr);
        EXPECT_TRUE(StartsWith(e.file, "data//sprite//")) << e.file;
        EXPECT_TRUE(records.insert(e.picture).second) << e.file;
    }
    for (const PictureEntry& e : menuPictureTable) {
        ASSERT_NE(e.picture, nullptr);
        EXPECT_TRUE(StartsWith(e.file, "data//sprite//") || StartsWith(e.file, "data//menusprite//"))
            << e.file;
        EXPECT_TRUE(records.insert(e.picture).second) << e.file;
    }
    EXPECT_EQ(records.size(), 90u);
}

TEST(PictureCatalogue, PairsHoldTheirVariantSecond)
{
    auto fileOf = [](const SpriteTexture* picture) -> std::string {
        for (const PictureEntry& e : inGamePictureTable)
            if (e.picture == picture) return e.file;
        for (const PictureEntry& e : menuPictureTable)
            if (e.picture == picture) return e.file;
        return "";
    };
    EXPECT_EQ(fileOf(&goalShield[goalPostIndex]), "data//sprite//schild.png");
    EXPECT_EQ(fileOf(&goalShield[goalPostIndex + 1]), "data//sprite//schildMR.png");
    EXPECT_EQ(fileOf(&goalShield[goalBoardIndex]), "data//sprite//schildp2.png");
    EXPECT_EQ(fileOf(&goalShield[goalBoardIndex + 1]), "data//sprite//schildp2MR.png");
    EXPECT_EQ(fileOf(&cannonSprites[1]), "data//sprite//kanone_MR.png");
    EXPECT_EQ(fileOf(&resetButton[0]), "data//menusprite//buttons//rucksetzten_black.png");
    EXPECT_EQ(fileOf(&resetButton[1]), "data//menusprite//buttons//rucksetzten_white.png");
    EXPECT_EQ(fileOf(&kindButtonWhite[5]), "data//menusprite//buttons//vopauswahl_elitevop_white.png");
    EXPECT_EQ(fileOf(&vopFaceSprites[3][1]), "data//sprite//playerfaceBeginnerMouth.png");
}

TEST(PictureCatalogue, SkyFollowsTheShaderOptionAndTitlesTheLanguage)
{
    EXPECT_STREQ(SkyPictureFile(1), "data//menusprite//sky.png");
    EXPECT_STREQ(SkyPictureFile(0), "data//menusprite//sky_strong.png");
    EXPECT_STREQ(ChapterTitleFile(1, 0), "ch1.png");
    EXPECT_STREQ(ChapterTitleFile(3, 4), "ch5fr.png");
    EXPECT_STREQ(ChapterTitleFile(5, 2), "ch3es.png");
    EXPECT_EQ(ChapterTitleFile(0, 0), nullptr);
    EXPECT_EQ(ChapterTitleFile(6, 0), nullptr);
    EXPECT_EQ(ChapterTitleFile(2, 5), nullptr);
}

// The headless run comes before the full build writes data/: there the
// loaders run on missing files, and only the full run checks their results.
bool HaveGeneratedData() { return std::filesystem::exists("data/menusprite/sky.png"); }

class LoadingResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSilentAudio(true);
        batchBackend = BatchBackend::Recording;
        savedSound = soundEnabled;
        savedShader = shaderEnabled;
        savedLanguage = languageId;
    }
    void TearDown() override
    {
        soundEnabled = savedSound;
        shaderEnabled = savedShader;
        languageId = savedLanguage;
    }
    int savedSound = 0, savedShader = 0, savedLanguage = 0;
};

TEST_F(LoadingResources, LogsAfterTheInGamePicturesAndCropsWhereAsked)
{
    soundEnabled = 0;
    shaderEnabled = 0;
    languageId = 3;
    testing::internal::CaptureStdout();
    LoadResources();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Haupt-Sprites geladen\n");

    EXPECT_EQ(enemyEyeSprite.useSourceRect, 1);
    EXPECT_EQ(enemyEyeSprite.sourceRect.right, 80);
    EXPECT_EQ(enemyEyeSprite.sourceRect.bottom, 50);
    EXPECT_EQ(sceneryWindmillTower.sourceRect.left, 132);
    EXPECT_EQ(sceneryWindmillWheel.useSourceRect, 0);
    EXPECT_EQ(fontSmall.height, 28);
    EXPECT_EQ(fontMedium.height, 50);
    EXPECT_EQ(fontLarge.height, 100);
    if (skySprite.texture) {
        EXPECT_NE(std::string(TexturePath(skySprite.texture)).find("sky_strong.png"), std::string::npos);
    }
    if (chapterTitles[0].texture) {
        EXPECT_NE(std::string(TexturePath(chapterTitles[0].texture)).find("ch1fr.png"), std::string::npos);
    }
}

TEST_F(LoadingResources, SoundsAreBoundWithTheirLoopsAndVolumes)
{
    soundEnabled = 1;
    LoadResources();
    EXPECT_EQ(softImpactSound.GetBuffer(), impactSound.GetBuffer());
    EXPECT_FLOAT_EQ(softImpactSound.GetVolume(), 80.0f);
    EXPECT_FLOAT_EQ(impactSound.GetVolume(), 100.0f);
    EXPECT_TRUE(lightAmbience.GetLoop());
    EXPECT_FLOAT_EQ(darkAmbience.GetVolume(), 25.0f);
    for (const ObjectSoundSet& set : objectSounds) {
        EXPECT_TRUE(set.cannonTurnVoice.GetLoop());
        EXPECT_EQ(set.spareVoice.GetBuffer(), nullptr);
    }
}

// The catalogue starts decoding before the launcher, where the shader and
// sound options are still open: what is loaded follows the options as they
// stand when the pictures and sounds are taken.
TEST_F(LoadingResources, DecodingStartedBeforeTheLauncherTakesTheOptionsChosenInIt)
{
    languageId = 1;
    shaderEnabled = 0;
    soundEnabled = 1;
    StartLoadingResources();
    shaderEnabled = 1;
    soundEnabled = 0;
    testing::internal::CaptureStdout();
    LoadResources();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Haupt-Sprites geladen\n");
    if (!HaveGeneratedData()) GTEST_SKIP() << "the loading ran; checking what it loaded needs the generated data/";
    ASSERT_NE(skySprite.texture, nullptr);
    EXPECT_NE(std::string(TexturePath(skySprite.texture)).find("/sky.png"), std::string::npos);
    ASSERT_NE(chapterTitles[0].texture, nullptr);
    EXPECT_NE(std::string(TexturePath(chapterTitles[0].texture)).find("schrift//ch1.png"), std::string::npos);
    EXPECT_NE(enemyEyeSprite.texture, nullptr);
}

// A launcher left with Quit (or a window that cannot open) ends start-up
// while the workers decode: they are joined, and a later load starts anew.
TEST_F(LoadingResources, AStartUpEndedEarlyDropsTheDecodingStarted)
{
    languageId = 2;
    soundEnabled = 1;
    StartLoadingResources();
    StopLoadingResources();
    StopLoadingResources();
    shaderEnabled = 0;
    LoadResources();
    if (!HaveGeneratedData()) GTEST_SKIP() << "the loading ran; checking what it loaded needs the generated data/";
    ASSERT_NE(skySprite.texture, nullptr);
    EXPECT_NE(std::string(TexturePath(skySprite.texture)).find("sky_strong.png"), std::string::npos);
    EXPECT_TRUE(jumpSoundBuffer.IsLoaded());
}

}  // namespace
