// Whatever stands where a settings file belongs, the game starts, says what
// is wrong and loses no progress: folders and FIFOs are left alone, deep or
// huge files are refused before the parser sees them and kept aside without
// replacing an older copy, a file-size limit fails a save instead of killing
// the game, two games running at once never lower each other's progress,
// and a save killed half-way leaves nothing behind after the next start.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "TempHome.h"
#include "engine/Settings.h"
#include "engine/SettingsFile.h"
#include "platform/FileAccess.h"
#include "shared/LevelRecord.h"

namespace {

namespace fs = std::filesystem;

const char* const kFileNames[] = {"System.xml", "Options.xml", "Game.xml", "Gamep.xml"};
const std::string kDecl = "<?xml version=\"1.0\" ?>\r\n";

std::string Nested(int depth)
{
    std::string s = kDecl;
    for (int i = 0; i < depth; ++i) s += "<a>";
    for (int i = 0; i < depth; ++i) s += "</a>";
    return s;
}

class SettingsSafety : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildSettingsPaths();
        SetDefaultSettings();
        for (LevelRecord& r : levelTable) r.bestScore = 0;
        dir = home.path + "//FlorpVops";
        fs::create_directories(dir);
    }
    std::string File(const std::string& name) const { return dir + "//" + name; }

    // Player values in every file, so a test can see they are not disturbed.
    void WritePlayerFiles()
    {
        WriteFileBytes(File("System.xml"), kDecl + "<System auflosungx=\"1280\" auflosungy=\"720\" fenster=\"1\" />\r\n");
        WriteFileBytes(File("Options.xml"), kDecl + "<Options diffi=\"3\" music=\"0\" />\r\n");
        WriteFileBytes(File("Game.xml"), kDecl + "<Game m=\"12\" />\r\n");
        WriteFileBytes(File("Gamep.xml"), kDecl + "<Gamep L0=\"500\" L45=\"450\" />\r\n");
    }
    void ReadAll()
    {
        ReadSystemXml();
        ReadOptionsXml();
        ReadGameXml();
        LoadProgress();
    }
    void SaveAll()
    {
        WriteSystemXml();
        WriteOptionsXml();
        WriteGameXml();
        SaveProgress();
    }
    // The player's values read from every file but `except`.
    void ExpectPlayerValuesBut(const std::string& except)
    {
        if (except != "System.xml") {
            EXPECT_EQ(screenWidth, 1280);
        }
        if (except != "Options.xml") {
            EXPECT_EQ(difficulty, 3);
        }
        if (except != "Game.xml") {
            EXPECT_EQ(unlockedLevels, 12);
        }
        if (except != "Gamep.xml") {
            EXPECT_EQ(levelTable[0].bestScore, 500);
            EXPECT_EQ(levelTable[45].bestScore, 450);
        }
    }
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        return names;
    }

    // Level i's best score as the progress file holds it now; -1 if absent.
    int StoredScore(int i) const
    {
        const std::string text = ReadFileBytes(File("Gamep.xml"));
        const std::string key = " L" + std::to_string(i) + "=\"";
        const size_t at = text.find(key);
        return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + key.size());
    }

    TempHome home;
    std::string dir;
};

const char* StepName(FileStep step)
{
    switch (step) {
    case FileStep::Create: return "create";
    case FileStep::Write: return "write";
    case FileStep::Flush: return "flush";
    case FileStep::Close: return "close";
    case FileStep::Rename: return "rename";
    case FileStep::Remove: return "remove";
    }
    return "?";
}

