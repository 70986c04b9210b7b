#include "engine/LanguageTables.h"

#include <cstdio>
#include <cstring>
#include <strings.h>
#include <string>

#include "platform/FileAccess.h"
#include "platform/UserDirs.h"

int languageId = 2;

char ingameTexts[11][kTextEntrySize];
char mainMenuTexts[13][kTextEntrySize];
char optionsMenuTexts[10][kTextEntrySize];
char preDialogTexts[9][kTextEntrySize];
char levelSelectionTexts[31][kTextEntrySize];
char firstLevelTexts[7][kTextEntrySize];
char secondLevelTexts[8][kTextEntrySize];
char thirdLevelTexts[8][kTextEntrySize];
char sprintLevelTexts[7][kTextEntrySize];
char spikeVopLevelTexts[5][kTextEntrySize];
char rockVopLevelTexts[7][kTextEntrySize];
char airVopLevelTexts[6][kTextEntrySize];
char angryVopLevelTexts[5][kTextEntrySize];
char eliteVopLevelTexts[6][kTextEntrySize];
char levelNameTexts[46][kTextEntrySize];

namespace {

struct TextTable {
    const char* section;
    int entries;
    char (*table)[kTextEntrySize];
};

const TextTable kTables[] = {
    {"ingame", 11, ingameTexts},
    {"mainmenu", 13, mainMenuTexts},
    {"optionsmenu", 10, optionsMenuTexts},
    {"predialog", 9, preDialogTexts},
    {"levelselection", 31, levelSelectionTexts},
    {"firstlevel", 7, firstLevelTexts},
    {"secondlevel", 8, secondLevelTexts},
    {"thirdlevel", 8, thirdLevelTexts},
    {"sprintlevels", 7, sprintLevelTexts},
    {"spikevoplevel", 5, spikeVopLevelTexts},
    {"rockvoplevel", 7, rockVopLevelTexts},
    {"airvoplevel", 6, airVopLevelTexts},
    {"angryvoplevel", 5, angryVopLevelTexts},
    {"elitevoplevel", 6, eliteVopLevelTexts},
    {"levelnames", 46, levelNameTexts},
};

struct LocaleFile {
    int localeId;
    const char* file;
    int language;
};

// Tried in this order; any other locale plays in English.
const LocaleFile kLocaleFiles[] = {
    {1031, "data//language//de.ini", 1}, {3079, "data//language//de.ini", 1},
    {5127, "data//language//de.ini", 1}, {4103, "data//language//de.ini", 1},
    {2055, "data//language//de.ini", 1}, {1036, "data//language//fr.ini", 3},
    {3084, "data//language//fr.ini", 3}, {3082, "data//language//es.ini", 5},
    {1040, "data//language//it.ini", 4},
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// [begin, end) trimmed of blanks on both sides.
void Trim(const char** begin, const char** end)
{
    while (*begin < *end && IsBlank(**begin)) ++*begin;
    while (*end > *begin && IsBlank((*end)[-1])) --*end;
}

bool SameName(const char* begin, const char* end, const char* name)
{
    const size_t n = static_cast<size_t>(end - begin);
    return std::strlen(name) == n && strncasecmp(begin, name, n) == 0;
}

void CopyCut(char* out, size_t size, const char* begin, const char* end)
{
    if (size == 0) return;
    size_t n = static_cast<size_t>(end - begin);
    if (n > size - 1) {
        n = size - 1;
        while (n > 0 && (static_cast<unsigned char>(begin[n]) & 0xC0) == 0x80) --n;
    }
    std::memcpy(out, begin, n);
    out[n] = '\0';
}

// The language files are a few dozen KiB; anything far larger is not one.
constexpr size_t kLanguageFileMaxBytes = 1024 * 1024;

// The whole file, or nothing when it cannot be read (every entry then
// takes its default). A missing file is the quiet case the game always
// allowed; a folder, FIFO or huge file is refused with a message.
std::string ReadLanguageFile(const char* path)
{
    std::string text;
    const FileRead read = ReadRegularFile(path, kLanguageFileMaxBytes, &text);
    if (read == FileRead::NotRegular || read == FileRead::TooLarge)
        std::fprintf(stderr, "FlorpVops: the language file %s %s; texts show as \"-\"\n", path,
                     DescribeFileRead(read));
    return text;
}

}  // namespace

void ReadIniText(const char* text, size_t length, const char* section, const char* key,
                 const char* def, char* out, size_t size)
{
    const char* p = text;
    const char* const fileEnd = text + length;
    if (length >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0) p += 3;
    bool inSection = false;
    bool sectionSeen = false;
    while (p < fileEnd) {
        const char* lineEnd = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(fileEnd - p)));
        if (!lineEnd) lineEnd = fileEnd;
        const char* b = p;
        const char* e = lineEnd;
        p = lineEnd < fileEnd ? lineEnd + 1 : fileEnd;
        Trim(&b, &e);
        if (b == e || *b == ';') continue;
        if (*b == '[') {
            // Only the first section of a name counts.
            if (inSection) break;
            const char* close = static_cast<const char*>(std::memchr(b, ']', static_cast<size_t>(e - b)));
            if (!close) continue;
            const char* nb = b + 1;
            const char* ne = close;
            Trim(&nb, &ne);
            inSection = !sectionSeen && SameName(nb, ne, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        const char* eq = static_cast<const char*>(std::memchr(b, '=', static_cast<size_t>(e - b)));
        if (!eq) continue;
        const char* kb = b;
        const char* ke = eq;
        Trim(&kb, &ke);
        if (!SameName(kb, ke, key)) continue;
        const char* vb = eq + 1;
        const char* ve = e;
        Trim(&vb, &ve);
        if (ve - vb >= 2 && (*vb == '"' || *vb == '\'') && ve[-1] == *vb) {
            ++vb;
            --ve;
        }
        CopyCut(out, size, vb, ve);
        return;
    }
    CopyCut(out, size, def, def + std::strlen(def));
}

void ReadIniString(const char* path, const char* section, const char* key, const char* def,
                   char* out, size_t size)
{
    const std::string text = ReadLanguageFile(path);
    ReadIniText(text.data(), text.size(), section, key, def, out, size);
}

const char* LanguageFileForLocale(int localeId, int* language)
{
    for (const LocaleFile& f : kLocaleFiles) {
        if (f.localeId == localeId) {
            *language = f.language;
            return f.file;
        }
    }
    *language = 2;
    return "data//language//en.ini";
}

void SelectLanguage()
{
    const char* file = LanguageFileForLocale(GetSystemLocaleId(), &languageId);
    LoadLanguageTexts(file);
}

void LoadLanguageTexts(const char* path)
{
    // The file is read once; every entry is then looked up in memory.
    const std::string text = ReadLanguageFile(path);
    LoadLanguageTextsFrom(text.data(), text.size());
}

void LoadLanguageTextsFrom(const char* text, size_t length)
{
    char key[12];
    for (const TextTable& t : kTables) {
        for (int i = 0; i < t.entries; ++i) {
            std::snprintf(key, sizeof key, "%i", i);
            ReadIniText(text, length, t.section, key, "-", t.table[i], kTextEntrySize);
        }
    }
}
