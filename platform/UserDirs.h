#pragma once
// The few operating-system services the settings and language code need:
// where the player's documents live, which language the system speaks, and
// replacing a file without ever leaving a half-written one behind.
#include <cstddef>

// The documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs ($HOME
// expanded), else $HOME. Created when missing. False when no folder can be
// found or the path does not fit in size bytes (out is then "").
bool GetDocumentsDir(char* out, size_t size);

// The system locale as a Windows locale id (1031 German, 1033 English US,
// 1036 French, 1040 Italian, 3082 Spanish...), taken from LC_ALL,
// LC_MESSAGES or LANG, the first that is set and not empty. Unknown or
// "C"/"POSIX" locales give 1033.
int GetSystemLocaleId();
// The mapping itself, for a locale name such as "de_AT.UTF-8".
int LocaleIdFromName(const char* name);

// Creates one folder level; true when it exists afterwards.
bool MakeDir(const char* path);

// Writes the bytes to a temporary file beside path, flushes it to disk and
// renames it over path, so readers see the old file or the new one, never a
// mix. False (and the old file untouched) when any step fails.
bool ReplaceFileAtomically(const char* path, const char* data, size_t size);
