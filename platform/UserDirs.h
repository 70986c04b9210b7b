#pragma once
// The player's own folders and language: where the documents live, which
// language the system speaks, and the lock that keeps two game processes
// from interleaving their saves in one folder.
#include <cstddef>

// The documents folder: XDG_DOCUMENTS_DIR from user-dirs.dirs ($HOME
// expanded), else $HOME; created when missing. A documents entry that names
// no usable folder (a plain file, say) falls back to the home folder with a
// message. False when no folder can be found or the path does not fit in
// size bytes (out is then "").
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

// An advisory lock on the folder itself, held by the whole process until
// UnlockFolder. Another process holding it is waited for up to a bound
// (about two seconds); past it, -1 and a message, so a stopped process can
// never hang the game. Also -1 when the folder cannot be opened.
int LockFolder(const char* path);
void UnlockFolder(int handle);
