#pragma once
// The one door through which the game opens its files, and the one through
// which it replaces them. Reading: a file is opened without blocking (a FIFO
// never stalls the game), refused unless it is a regular file within a size
// bound, and checked on the open descriptor itself, so the path cannot
// change between the test and the read. Writing: a file is replaced
// atomically, and a damaged one is kept aside without replacing an older
// copy.
#include <cstddef>
#include <cstdint>
#include <string>

enum class FileRead {
    Ok,
    Missing,     // nothing at the path (or a folder on the way is missing)
    NotRegular,  // a folder, FIFO, device or socket: never read
    TooLarge,    // more bytes than the caller allows
    Unreadable,  // there, but cannot be opened or read (permissions, a link loop, I/O)
};

// An open regular file; fd is -1 when nothing is open.
struct GameFile {
    int fd = -1;
    uint64_t size = 0;
};

// Opens path for reading as described above. On Ok the caller owns the file
// and ends it with CloseGameFile; errno tells an Unreadable's reason.
FileRead OpenGameFile(const char* path, uint64_t maxBytes, GameFile* file);
void CloseGameFile(GameFile* file);
// Reads up to n bytes from offset, retrying short reads; the count read.
size_t ReadGameFileAt(const GameFile& file, uint64_t offset, void* into, size_t n);

// Reads a regular file of at most capacity bytes into buffer and sets
// length.
FileRead ReadRegularFile(const char* path, char* buffer, size_t capacity, size_t* length);
// The same into a string, for files of at most maxBytes.
FileRead ReadRegularFile(const char* path, size_t maxBytes, std::string* text);

// A few words for a refusal, to follow the path in a message ("is not a
// regular file (a folder, FIFO or device)"). For Unreadable it names the
// reason errno held when the read failed.
const char* DescribeFileRead(FileRead result);

// Renames from to `to` only when nothing is at `to`; false with errno
// EEXIST when something is, so an earlier kept copy is never replaced.
bool RenameWithoutReplacing(const char* from, const char* to);

// Beyond a file-size limit a write then fails with EFBIG, which the
// writers report, instead of the signal killing the game mid-save.
void IgnoreFileSizeLimitSignal();

// Writes the bytes to a temporary file beside path (path.XXXXXX), flushes
// it to disk and renames it over path, so readers see the old file or the
// new one, never a mix. False (and the old file untouched) when any step
// fails.
bool ReplaceFileAtomically(const char* path, const char* data, size_t size);
// Removes the temporary files a replacement of path left when its process
// was killed mid-save (regular files path.XXXXXX only, not six lower-case
// letters such as path.backup); returns how many. Call it while no other
// process may be replacing path (under the folder's lock).
int RemoveStaleTemporaries(const char* path);

// The writer's seam, as the sprite batch's recording backend is for
// drawing: while recording, every step a replacement takes on the disk is
// also logged, in order, for tests to read back.
enum class FileStep : uint8_t { Create, Write, Flush, Close, Rename, Remove };
struct FileStepRecord {
    FileStep step;
    int fd;          // the temporary file's descriptor (Create to Close)
    char path[256];  // Create, Rename (the new name), Remove; its end when longer
};
constexpr int kFileStepLogCapacity = 256;
void RecordFileSteps(bool on);  // starts a fresh log when on
int FileStepCount();
const FileStepRecord* FileStepLog();
