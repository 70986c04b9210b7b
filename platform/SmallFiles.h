#pragma once
// Reading the game's small text files (settings, language, level sources)
// without ever blocking on a FIFO, swallowing a folder or loading a huge
// file, and keeping a damaged file aside without replacing an older copy.
#include <cstddef>
#include <string>

enum class FileRead {
    Ok,
    Missing,     // nothing at the path (or a folder on the way is missing)
    NotRegular,  // a folder, FIFO, device or socket: never read
    TooLarge,    // more bytes than the caller allows
    Unreadable,  // there, but cannot be opened or read (permissions, I/O)
};

// Reads a regular file of at most capacity bytes into buffer and sets
// length. The file is opened without blocking and checked with fstat
// before a byte is read.
FileRead ReadRegularFile(const char* path, char* buffer, size_t capacity, size_t* length);
// The same into a string, for files of at most maxBytes.
FileRead ReadRegularFile(const char* path, size_t maxBytes, std::string* text);

// A few words for a refusal, to follow the path in a message.
const char* DescribeFileRead(FileRead result);

enum class PathKind { Missing, Regular, Other };
// What the path names now (following symbolic links).
PathKind KindOfPath(const char* path);

// Renames from to `to` only when nothing is at `to`; false with errno
// EEXIST when something is, so an earlier kept copy is never replaced.
bool RenameWithoutReplacing(const char* from, const char* to);

// Beyond a file-size limit a write then fails with EFBIG, which the
// writers report, instead of the signal killing the game mid-save.
void IgnoreFileSizeLimitSignal();
