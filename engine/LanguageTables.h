#pragma once
// Every text the game shows, read at start-up from the language file that
// matches the system locale. Entries are 8-bit (UTF-8) strings of at most
// 299 bytes; a missing entry reads "-".
#include <cstddef>

constexpr int kTextEntrySize = 300;

// 1 German, 2 English, 3 French, 4 Italian, 5 Spanish.
extern int languageId;

extern char ingameTexts[11][kTextEntrySize];
extern char mainMenuTexts[13][kTextEntrySize];
extern char optionsMenuTexts[10][kTextEntrySize];
extern char preDialogTexts[9][kTextEntrySize];
extern char levelSelectionTexts[31][kTextEntrySize];
extern char firstLevelTexts[7][kTextEntrySize];
extern char secondLevelTexts[8][kTextEntrySize];
extern char thirdLevelTexts[8][kTextEntrySize];
extern char sprintLevelTexts[7][kTextEntrySize];
extern char spikeVopLevelTexts[5][kTextEntrySize];
extern char rockVopLevelTexts[7][kTextEntrySize];
extern char airVopLevelTexts[6][kTextEntrySize];
extern char angryVopLevelTexts[5][kTextEntrySize];
extern char eliteVopLevelTexts[6][kTextEntrySize];
extern char levelNameTexts[46][kTextEntrySize];

// Chooses the file and languageId from the system locale, then loads it.
void SelectLanguage();
// The file for a Windows locale id, and its languageId.
const char* LanguageFileForLocale(int localeId, int* language);
// Fills all fifteen tables from an INI file; a missing file gives "-"
// everywhere, and so does a folder, FIFO or huge file (with a message).
void LoadLanguageTexts(const char* path);
// The same from the file's bytes already in memory.
void LoadLanguageTextsFrom(const char* text, size_t length);

// INI lookup with the rules the language files were written for: section
// and key compared without regard to case, the value trimmed of blanks (and
// of one pair of enclosing quotes), lines starting with ';' ignored, the
// first match wins, a UTF-8 byte-order mark skipped. Missing section, key or
// file gives def. The result is cut to size - 1 bytes, never inside a UTF-8
// character. ReadIniText works on the file's bytes already in memory.
void ReadIniText(const char* text, size_t length, const char* section, const char* key,
                 const char* def, char* out, size_t size);
void ReadIniString(const char* path, const char* section, const char* key, const char* def,
                   char* out, size_t size);
