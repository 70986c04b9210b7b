#include "engine/Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempHome.h"
#include "shared/LevelRecord.h"

namespace {

const std::string kDecl = "<?xml version=\"1.0\" ?>\r\n";

std::string DefaultGamep()
{
    std::string s = kDecl + "<Gamep";
    for (int i = 0; i < 46; ++i) s += " L" + std::to_string(i) + "=\"0\"";
    return s + " />\r\n";
}

class SettingsFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildSettingsPaths();
        SetDefaultSettings();
        for (LevelRecord& r : levelTable) r.bestScore = 0;
        dir = home.path + "//FlorpVops";
    }
    std::string File(const char* name) const { return dir + "//" + name; }
    void ReadAll()
    {
        ReadSystemXml();
        ReadOptionsXml();
        ReadGameXml();
        LoadProgress();
    }

    TempHome home;
    std::string dir;
};

TEST_F(SettingsFiles, PathsLieInTheDocumentsFolder)
{
    EXPECT_EQ(std::string(settingsDir), home.path + "//FlorpVops");
    EXPECT_EQ(std::string(systemXmlPath), home.path + "//FlorpVops//System.xml");
    EXPECT_EQ(std::string(optionsXmlPath), home.path + "//FlorpVops//Options.xml");
    EXPECT_EQ(std::string(gameXmlPath), home.path + "//FlorpVops//Game.xml");
    EXPECT_EQ(std::string(gamepXmlPath), home.path + "//FlorpVops//Gamep.xml");
}

TEST_F(SettingsFiles, DocumentsFolderComesFromUserDirsAndIsCreated)
{
    std::filesystem::create_directories(home.path + "/.config");
    WriteFileBytes(home.path + "/.config/user-dirs.dirs",
                   "# comment\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n");
    BuildSettingsPaths();
    EXPECT_EQ(std::string(settingsDir), home.path + "/Dokumente//FlorpVops");
    EXPECT_TRUE(std::filesystem::is_directory(home.path + "/Dokumente"));
    ReadSystemXml();
    EXPECT_TRUE(std::filesystem::exists(home.path + "/Dokumente/FlorpVops/System.xml"));
}

TEST_F(SettingsFiles, FirstRunWritesEveryFileWithTheDefaultsByteForByte)
{
    ReadAll();
    EXPECT_EQ(ReadFileBytes(File("System.xml")),
              kDecl + "<System auflosungx=\"1920\" auflosungy=\"1080\" fenster=\"0\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Options.xml")),
              kDecl + "<Options fps=\"0\" check=\"1\" rumble=\"1\" diffi=\"1\" sound=\"1\" music=\"1\" shader=\"1\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Game.xml")), kDecl + "<Game m=\"1\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml")), DefaultGamep());
    // Nothing but the four files: no temporary or backup left behind.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++files;
    }
    EXPECT_EQ(files, 4);
}