TEST_F(SettingsSafety, AFolderWhereAFileBelongsIsLeftAloneAndTheRestIsRead)
{
    for (const std::string name : kFileNames) {
        SCOPED_TRACE(name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        WritePlayerFiles();
        fs::remove(File(name));
        fs::create_directory(File(name));
        WriteFileBytes(File(name) + "/mine.txt", "the player's own");
        SetDefaultSettings();
        for (LevelRecord& r : levelTable) r.bestScore = 0;

        ReadAll();
        ExpectPlayerValuesBut(name);
        SaveAll();
        ASSERT_TRUE(fs::is_directory(File(name)));
        EXPECT_EQ(ReadFileBytes(File(name) + "/mine.txt"), "the player's own");
        EXPECT_EQ(Entries().size(), 4u) << "no kept copy or temporary file beside a folder";
    }
}

TEST_F(SettingsSafety, AFifoIsNeitherWaitedOnNorWrittenOver)
{
    WritePlayerFiles();
    for (const char* name : kFileNames) {
        fs::remove(File(name));
        ASSERT_EQ(mkfifo(File(name).c_str(), 0644), 0);
    }
    // In a child with an alarm: a reader that waits for a writer would
    // otherwise hang the whole test run.
    EXPECT_EXIT(
        {
            alarm(20);
            ReadAll();
            SaveAll();
            std::_Exit(unlockedLevels == 1 && difficulty == 1 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "Gamep.xml is not a regular file");
    for (const char* name : kFileNames) {
        struct stat st;
        ASSERT_EQ(stat(File(name).c_str(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode)) << name;
    }
}

TEST_F(SettingsSafety, DeepOrHugeFilesAreRefusedBeforeParsingAndKept)
{
    // 40,000 levels (1.4 MB) once overflowed the parser's stack; 300 levels
    // fit in the size bound and meet the tag bound instead.
    const std::string huge = Nested(40000);
    const std::string deep = Nested(300);
    for (const std::string name : kFileNames) {
        SCOPED_TRACE(name);
        fs::remove_all(dir);
        fs::create_directories(dir);
        WritePlayerFiles();
        WriteFileBytes(File(name), huge);
        ReadAll();
        WriteFileBytes(File(name), deep);
        SetDefaultSettings();
        for (LevelRecord& r : levelTable) r.bestScore = 0;
        ReadAll();

        ExpectPlayerValuesBut(name);
        EXPECT_TRUE(ReadFileBytes(File(name) + ".bad") == huge);
        EXPECT_TRUE(ReadFileBytes(File(name) + ".bad.1") == deep);
        EXPECT_EQ(ReadFileBytes(File(name)).rfind(kDecl, 0), 0u) << "a fresh file was written";
    }
    EXPECT_FALSE(ReadSettingsText(SettingsFileId::Gamep, deep.data(), deep.size()));
    const std::string flat = kDecl + "<Gamep L3=\"30\" />" + std::string(200, ' ') + "<!-- note -->";
    EXPECT_TRUE(ReadSettingsText(SettingsFileId::Gamep, flat.data(), flat.size()));
    EXPECT_EQ(levelTable[3].bestScore, 30);
}

TEST_F(SettingsSafety, EveryDamagedCopyIsKeptAndNoneIsOverwritten)
{
    const std::string first = kDecl + "<Gamep L0=\"900\" L1=\"8";
    const std::string second = "not even XML";
    WriteFileBytes(File("Gamep.xml"), first);
    LoadProgress();
    WriteFileBytes(File("Gamep.xml"), second);
    LoadProgress();
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml.bad")), first) << "the copy that held the real scores";
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml.bad.1")), second);

    // Once every numbered name is taken, the damaged file stays where it
    // is: neither a copy nor the file itself is written over.
    for (int k = 2; k < kSettingsKeptCopies; ++k)
        WriteFileBytes(File("Gamep.xml.bad." + std::to_string(k)), "old copy");
    const std::string third = kDecl + "<Gamep L0=\"77\"";
    WriteFileBytes(File("Gamep.xml"), third);
    levelTable[0].bestScore = 5;
    LoadProgress();
    SaveProgress();
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml")), third);
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml.bad")), first);
    EXPECT_EQ(ReadFileBytes(File("Gamep.xml.bad.999")), "old copy");
    EXPECT_FALSE(fs::exists(File("Gamep.xml.bad.1000")));
}

TEST_F(SettingsSafety, AFileSizeLimitFailsTheSaveWithoutKillingTheGame)
{
    ReadAll();
    const std::string before = ReadFileBytes(File("Game.xml"));
    // A child with the limit, started with the signal's default action so
    // the game's own set-up has to ignore it (permissions would not stop a
    // test run as root). Its stderr goes to a pipe: the limit would cut any
    // file that caught it.
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        dup2(pipeFds[1], 2);
        close(pipeFds[0]);
        std::signal(SIGXFSZ, SIG_DFL);
        BuildSettingsPaths();
        rlimit tiny{};
        getrlimit(RLIMIT_FSIZE, &tiny);
        tiny.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tiny);
        unlockedLevels = 30;
        levelTable[3].bestScore = 1234;
        WriteGameXml();
        SaveProgress();
        std::_Exit(unlockedLevels == 30 ? 0 : 3);
    }
    close(pipeFds[1]);
    std::string messages;
    char chunk[512];
    for (ssize_t n; (n = read(pipeFds[0], chunk, sizeof chunk)) > 0;) messages.append(chunk, static_cast<size_t>(n));
    close(pipeFds[0]);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_NE(messages.find("Game.xml: File too large"), std::string::npos) << messages;
    EXPECT_NE(messages.find("Gamep.xml: File too large"), std::string::npos) << messages;
    EXPECT_EQ(ReadFileBytes(File("Game.xml")), before);
    EXPECT_EQ(Entries().size(), 4u) << "a half-written temporary file was left behind";
}

TEST_F(SettingsSafety, TwoGamesSavingAtOnceKeepTheBestOfBoth)
{
    ReadAll();
    // The first game has come far and scored well in level 3...
    unlockedLevels = 10;
    levelTable[3].bestScore = 500;
    WriteGameXml();
    SaveProgress();
    // ...the second, started earlier, knows nothing of it but did well in 4.
    unlockedLevels = 5;
    levelTable[3].bestScore = 100;
    levelTable[4].bestScore = 700;
    WriteGameXml();
    SaveProgress();

    SetDefaultSettings();
    for (LevelRecord& r : levelTable) r.bestScore = 0;
    ReadAll();
    EXPECT_EQ(unlockedLevels, 10);
    EXPECT_EQ(levelTable[3].bestScore, 500);
    EXPECT_EQ(levelTable[4].bestScore, 700);

    // The player's reset wins over what the files held, and the menu's
    // write after it does not bring the old count back.
    ResetProgress();
    WriteGameXml();
    ReadAll();
    EXPECT_EQ(unlockedLevels, 1);
    EXPECT_EQ(levelTable[3].bestScore, 0);
    EXPECT_EQ(levelTable[4].bestScore, 0);
    EXPECT_NE(ReadFileBytes(File("Game.xml")).find("m=\"1\""), std::string::npos);
}

// A save is on the disk before its name points at it, so a crash leaves the
// old file or the whole new one: each writer writes a temporary file, flushes
// and closes it, then renames it over the old one.
TEST_F(SettingsSafety, EverySaveWritesFlushesAndRenamesInThatOrder)
{
    ReadAll();
    for (void (*save)() : {WriteSystemXml, WriteOptionsXml, WriteGameXml, SaveProgress}) {
        RecordFileSteps(true);
        save();
        RecordFileSteps(false);
        std::string steps;
        for (int i = 0; i < FileStepCount(); ++i) steps += std::string(steps.empty() ? "" : " ") + StepName(FileStepLog()[i].step);
        EXPECT_EQ(steps, "create write flush close rename");
        if (FileStepCount() != 5) continue;
        const FileStepRecord* log = FileStepLog();
        EXPECT_TRUE(log[1].fd == log[0].fd && log[2].fd == log[0].fd && log[3].fd == log[0].fd);
        EXPECT_EQ(std::string(log[0].path).rfind(std::string(log[4].path) + ".", 0), 0u)
            << log[0].path << " lies beside " << log[4].path;
    }
    EXPECT_EQ(Entries().size(), 4u);
}

// Two games saving at once each hold the settings folder's lock across read,
// merge and replace: neither ever writes back a score it read before the
// other's save. Each process raises its own level's score save by save and
// reads the file back after every save.
TEST_F(SettingsSafety, TwoProcessesSavingAtOnceNeverLowerAScore)
{
    ReadAll();
    constexpr int kSaves = 200;
    pid_t savers[2];
    for (int c = 0; c < 2; ++c) {
        savers[c] = fork();
        ASSERT_GE(savers[c], 0);
        if (savers[c] == 0) {
            int drops = 0;
            for (int k = 1; k <= kSaves; ++k) {
                levelTable[c].bestScore = k;
                SaveProgress();
                if (StoredScore(c) < k) ++drops;
            }
            std::_Exit(drops < 100 ? drops : 100);
        }
    }
    for (pid_t saver : savers) {
        int status = 0;
        ASSERT_EQ(waitpid(saver, &status, 0), saver);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "times a process found its score lowered";
    }
    EXPECT_EQ(StoredScore(0), kSaves);
    EXPECT_EQ(StoredScore(1), kSaves);
    EXPECT_EQ(Entries().size(), 4u);
}

// A save killed between creating its temporary file and renaming it leaves
// NAME.XXXXXX behind; the next start removes those and nothing else.
TEST_F(SettingsSafety, TheNextStartRemovesWhatKilledSavesLeftAndNothingElse)
{
    WritePlayerFiles();
    const std::vector<std::string> stale = {"Gamep.xml.a1B2c3", "Game.xml.Zz9Yy8", "System.xml.000000"};
    const std::vector<std::string> kept = {"Gamep.xml.bad", "Gamep.xml.bad.12", "Gamep.xml.backup",
                                           "Options.xml.a1B2c3d", "Gamep.xml.a1-2c3", "notes.txt"};
    for (const std::string& name : stale) WriteFileBytes(File(name), kDecl + "<Gamep L0=\"5");
    for (const std::string& name : kept) WriteFileBytes(File(name), "the player's own");
    fs::create_directory(File("Options.xml.X1Y2Z3"));
    testing::internal::CaptureStderr();
    BuildSettingsPaths();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("removed 3 unfinished saves"), std::string::npos) << said;
    for (const std::string& name : stale) EXPECT_FALSE(fs::exists(File(name))) << name;
    for (const std::string& name : kept) EXPECT_EQ(ReadFileBytes(File(name)), "the player's own") << name;
    EXPECT_TRUE(fs::is_directory(File("Options.xml.X1Y2Z3")));
    ReadAll();
    ExpectPlayerValuesBut("");
}

// Where the settings cannot live the game says so and plays on: a documents
// entry naming a plain file falls back to the home folder; a home path
// longer than the system allows leaves the game without saving, and never
// sends the files into the game's own folder.
TEST_F(SettingsSafety, AnUnusableDocumentsFolderFallsBackToHomeOrPlaysWithoutSaving)
{
    fs::create_directories(home.path + "/.config");
    WriteFileBytes(home.path + "/Docs", "a plain file");
    WriteFileBytes(home.path + "/.config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n");
    testing::internal::CaptureStderr();
    BuildSettingsPaths();
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find(home.path + "/Docs named by XDG_DOCUMENTS_DIR is not a folder"), std::string::npos) << said;
    EXPECT_EQ(std::string(settingsDir), home.path + "//FlorpVops");
    levelTable[2].bestScore = 40;
    SaveProgress();
    EXPECT_EQ(StoredScore(2), 40);

    const std::string longHome = "/" + std::string(5000, 'h');
    setenv("HOME", longHome.c_str(), 1);
    testing::internal::CaptureStderr();
    BuildSettingsPaths();
    ReadAll();
    SaveAll();
    said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("settings and progress are not saved"), std::string::npos) << said;
    EXPECT_EQ(std::string(settingsDir), "");
    EXPECT_FALSE(fs::exists("FlorpVops")) << "settings went to the game's own folder";
}

