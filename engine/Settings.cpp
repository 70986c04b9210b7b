#include "engine/Settings.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tinyxml.h>

#include "platform/UserDirs.h"
#include "shared/LevelRecord.h"

char settingsDir[kSettingsPathSize];
char systemXmlPath[kSettingsPathSize];
char optionsXmlPath[kSettingsPathSize];
char gameXmlPath[kSettingsPathSize];
char gamepXmlPath[kSettingsPathSize];

int32_t screenWidth = 1920;
int32_t screenHeight = 1080;
int32_t windowed = 0;
int32_t limitTo30Fps = 0;
uint8_t checkpointsEnabled = 1;
uint8_t rumbleEnabled = 1;
int32_t difficulty = 1;
int32_t soundEnabled = 1;
int32_t musicEnabled = 1;
int32_t shaderEnabled = 1;
int32_t unlockedLevels = 1;
int32_t decorationsEnabled = 1;
int32_t totalScore = 0;
int32_t vopKind = 1;

namespace {

constexpr int kProgressRecords = 46;

void JoinPath(char* out, const char* dir, const char* name)
{
    const int n = std::snprintf(out, kSettingsPathSize, "%s%s", dir, name);
    if (n < 0 || n >= kSettingsPathSize) out[0] = '\0';
}

// A file's bytes as the game writes them: the declaration line and one
// empty element with its attributes, each line ended by CR LF.
struct XmlWriter {
    char text[2048];
    size_t length = 0;
    bool overflow = false;

    explicit XmlWriter(const char* element)
    {
        Append("<?xml version=\"1.0\" ?>\r\n<");
        Append(element);
    }
    void Append(const char* piece)
    {
        const size_t n = std::strlen(piece);
        if (length + n >= sizeof text) {
            overflow = true;  // cannot happen with the game's files; never save a cut file
            return;
        }
        std::memcpy(text + length, piece, n);
        length += n;
    }
    void Attribute(const char* name, int32_t value)
    {
        char piece[64];
        std::snprintf(piece, sizeof piece, " %s=\"%d\"", name, static_cast<int>(value));
        Append(piece);
    }
    void Save(const char* path)
    {
        Append(" />\r\n");
        if (path[0] == '\0' || overflow) return;
        // A failed save cannot be shown in the game; the values stay in
        // memory for this run, and the console says why.
        if (!ReplaceFileAtomically(path, text, length))
            std::fprintf(stderr, "FlorpVops: cannot write %s: %s\n", path, std::strerror(errno));
    }
};

// A signed decimal whole number at the start of text (after blanks, as the
// stored files were always read); false when there is none or it does not
// fit in 32 bits, so the setting keeps its value rather than taking garbage.
bool ParseWholeNumber(const char* text, int32_t* value)
{
    if (!text) return false;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
    const char* digits = p;
    if (*digits == '+' || *digits == '-') ++digits;
    if (*digits < '0' || *digits > '9') return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(p, &end, 10);
    if (errno == ERANGE || v < INT32_MIN || v > INT32_MAX) return false;
    *value = static_cast<int32_t>(v);
    return true;
}

void ReadInt(const TiXmlElement* element, const char* name, int32_t* setting)
{
    int32_t value;
    if (ParseWholeNumber(element->Attribute(name), &value)) *setting = value;
}

void ReadFlag(const TiXmlElement* element, const char* name, uint8_t* flag)
{
    int32_t value;
    if (ParseWholeNumber(element->Attribute(name), &value)) *flag = value != 0 ? 1 : 0;
}

// Loads a settings file. On failure the caller writes a fresh file from
// the current values; a file that exists but cannot be read or parsed is
// first kept beside it as NAME.bad, so a damaged progress file is never
// silently lost.
bool LoadXml(TiXmlDocument* doc, const char* path)
{
    if (path[0] == '\0') return false;
    if (doc->LoadFile(path, TIXML_DEFAULT_ENCODING)) return true;
    MakeDir(settingsDir);
    if (FileExists(path)) {
        char badPath[kSettingsPathSize + 8];
        std::snprintf(badPath, sizeof badPath, "%s.bad", path);
        if (RenameFile(path, badPath))
            std::fprintf(stderr, "FlorpVops: %s could not be read (%s); kept as %s\n", path,
                         doc->ErrorDesc(), badPath);
    }
    return false;
}

}  // namespace

void BuildSettingsPaths()
{
    char documents[kSettingsPathSize];
    if (!GetDocumentsDir(documents, sizeof documents)) {
        std::fprintf(stderr, "FlorpVops: no documents or home folder; settings go to the current folder\n");
        std::strcpy(documents, ".");
    }
    JoinPath(settingsDir, documents, "//FlorpVops");
    JoinPath(systemXmlPath, settingsDir, "//System.xml");
    JoinPath(optionsXmlPath, settingsDir, "//Options.xml");
    JoinPath(gameXmlPath, settingsDir, "//Game.xml");
    JoinPath(gamepXmlPath, settingsDir, "//Gamep.xml");
    if (settingsDir[0] == '\0' || gamepXmlPath[0] == '\0')
        std::fprintf(stderr, "FlorpVops: the documents folder path is too long; settings are not saved\n");
}

