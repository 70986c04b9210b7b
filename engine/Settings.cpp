#include "engine/Settings.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tinyxml.h>

#include "engine/SettingsFile.h"
#include "platform/FileAccess.h"
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

// Two games saving at once must not interleave their read, merge and
// replace, or one would write back what it read before the other's save:
// each holds the settings folder's lock across all three (making the folder
// first, so the very first saves are held apart too). A hold inside another
// (a reader writing a fresh file) shares the outer one.
class SettingsLock {
public:
    explicit SettingsLock(bool makeFolder = true)
    {
        if (depth++ > 0 || settingsDir[0] == '\0') return;
        if (makeFolder) MakeDir(settingsDir);
        handle = LockFolder(settingsDir);
    }
    ~SettingsLock()
    {
        if (--depth > 0) return;
        UnlockFolder(handle);
        handle = -1;
    }
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

private:
    static int depth;
    static int handle;
};
int SettingsLock::depth = 0;
int SettingsLock::handle = -1;

// A save killed between creating its temporary file and renaming it leaves
// that file behind; nothing else would ever remove it.
void RemoveUnfinishedSaves()
{
    SettingsLock lock(false);
    int removed = 0;
    for (const char* path : {systemXmlPath, optionsXmlPath, gameXmlPath, gamepXmlPath})
        if (path[0] != '\0') removed += RemoveStaleTemporaries(path);
    if (removed > 0)
        std::fprintf(stderr, "FlorpVops: removed %d unfinished save%s left in %s\n", removed,
                     removed == 1 ? "" : "s", settingsDir);
}

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
        MakeDir(settingsDir);
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

// The higher of the value in memory and the one stored (when there is one).
int32_t Merged(const TiXmlElement* stored, const char* name, int32_t value)
{
    int32_t onDisk;
    if (stored && ParseWholeNumber(stored->Attribute(name), &onDisk) && onDisk > value) return onDisk;
    return value;
}

void ProgressName(char (&name)[8], int i) { std::snprintf(name, sizeof name, "L%i", i); }

void ApplySystem(const TiXmlElement* e)
{
    if (!e) return;
    ReadInt(e, "auflosungx", &screenWidth);
    ReadInt(e, "auflosungy", &screenHeight);
    ReadInt(e, "fenster", &windowed);
}

void ApplyOptions(const TiXmlElement* e)
{
    if (!e) return;
    ReadInt(e, "fps", &limitTo30Fps);
    ReadFlag(e, "check", &checkpointsEnabled);
    ReadFlag(e, "rumble", &rumbleEnabled);
    ReadInt(e, "diffi", &difficulty);
    ReadInt(e, "sound", &soundEnabled);
    ReadInt(e, "music", &musicEnabled);
    ReadInt(e, "shader", &shaderEnabled);
}

void ApplyGame(const TiXmlElement* e)
{
    int32_t m;
    if (!e || !ParseWholeNumber(e->Attribute("m"), &m)) return;
    if (m < 1) {
        std::fprintf(stderr, "FlorpVops: Game.xml gives %d as the highest open level; the first level is always open\n",
                     static_cast<int>(m));
        m = 1;
    }
    unlockedLevels = m;
}

void ApplyProgress(const TiXmlElement* e)
{
    if (!e) return;
    char name[8];
    for (int i = 0; i < kProgressRecords; ++i) {
        ProgressName(name, i);
        ReadInt(e, name, &levelTable[i].bestScore);
    }
}

// What a reader does with its file: take it, write a fresh one (nothing
// there, or a broken file that the writer keeps aside first), or leave a
// folder or FIFO alone.
enum class ReadOutcome { Loaded, WriteFresh, LeaveAlone };

ReadOutcome LoadForReading(const char* path, TiXmlDocument* doc)
{
    if (path[0] == '\0') return ReadOutcome::WriteFresh;
    const char* reason = "";
    switch (LoadSettingsFile(path, doc, &reason)) {
    case SettingsFileState::Loaded: return ReadOutcome::Loaded;
    case SettingsFileState::NotRegular:
        std::fprintf(stderr, "FlorpVops: %s %s; its settings keep their defaults and nothing is saved over it\n",
                     path, reason);
        return ReadOutcome::LeaveAlone;
    case SettingsFileState::Missing:
    case SettingsFileState::Broken: break;
    }
    MakeDir(settingsDir);
    return ReadOutcome::WriteFresh;
}

void WriteGameFile(bool merge)
{
    SettingsLock lock;
    TiXmlDocument current;
    if (!PrepareToReplaceSettingsFile(gameXmlPath, &current)) return;
    XmlWriter w("Game");
    w.Attribute("m", merge ? Merged(current.FirstChildElement(), "m", unlockedLevels) : unlockedLevels);
    w.Save(gameXmlPath);
}