TEST_F(SettingsSafety, AnUnlockedCountBelowOneStillOpensTheFirstLevel)
{
    for (const char* stored : {"0", "-5", "-2147483648"}) {
        WriteFileBytes(File("Game.xml"), kDecl + "<Game m=\"" + stored + "\" />\r\n");
        unlockedLevels = 7;
        ReadGameXml();
        EXPECT_EQ(unlockedLevels, 1) << stored;
    }
    // Above the last play order every level is open; the game asks no more.
    WriteFileBytes(File("Game.xml"), kDecl + "<Game m=\"99\" />\r\n");
    ReadGameXml();
    EXPECT_EQ(unlockedLevels, 99);
}

// Inputs that once crashed, hung or misled a reader, kept as files: standing
// in for any of the four files, each is read or kept aside, and the other
// three files and what they hold are untouched.
TEST_F(SettingsSafety, EveryKeptFuzzInputIsReadOrKeptAsideAndTouchesNothingElse)
{
    int inputs = 0;
    for (const auto& entry : fs::directory_iterator("tests/engine/fuzz-regressions/settings")) {
        const std::string bytes = ReadFileBytes(entry.path().string());
        ++inputs;
        for (const std::string name : kFileNames) {
            SCOPED_TRACE(entry.path().filename().string() + " as " + name);
            fs::remove_all(dir);
            fs::create_directories(dir);
            WritePlayerFiles();
            WriteFileBytes(File(name), bytes);
            std::vector<std::pair<std::string, std::string>> before;
            for (const std::string other : kFileNames)
                if (other != name) before.push_back({other, ReadFileBytes(File(other))});
            SetDefaultSettings();
            for (LevelRecord& r : levelTable) r.bestScore = 0;

            ReadAll();
            ExpectPlayerValuesBut(name);
            for (const auto& [other, text] : before) EXPECT_EQ(ReadFileBytes(File(other)), text) << other;
            if (fs::exists(File(name) + ".bad"))
                EXPECT_TRUE(ReadFileBytes(File(name) + ".bad") == bytes);
            else
                EXPECT_TRUE(ReadFileBytes(File(name)) == bytes) << "a file that loads is not rewritten";
        }
        for (SettingsFileId id : {SettingsFileId::System, SettingsFileId::Options, SettingsFileId::Game,
                                  SettingsFileId::Gamep})
            ReadSettingsText(id, bytes.data(), bytes.size());
    }
    EXPECT_GE(inputs, 12);
}

}  // namespace