void SetDefaultSettings()
{
    screenWidth = 1920;
    screenHeight = 1080;
    windowed = 0;
    decorationsEnabled = 1;
    checkpointsEnabled = 1;
    rumbleEnabled = 1;
    shaderEnabled = 1;
    soundEnabled = 1;
    musicEnabled = 1;
    limitTo30Fps = 0;
    difficulty = 1;
    unlockedLevels = 1;
}

void WriteSystemXml()
{
    XmlWriter w("System");
    w.Attribute("auflosungx", screenWidth);
    w.Attribute("auflosungy", screenHeight);
    w.Attribute("fenster", windowed);
    w.Save(systemXmlPath);
}

void WriteOptionsXml()
{
    XmlWriter w("Options");
    w.Attribute("fps", limitTo30Fps);
    w.Attribute("check", checkpointsEnabled != 0 ? 1 : 0);
    w.Attribute("rumble", rumbleEnabled != 0 ? 1 : 0);
    w.Attribute("diffi", difficulty);
    w.Attribute("sound", soundEnabled);
    w.Attribute("music", musicEnabled);
    w.Attribute("shader", shaderEnabled);
    w.Save(optionsXmlPath);
}

void WriteGameXml()
{
    XmlWriter w("Game");
    w.Attribute("m", unlockedLevels);
    w.Save(gameXmlPath);
}

void SaveProgress()
{
    XmlWriter w("Gamep");
    char name[8];
    for (int i = 0; i < kProgressRecords; ++i) {
        std::snprintf(name, sizeof name, "L%i", i);
        w.Attribute(name, levelTable[i].bestScore);
    }
    w.Save(gamepXmlPath);
}

void ReadSystemXml()
{
    TiXmlDocument doc;
    if (!LoadXml(&doc, systemXmlPath)) {
        WriteSystemXml();
        return;
    }
    const TiXmlElement* e = doc.FirstChildElement();
    if (!e) return;
    ReadInt(e, "auflosungx", &screenWidth);
    ReadInt(e, "auflosungy", &screenHeight);
    ReadInt(e, "fenster", &windowed);
}

void ReadOptionsXml()
{
    TiXmlDocument doc;
    if (!LoadXml(&doc, optionsXmlPath)) {
        WriteOptionsXml();
        return;
    }
    const TiXmlElement* e = doc.FirstChildElement();
    if (!e) return;
    ReadInt(e, "fps", &limitTo30Fps);
    ReadFlag(e, "check", &checkpointsEnabled);
    ReadFlag(e, "rumble", &rumbleEnabled);
    ReadInt(e, "diffi", &difficulty);
    ReadInt(e, "sound", &soundEnabled);
    ReadInt(e, "music", &musicEnabled);
    ReadInt(e, "shader", &shaderEnabled);
}

void ReadGameXml()
{
    TiXmlDocument doc;
    if (!LoadXml(&doc, gameXmlPath)) {
        WriteGameXml();
        return;
    }
    const TiXmlElement* e = doc.FirstChildElement();
    if (!e) return;
    ReadInt(e, "m", &unlockedLevels);
}

void LoadProgress()
{
    TiXmlDocument doc;
    if (!LoadXml(&doc, gamepXmlPath)) {
        SaveProgress();
        return;
    }
    const TiXmlElement* e = doc.FirstChildElement();
    if (!e) return;
    char name[8];
    for (int i = 0; i < kProgressRecords; ++i) {
        std::snprintf(name, sizeof name, "L%i", i);
        ReadInt(e, name, &levelTable[i].bestScore);
    }
}

void ResetProgress()
{
    unlockedLevels = 1;
    for (LevelRecord& record : levelTable) record.bestScore = 0;
    currentLevel.bestScore = 0;
    restartLevel.bestScore = 0;
    SaveProgress();
    vopKind = 1;
}

void SumBestScores()
{
    // Summed wide: scores read from a hand-edited file could overflow 32 bits.
    int64_t sum = 0;
    for (const LevelRecord& record : levelTable) {
        const int32_t id = record.recordId;
        if (id == 1 || id == 7 || (id >= 24 && id <= 28)) continue;
        sum += record.bestScore;
    }
    if (sum > INT32_MAX) sum = INT32_MAX;
    if (sum < INT32_MIN) sum = INT32_MIN;
    totalScore = static_cast<int32_t>(sum);
}