void WriteProgressFile(bool merge)
{
    SettingsLock lock;
    TiXmlDocument current;
    if (!PrepareToReplaceSettingsFile(gamepXmlPath, &current)) return;
    const TiXmlElement* stored = merge ? current.FirstChildElement() : nullptr;
    XmlWriter w("Gamep");
    char name[8];
    for (int i = 0; i < kProgressRecords; ++i) {
        ProgressName(name, i);
        w.Attribute(name, Merged(stored, name, levelTable[i].bestScore));
    }
    w.Save(gamepXmlPath);
}

}  // namespace

void BuildSettingsPaths()
{
    // Settings are the game's first writes; a file-size limit must make
    // them fail (and be reported), not kill the game.
    IgnoreFileSizeLimitSignal();
    char documents[kSettingsPathSize];
    if (!GetDocumentsDir(documents, sizeof documents)) {
        // Never the game's own folder: the game plays on without saving, as
        // with a read-only folder.
        std::fprintf(stderr, "FlorpVops: no usable documents or home folder (none is set, or its path is "
                     "too long); settings and progress are not saved\n");
        for (char* path : {settingsDir, systemXmlPath, optionsXmlPath, gameXmlPath, gamepXmlPath}) path[0] = '\0';
        return;
    }
    JoinPath(settingsDir, documents, "//FlorpVops");
    JoinPath(systemXmlPath, settingsDir, "//System.xml");
    JoinPath(optionsXmlPath, settingsDir, "//Options.xml");
    JoinPath(gameXmlPath, settingsDir, "//Game.xml");
    JoinPath(gamepXmlPath, settingsDir, "//Gamep.xml");
    if (settingsDir[0] == '\0' || gamepXmlPath[0] == '\0') {
        std::fprintf(stderr, "FlorpVops: the documents folder path is too long; settings are not saved\n");
        for (char* path : {settingsDir, systemXmlPath, optionsXmlPath, gameXmlPath, gamepXmlPath}) path[0] = '\0';
        return;
    }
    RemoveUnfinishedSaves();
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
    SettingsLock lock;
    TiXmlDocument current;
    if (!PrepareToReplaceSettingsFile(systemXmlPath, &current)) return;
    XmlWriter w("System");
    w.Attribute("auflosungx", screenWidth);
    w.Attribute("auflosungy", screenHeight);
    w.Attribute("fenster", windowed);
    w.Save(systemXmlPath);
}

void WriteOptionsXml()
{
    SettingsLock lock;
    TiXmlDocument current;
    if (!PrepareToReplaceSettingsFile(optionsXmlPath, &current)) return;
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

void WriteGameXml() { WriteGameFile(true); }

void SaveProgress() { WriteProgressFile(true); }

void ReadSystemXml()
{
    SettingsLock lock;
    TiXmlDocument doc;
    const ReadOutcome outcome = LoadForReading(systemXmlPath, &doc);
    if (outcome == ReadOutcome::Loaded) ApplySystem(doc.FirstChildElement());
    if (outcome == ReadOutcome::WriteFresh) WriteSystemXml();
}

void ReadOptionsXml()
{
    SettingsLock lock;
    TiXmlDocument doc;
    const ReadOutcome outcome = LoadForReading(optionsXmlPath, &doc);
    if (outcome == ReadOutcome::Loaded) ApplyOptions(doc.FirstChildElement());
    if (outcome == ReadOutcome::WriteFresh) WriteOptionsXml();
}

void ReadGameXml()
{
    SettingsLock lock;
    TiXmlDocument doc;
    const ReadOutcome outcome = LoadForReading(gameXmlPath, &doc);
    if (outcome == ReadOutcome::Loaded) ApplyGame(doc.FirstChildElement());
    if (outcome == ReadOutcome::WriteFresh) WriteGameXml();
}

void LoadProgress()
{
    SettingsLock lock;
    TiXmlDocument doc;
    const ReadOutcome outcome = LoadForReading(gamepXmlPath, &doc);
    if (outcome == ReadOutcome::Loaded) ApplyProgress(doc.FirstChildElement());
    if (outcome == ReadOutcome::WriteFresh) SaveProgress();
}

bool ReadSettingsText(SettingsFileId file, const char* bytes, size_t length)
{
    TiXmlDocument doc;
    const char* reason = "";
    if (!ParseSettingsText(bytes, length, &doc, &reason)) return false;
    const TiXmlElement* e = doc.FirstChildElement();
    switch (file) {
    case SettingsFileId::System: ApplySystem(e); break;
    case SettingsFileId::Options: ApplyOptions(e); break;
    case SettingsFileId::Game: ApplyGame(e); break;
    case SettingsFileId::Gamep: ApplyProgress(e); break;
    }
    return true;
}

void ResetProgress()
{
    unlockedLevels = 1;
    for (LevelRecord& record : levelTable) record.bestScore = 0;
    currentLevel.bestScore = 0;
    restartLevel.bestScore = 0;
    WriteProgressFile(false);
    WriteGameFile(false);
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
