#include "platform/FileAccess.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

namespace {

// Why the last open or read on this thread was Unreadable.
thread_local int unreadableErrno = 0;

FileRead Unreadable(int error)
{
    unreadableErrno = error;
    errno = error;
    return FileRead::Unreadable;
}

// Reads until the end, or until one byte more than capacity shows that the
// file grew past it after fstat.
FileRead ReadAll(int fd, char* buffer, size_t capacity, size_t* length)
{
    size_t done = 0;
    for (;;) {
        char extra;
        char* into = done < capacity ? buffer + done : &extra;
        const size_t want = done < capacity ? capacity - done : 1;
        const ssize_t n = read(fd, into, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            return Unreadable(errno);
        }
        if (n == 0) break;
        if (done >= capacity) return FileRead::TooLarge;
        done += static_cast<size_t>(n);
    }
    *length = done;
    return FileRead::Ok;
}

// ------------------------------------------------------- the writer's steps

bool recording = false;
FileStepRecord stepLog[kFileStepLogCapacity];
int stepCount = 0;

void Note(FileStep step, int fd, const char* path)
{
    if (!recording || stepCount >= kFileStepLogCapacity) return;
    FileStepRecord& r = stepLog[stepCount++];
    r.step = step;
    r.fd = fd;
    // The end of a long path says more than its start.
    const char* text = path ? path : "";
    const size_t length = std::strlen(text);
    const size_t keep = length < sizeof r.path ? length : sizeof r.path - 1;
    std::memcpy(r.path, text + (length - keep), keep);
    r.path[keep] = '\0';
}

int CreateTemporary(char* pattern)
{
    const int fd = mkostemp(pattern, O_CLOEXEC);
    if (fd >= 0) Note(FileStep::Create, fd, pattern);
    return fd;
}

ssize_t WriteStep(int fd, const char* data, size_t n)
{
    Note(FileStep::Write, fd, nullptr);
    return write(fd, data, n);
}

int FlushStep(int fd)
{
    Note(FileStep::Flush, fd, nullptr);
    return fsync(fd);
}

int CloseStep(int fd)
{
    Note(FileStep::Close, fd, nullptr);
    return close(fd);
}

int RenameStep(const char* from, const char* to)
{
    Note(FileStep::Rename, -1, to);
    return std::rename(from, to);
}

void RemoveStep(const char* path)
{
    Note(FileStep::Remove, -1, path);
    unlink(path);
}

// Removes the temporary file after a failed step, keeping that step's errno.
bool GiveUp(const char* tempPath, int error)
{
    RemoveStep(tempPath);
    errno = error;
    return false;
}

// "NAME.XXXXXX" as mkostemp makes it for NAME: six letters and digits. Six
// lower-case letters are left alone, as a player's own "NAME.backup" would
// be (mkostemp makes one of those in two hundred; it stays).
bool IsTemporaryOf(const char* entry, const char* name, size_t nameLength)
{
    if (std::strncmp(entry, name, nameLength) != 0 || entry[nameLength] != '.') return false;
    const char* tail = entry + nameLength + 1;
    if (std::strlen(tail) != 6) return false;
    bool onlyLowerCase = true;
    for (const char* p = tail; *p; ++p) {
        const char c = *p;
        const bool lower = c >= 'a' && c <= 'z';
        if (!lower && !(c >= 'A' && c <= 'Z') && !(c >= '0' && c <= '9')) return false;
        onlyLowerCase = onlyLowerCase && lower;
    }
    return !onlyLowerCase;
}

}  // namespace

FileRead OpenGameFile(const char* path, uint64_t maxBytes, GameFile* file)
{
    *file = GameFile{};
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : Unreadable(errno);
    struct stat st;
    if (fstat(fd, &st) != 0) {
        const int error = errno;
        close(fd);
        return Unreadable(error);
    }
    if (!S_ISREG(st.st_mode)) {
        close(fd);
        return FileRead::NotRegular;
    }
    if (static_cast<uint64_t>(st.st_size) > maxBytes) {
        close(fd);
        return FileRead::TooLarge;
    }
    file->fd = fd;
    file->size = static_cast<uint64_t>(st.st_size);
    return FileRead::Ok;
}

void CloseGameFile(GameFile* file)
{
    if (file->fd >= 0) close(file->fd);
    *file = GameFile{};
}

size_t ReadGameFileAt(const GameFile& file, uint64_t offset, void* into, size_t n)
{
    size_t done = 0;
    while (done < n) {
        const ssize_t got = pread(file.fd, static_cast<char*>(into) + done, n - done,
                                  static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) unreadableErrno = errno;
        if (got <= 0) break;
        done += static_cast<size_t>(got);
    }
    return done;
}

