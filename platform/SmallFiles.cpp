#include "platform/SmallFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens for reading without waiting for a FIFO's writer, and tells a
// regular file from everything else on the open descriptor itself, so the
// path cannot change between the test and the read.
FileRead OpenRegular(const char* path, int* fd, off_t* size)
{
    *fd = open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (*fd < 0) return errno == ENOENT || errno == ENOTDIR ? FileRead::Missing : FileRead::Unreadable;
    struct stat st;
    if (fstat(*fd, &st) != 0) {
        close(*fd);
        return FileRead::Unreadable;
    }
    if (!S_ISREG(st.st_mode)) {
        close(*fd);
        return FileRead::NotRegular;
    }
    *size = st.st_size;
    return FileRead::Ok;
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
            return FileRead::Unreadable;
        }
        if (n == 0) break;
        if (done >= capacity) return FileRead::TooLarge;
        done += static_cast<size_t>(n);
    }
    *length = done;
    return FileRead::Ok;
}

}  // namespace

FileRead ReadRegularFile(const char* path, char* buffer, size_t capacity, size_t* length)
{
    *length = 0;
    int fd;
    off_t size;
    const FileRead opened = OpenRegular(path, &fd, &size);
    if (opened != FileRead::Ok) return opened;
    FileRead result = static_cast<unsigned long long>(size) > capacity ? FileRead::TooLarge
                                                                      : ReadAll(fd, buffer, capacity, length);
    close(fd);
    if (result != FileRead::Ok) *length = 0;
    return result;
}

FileRead ReadRegularFile(const char* path, size_t maxBytes, std::string* text)
{
    text->clear();
    int fd;
    off_t size;
    const FileRead opened = OpenRegular(path, &fd, &size);
    if (opened != FileRead::Ok) return opened;
    if (static_cast<unsigned long long>(size) > maxBytes) {
        close(fd);
        return FileRead::TooLarge;
    }
    // Room for what fstat said plus a little growth; ReadAll refuses more
    // than maxBytes.
    text->resize(maxBytes);
    size_t length = 0;
    const FileRead result = ReadAll(fd, &(*text)[0], maxBytes, &length);
    close(fd);
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
    case FileRead::Unreadable: return "cannot be read";
    }
    return "cannot be read";
}

PathKind KindOfPath(const char* path)
{
    struct stat st;
    if (stat(path, &st) != 0) return errno == ENOENT || errno == ENOTDIR ? PathKind::Missing : PathKind::Other;
    return S_ISREG(st.st_mode) ? PathKind::Regular : PathKind::Other;
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