TEST_F(SettingsFiles, WritersStoreCurrentValuesAndReadersGetThemBack)
{
    ReadAll();
    screenWidth = 1280;
    screenHeight = 720;
    windowed = 1;
    limitTo30Fps = 1;
    checkpointsEnabled = 0;
    rumbleEnabled = 0;
    difficulty = 3;
    soundEnabled = 0;
    musicEnabled = 0;
    shaderEnabled = 0;
    unlockedLevels = 12;
    levelTable[0].bestScore = 1234;
    levelTable[45].bestScore = 4500;
    levelTable[46].bestScore = 99;  // never stored
    WriteSystemXml();
    WriteOptionsXml();
    WriteGameXml();
    SaveProgress();
    EXPECT_EQ(ReadFileBytes(File("Game.xml")), kDecl + "<Game m=\"12\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Options.xml")),
              kDecl + "<Options fps=\"1\" check=\"0\" rumble=\"0\" diffi=\"3\" sound=\"0\" music=\"0\" shader=\"0\" />\r\n");
    const std::string gamep = ReadFileBytes(File("Gamep.xml"));
    EXPECT_NE(gamep.find("<Gamep L0=\"1234\" L1=\"0\""), std::string::npos);
    EXPECT_NE(gamep.find(" L45=\"4500\" />\r\n"), std::string::npos);
    EXPECT_EQ(gamep.find("L46"), std::string::npos);

    SetDefaultSettings();
    for (LevelRecord& r : levelTable) r.bestScore = 0;
    ReadAll();
    EXPECT_EQ(screenWidth, 1280);
    EXPECT_EQ(screenHeight, 720);
    EXPECT_EQ(windowed, 1);
    EXPECT_EQ(limitTo30Fps, 1);
    EXPECT_EQ(checkpointsEnabled, 0);
    EXPECT_EQ(rumbleEnabled, 0);
    EXPECT_EQ(difficulty, 3);
    EXPECT_EQ(soundEnabled, 0);
    EXPECT_EQ(musicEnabled, 0);
    EXPECT_EQ(shaderEnabled, 0);
    EXPECT_EQ(unlockedLevels, 12);
    EXPECT_EQ(levelTable[0].bestScore, 1234);
    EXPECT_EQ(levelTable[45].bestScore, 4500);
    EXPECT_EQ(levelTable[46].bestScore, 0);
}

TEST_F(SettingsFiles, AbsentAttributesKeepTheirValuesAndFlagsReadAnyNonZeroAsOne)
{
    std::filesystem::create_directories(dir);
    WriteFileBytes(File("Options.xml"), kDecl + "<Options music=\"0\" />\r\n");
    ReadOptionsXml();
    EXPECT_EQ(musicEnabled, 0);
    EXPECT_EQ(checkpointsEnabled, 1);
    EXPECT_EQ(rumbleEnabled, 1);
    EXPECT_EQ(difficulty, 1);
    EXPECT_EQ(soundEnabled, 1);
    EXPECT_EQ(shaderEnabled, 1);
    EXPECT_EQ(limitTo30Fps, 0);
    // A file that loads is not rewritten by reading it.
    EXPECT_EQ(ReadFileBytes(File("Options.xml")), kDecl + "<Options music=\"0\" />\r\n");

    WriteFileBytes(File("Options.xml"), "<Options check=\"5\" rumble=\"0\" diffi=\"7\"/>");
    ReadOptionsXml();
    EXPECT_EQ(checkpointsEnabled, 1);
    EXPECT_EQ(rumbleEnabled, 0);
    EXPECT_EQ(difficulty, 7);  // taken unchanged
    WriteOptionsXml();
    EXPECT_NE(ReadFileBytes(File("Options.xml")).find("check=\"1\" rumble=\"0\" diffi=\"7\""), std::string::npos);
}

TEST_F(SettingsFiles, NumbersAreReadLikeTheGameAlwaysDidButNeverOverflow)
{
    std::filesystem::create_directories(dir);
    screenWidth = 1600;
    screenHeight = 900;
    windowed = 1;
    WriteFileBytes(File("System.xml"),
                   "<System auflosungx=\"  1024px\" auflosungy=\"abc\" fenster=\"99999999999999999999\" />");
    ReadSystemXml();
    EXPECT_EQ(screenWidth, 1024);   // leading blanks skipped, trailing text ignored
    EXPECT_EQ(screenHeight, 900);   // not a number: unchanged
    EXPECT_EQ(windowed, 1);         // does not fit: unchanged

    WriteFileBytes(File("Game.xml"), "<Game m=\"2147483647\" />");
    ReadGameXml();
    EXPECT_EQ(unlockedLevels, INT32_MAX);
    WriteFileBytes(File("Game.xml"), "<Game m=\"2147483648\" />");
    ReadGameXml();
    EXPECT_EQ(unlockedLevels, INT32_MAX);
    WriteFileBytes(File("Game.xml"), "<Game m=\"+7\" />");
    ReadGameXml();
    EXPECT_EQ(unlockedLevels, 7);
}

