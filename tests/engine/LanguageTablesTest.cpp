#include "engine/LanguageTables.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "TempHome.h"
#include "platform/UserDirs.h"

namespace {

std::string Lookup(const std::string& ini, const char* section, const char* key, size_t size = 300)
{
    char out[400];
    ReadIniText(ini.data(), ini.size(), section, key, "-", out, size);
    return out;
}

TEST(IniReading, SectionAndKeyIgnoreCaseAndValuesAreTrimmed)
{
    const std::string ini =
        "\xEF\xBB\xBF; a comment\r\n"
        "[MainMenu]\r\n"
        "  0  =   Start the game  \r\n"
        "1=\"  quoted  \"\r\n"
        "KEY=upper\r\n"
        "2=\r\n"
        "0=second zero\r\n"
        "[other]\n"
        "3=elsewhere\n";
    EXPECT_EQ(Lookup(ini, "mainmenu", "0"), "Start the game");
    EXPECT_EQ(Lookup(ini, "MAINMENU", "key"), "upper");
    EXPECT_EQ(Lookup(ini, "mainmenu", "1"), "  quoted  ");
    EXPECT_EQ(Lookup(ini, "mainmenu", "2"), "");  // present but empty is not missing
    EXPECT_EQ(Lookup(ini, "mainmenu", "3"), "-");
    EXPECT_EQ(Lookup(ini, "other", "3"), "elsewhere");
    EXPECT_EQ(Lookup(ini, "nosuch", "0"), "-");
    EXPECT_EQ(Lookup("", "mainmenu", "0"), "-");
}

TEST(IniReading, ValuesAreCutTo299BytesAndNeverInsideACharacter)
{
    const struct {
        std::string value, kept;
    } cases[] = {
        {std::string(298, 'x'), std::string(298, 'x')},
        {std::string(299, 'x'), std::string(299, 'x')},
        {std::string(300, 'x'), std::string(299, 'x')},
        {std::string(400, 'x'), std::string(299, 'x')},
        // "\xC3\xA4" is one letter in two bytes: it fits only whole.
        {std::string(297, 'x') + "\xC3\xA4", std::string(297, 'x') + "\xC3\xA4"},
        {std::string(298, 'x') + "\xC3\xA4" + "yz", std::string(298, 'x')},
        {std::string(299, 'x') + "\xC3\xA4", std::string(299, 'x')},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Lookup("[s]\n0=" + c.value + "\n", "s", "0"), c.kept) << c.value.size() << " bytes";
}

// A byte-order mark in front of the file is no part of its first line.
TEST(IniReading, AByteOrderMarkBeforeTheFirstSectionOrKeyIsSkipped)
{
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(Lookup(bom + "[ingame]\n0=first\n", "ingame", "0"), "first");
    EXPECT_EQ(Lookup(bom + "[ingame]\r\n0=first\r\n", "ingame", "0"), "first");
    EXPECT_EQ(Lookup(bom + "  [ingame]\n0=first\n", "ingame", "0"), "first");
    // Only at the very start: a mark inside the file is text like any other.
    EXPECT_EQ(Lookup("[ingame]\n" + bom + "0=first\n", "ingame", "0"), "-");
    EXPECT_EQ(Lookup("[ingame]\n0=" + bom + "x\n", "ingame", "0"), bom + "x");
}

TEST(LanguageChoice, OnlyTheListedLocalesLeaveEnglish)
{
    struct Case {
        int locale;
        const char* file;
        int language;
    };
    const Case cases[] = {
        {1031, "data//language//de.ini", 1}, {3079, "data//language//de.ini", 1},
        {5127, "data//language//de.ini", 1}, {4103, "data//language//de.ini", 1},
        {2055, "data//language//de.ini", 1}, {1036, "data//language//fr.ini", 3},
        {3084, "data//language//fr.ini", 3}, {3082, "data//language//es.ini", 5},
        {1040, "data//language//it.ini", 4}, {2057, "data//language//en.ini", 2},
        {1043, "data//language//en.ini", 2}, {1034, "data//language//en.ini", 2},
        {2064, "data//language//en.ini", 2}, {2060, "data//language//en.ini", 2},
    };
    for (const Case& c : cases) {
        int language = 0;
        EXPECT_STREQ(LanguageFileForLocale(c.locale, &language), c.file) << c.locale;
        EXPECT_EQ(language, c.language) << c.locale;
    }
}

TEST(LanguageChoice, LocaleNamesMapToWindowsLocaleIds)
{
    EXPECT_EQ(LocaleIdFromName("de_DE.UTF-8"), 1031);
    EXPECT_EQ(LocaleIdFromName("de_AT.UTF-8"), 3079);
    EXPECT_EQ(LocaleIdFromName("de_CH"), 2055);
    EXPECT_EQ(LocaleIdFromName("de"), 1031);
    EXPECT_EQ(LocaleIdFromName("fr_CA.UTF-8"), 3084);
    EXPECT_EQ(LocaleIdFromName("fr_BE.UTF-8"), 2060);
    EXPECT_EQ(LocaleIdFromName("es_ES.UTF-8@euro"), 3082);
    EXPECT_EQ(LocaleIdFromName("it_CH.UTF-8"), 2064);
    EXPECT_EQ(LocaleIdFromName("en_GB.UTF-8"), 2057);
    EXPECT_EQ(LocaleIdFromName("C.UTF-8"), 1033);
    EXPECT_EQ(LocaleIdFromName("POSIX"), 1033);
    EXPECT_EQ(LocaleIdFromName(""), 1033);

    setenv("LC_ALL", "", 1);
    setenv("LC_MESSAGES", "it_IT.UTF-8", 1);
    setenv("LANG", "de_DE.UTF-8", 1);
    EXPECT_EQ(GetSystemLocaleId(), 1040);  // empty LC_ALL does not count
    setenv("LC_ALL", "fr_FR.UTF-8", 1);
    EXPECT_EQ(GetSystemLocaleId(), 1036);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(GetSystemLocaleId(), 1031);
}

// The fifteen sections, their entry counts and the tables they fill.
struct Section {
    const char* name;
    int entries;
    char (*table)[kTextEntrySize];
    size_t tableSize;
};
#define FV_SECTION(name, entries, table) {name, entries, table, sizeof table / sizeof table[0]}
const Section sections[] = {
    FV_SECTION("ingame", 11, ingameTexts),
    FV_SECTION("mainmenu", 13, mainMenuTexts),
    FV_SECTION("optionsmenu", 10, optionsMenuTexts),
    FV_SECTION("predialog", 9, preDialogTexts),
    FV_SECTION("levelselection", 31, levelSelectionTexts),
    FV_SECTION("firstlevel", 7, firstLevelTexts),
    FV_SECTION("secondlevel", 8, secondLevelTexts),
    FV_SECTION("thirdlevel", 8, thirdLevelTexts),
    FV_SECTION("sprintlevels", 7, sprintLevelTexts),
    FV_SECTION("spikevoplevel", 5, spikeVopLevelTexts),
    FV_SECTION("rockvoplevel", 7, rockVopLevelTexts),
    FV_SECTION("airvoplevel", 6, airVopLevelTexts),
    FV_SECTION("angryvoplevel", 5, angryVopLevelTexts),
    FV_SECTION("elitevoplevel", 6, eliteVopLevelTexts),
    FV_SECTION("levelnames", 46, levelNameTexts),
};
#undef FV_SECTION

TEST(LanguageTexts, EverySectionFillsItsTableByKeyAndMissingEntriesReadHyphen)
{
    TempHome home;
    const std::string path = home.path + "/xx.ini";
    // Every section with one key more than it reads, in reverse order; the
    // last entry of each is missing.
    std::string ini;
    for (int s = 14; s >= 0; --s) {
        ini += std::string("[") + sections[s].name + "]\n";
        for (int i = sections[s].entries; i >= 0; --i)
            if (i != sections[s].entries - 1) ini += std::to_string(i) + "=" + sections[s].name + " " + std::to_string(i) + "\n";
    }
    WriteFileBytes(path, ini);
    LoadLanguageTexts(path.c_str());
    for (const Section& s : sections) {
        EXPECT_EQ(s.tableSize, size_t(s.entries)) << s.name;
        for (int i = 0; i + 1 < s.entries; ++i)
            EXPECT_EQ(s.table[i], std::string(s.name) + " " + std::to_string(i)) << s.name;
        EXPECT_STREQ(s.table[s.entries - 1], "-") << s.name;
    }

    LoadLanguageTexts((home.path + "/missing.ini").c_str());
    for (const Section& s : sections)
        for (int i = 0; i < s.entries; ++i) EXPECT_STREQ(s.table[i], "-") << s.name << " " << i;
}

TEST(LanguageTexts, AFolderFifoOrHugeFileGivesHyphensAndNeverHangs)
{
    TempHome home;
    LoadLanguageTexts((home.path + "/missing.ini").c_str());
    const std::string folder = home.path + "/folder.ini";
    std::filesystem::create_directory(folder);
    WriteFileBytes(folder + "/inside", "[ingame]\n0=x\n");
    LoadLanguageTexts(folder.c_str());
    EXPECT_STREQ(ingameTexts[0], "-");

    const std::string huge = home.path + "/huge.ini";
    WriteFileBytes(huge, "[ingame]\n0=first\n" + std::string(2 * 1024 * 1024, ';'));
    LoadLanguageTexts(huge.c_str());
    EXPECT_STREQ(ingameTexts[0], "-");

    const std::string fifo = home.path + "/fifo.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    // In a child with an alarm: a reader waiting for a writer would hang the run.
    EXPECT_EXIT(
        {
            alarm(20);
            LoadLanguageTexts(fifo.c_str());
            std::_Exit(std::strcmp(levelNameTexts[45], "-") == 0 ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "fifo.ini is not a regular file");
}

// Inputs that once crashed or misled the reader, kept as files: every entry
// of every table ends inside its 300 bytes.
TEST(LanguageTexts, EveryKeptFuzzInputFillsTheTablesWithinTheirSize)
{
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator("tests/engine/fuzz-regressions/language")) {
        ++inputs;
        for (auto& row : levelNameTexts) std::memset(row, 'x', sizeof row);
        LoadLanguageTexts(entry.path().c_str());
        for (const auto& row : levelNameTexts) EXPECT_NE(std::memchr(row, '\0', sizeof row), nullptr) << entry.path();
    }
    EXPECT_GE(inputs, 6);
    LoadLanguageTexts("tests/engine/fuzz-regressions/language/long-value-cut-in-utf8.ini");
    EXPECT_EQ(std::strlen(mainMenuTexts[0]), 298u) << "cut before the character that does not fit";
}

}  // namespace