FileRead ReadRegularFile(const char* path, char* buffer, size_t capacity, size_t* length)
{
    *length = 0;
    GameFile file;
    const FileRead opened = OpenGameFile(path, capacity, &file);
    if (opened != FileRead::Ok) return opened;
    const FileRead result = ReadAll(file.fd, buffer, capacity, length);
    CloseGameFile(&file);
    if (result != FileRead::Ok) *length = 0;
    return result;
}

FileRead ReadRegularFile(const char* path, size_t maxBytes, std::string* text)
{
    text->clear();
    GameFile file;
    const FileRead opened = OpenGameFile(path, maxBytes, &file);
    if (opened != FileRead::Ok) return opened;
    // Room for what fstat said plus a little growth; ReadAll refuses more
    // than maxBytes.
    text->resize(maxBytes);
    size_t length = 0;
    const FileRead result = ReadAll(file.fd, &(*text)[0], maxBytes, &length);
    CloseGameFile(&file);
    text->resize(result == FileRead::Ok ? length : 0);
    return result;
}

const char* DescribeFileRead(FileRead result)
{
    switch (result) {
    case FileRead::Ok: return "read";
    case FileRead::Missing: return "is missing";
    case FileRead::NotRegular: return "is not a regular file (a folder, FIFO or device)";
    case FileRead::TooLarge: return "is far too large";
    case FileRead::Unreadable: {
        thread_local char text[160];
        char reason[128];
        std::snprintf(text, sizeof text, "cannot be read (%s)",
                      strerror_r(unreadableErrno, reason, sizeof reason));
        return text;
    }
    }
    return "cannot be read";
}

bool RenameWithoutReplacing(const char* from, const char* to)
{
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // A file system without the no-replace rename: a hard link refuses an
    // existing name just as well.
    if (link(from, to) == 0) {
        unlink(from);  // should this fail, the copy is still kept: a save replaces the name, not the file
        return true;
    }
    if (errno == EEXIST) return false;
    // No hard links either (FAT and some network shares): test, then rename.
    struct stat st;
    if (lstat(to, &st) == 0) {
        errno = EEXIST;
        return false;
    }
    return std::rename(from, to) == 0;
}

void IgnoreFileSizeLimitSignal() { std::signal(SIGXFSZ, SIG_IGN); }

bool ReplaceFileAtomically(const char* path, const char* data, size_t size)
{
    // A temporary name of its own: two writers of one file (two game
    // instances, or the replay search's forked runs) must not trample each
    // other's half-written copy.
    char tempPath[4096 + 16];
    const int n = std::snprintf(tempPath, sizeof tempPath, "%s.XXXXXX", path);
    if (n < 0 || static_cast<size_t>(n) >= sizeof tempPath) {
        errno = ENAMETOOLONG;
        return false;
    }
    const int fd = CreateTemporary(tempPath);
    if (fd < 0) return false;
    if (fchmod(fd, 0644) != 0) {
        const int e = errno;
        CloseStep(fd);
        return GiveUp(tempPath, e);
    }
    size_t done = 0;
    while (done < size) {
        const ssize_t w = WriteStep(fd, data + done, size - done);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            if (w == 0) errno = EIO;  // no progress: give up rather than spin
            break;
        }
        done += static_cast<size_t>(w);
    }
    // On disk before the name points at it: after a crash the name holds
    // the old file or the whole new one.
    bool ok = done == size && FlushStep(fd) == 0;
    const int savedErrno = errno;
    ok = CloseStep(fd) == 0 && ok;
    if (!ok) return GiveUp(tempPath, savedErrno);
    if (RenameStep(tempPath, path) != 0) return GiveUp(tempPath, errno);
    return true;
}

int RemoveStaleTemporaries(const char* path)
{
    const char* slash = std::strrchr(path, '/');
    char folder[4096];
    const char* name = path;
    if (slash != nullptr) {
        const size_t length = static_cast<size_t>(slash - path);
        if (length >= sizeof folder) return 0;
        std::memcpy(folder, path, length);
        folder[length > 0 ? length : 1] = '\0';
        if (length == 0) folder[0] = '/';
        name = slash + 1;
    } else {
        std::strcpy(folder, ".");
    }
    DIR* dir = opendir(folder);
    if (dir == nullptr) return 0;
    const size_t nameLength = std::strlen(name);
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, name, nameLength)) continue;
        struct stat st;
        if (fstatat(dirfd(dir), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (unlinkat(dirfd(dir), entry->d_name, 0) == 0) ++removed;
    }
    closedir(dir);
    return removed;
}

void RecordFileSteps(bool on)
{
    if (on) stepCount = 0;
    recording = on;
}

int FileStepCount() { return stepCount; }

const FileStepRecord* FileStepLog() { return stepLog; }