TEST_F(SettingsFiles, ProgressIsReadWhateverTheRootIsCalledAndExtraScoresAreIgnored)
{
    std::filesystem::create_directories(dir);
    WriteFileBytes(File("Gamep.xml"), "<?xml version=\"1.0\" ?>\n<Scores L0=\"10\" L45=\"450\" L46=\"5\" L99=\"5\" />\n");
    LoadProgress();
    EXPECT_EQ(levelTable[0].bestScore, 10);
    EXPECT_EQ(levelTable[1].bestScore, 0);
    EXPECT_EQ(levelTable[45].bestScore, 450);
    EXPECT_EQ(levelTable[46].bestScore, 0);
}

TEST_F(SettingsFiles, ADocumentWithoutElementChangesNothingAndIsKept)
{
    std::filesystem::create_directories(dir);
    WriteFileBytes(File("Game.xml"), "<?xml version=\"1.0\" ?>\r\n<!-- nothing -->\r\n");
    unlockedLevels = 9;
    ReadGameXml();
    EXPECT_EQ(unlockedLevels, 9);
    EXPECT_FALSE(std::filesystem::exists(File("Game.xml") + ".bad"));
}

TEST_F(SettingsFiles, BrokenFilesAreKeptAsBadAndReplacedByTheCurrentValues)
{
    std::filesystem::create_directories(dir);
    const std::string truncated = kDecl + "<Gamep L0=\"500\" L1=\"4";
    WriteFileBytes(File("Gamep.xml"), truncated);
    WriteFileBytes(File("Options.xml"), "this is not XML at all");
    WriteFileBytes(File("Game.xml"), "");
    unlockedLevels = 4;
    LoadProgress();
    ReadOptionsXml();
    ReadGameXml();
    // The player's damaged progress is still there to be rescued.
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml") + ".bad"), truncated);
    EXPECT_EQ(ReadFileBytes(File("Options.xml") + ".bad"), "this is not XML at all");
    EXPECT_TRUE(std::filesystem::exists(File("Game.xml") + ".bad"));
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml")), DefaultGamep());
    EXPECT_EQ(ReadFileBytes(File("Game.xml")), kDecl + "<Game m=\"4\" />\r\n");
    EXPECT_EQ(ReadFileBytes(File("Options.xml")),
              kDecl + "<Options fps=\"0\" check=\"1\" rumble=\"1\" diffi=\"1\" sound=\"1\" music=\"1\" shader=\"1\" />\r\n");
}

TEST_F(SettingsFiles, AMissingFolderIsCreatedWhenAFileIsMissing)
{
    EXPECT_FALSE(std::filesystem::exists(dir));
    ReadGameXml();
    EXPECT_TRUE(std::filesystem::is_directory(dir));
    EXPECT_EQ(ReadFileBytes(File("Game.xml")), kDecl + "<Game m=\"1\" />\r\n");
}

TEST_F(SettingsFiles, ResetProgressClearsEveryScoreAndSaves)
{
    ReadAll();
    for (LevelRecord& r : levelTable) r.bestScore = 77;
    currentLevel.bestScore = 5;
    restartLevel.bestScore = 6;
    unlockedLevels = 20;
    vopKind = 4;
    ResetProgress();
    for (const LevelRecord& r : levelTable) EXPECT_EQ(r.bestScore, 0);
    EXPECT_EQ(currentLevel.bestScore, 0);
    EXPECT_EQ(restartLevel.bestScore, 0);
    EXPECT_EQ(unlockedLevels, 1);
    EXPECT_EQ(vopKind, 1);
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml")), DefaultGamep());
}

TEST_F(SettingsFiles, TotalScoreLeavesOutTheTutorialAndBossRecords)
{
    for (int i = 0; i < 50; ++i) {
        levelTable[i].recordId = i;
        levelTable[i].bestScore = i < 46 ? 100 : 0;
    }
    SumBestScores();
    EXPECT_EQ(totalScore, 3900);
    levelTable[3].bestScore = INT32_MAX;
    levelTable[4].bestScore = INT32_MAX;
    SumBestScores();
    EXPECT_EQ(totalScore, INT32_MAX);  // saturates instead of wrapping
}

}  // namespace
