#include "platform/UserDirs.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include "platform/FileAccess.h"

namespace {

bool CopyString(char* out, size_t size, const char* text)
{
    const size_t n = std::strlen(text);
    if (n + 1 > size) {
        if (size > 0) out[0] = '\0';
        return false;
    }
    std::memcpy(out, text, n + 1);
    return true;
}

const char* HomeDir()
{
    const char* home = std::getenv("HOME");
    if (home && home[0] == '/') return home;
    const passwd* pw = getpwuid(getuid());
    if (pw && pw->pw_dir && pw->pw_dir[0] == '/') return pw->pw_dir;
    return nullptr;
}

// Creates every missing level of an absolute path.
bool MakeDirs(const char* path)
{
    char partial[4096];
    if (!CopyString(partial, sizeof partial, path)) return false;
    for (char* p = partial + 1; *p; ++p) {
        if (*p != '/') continue;
        *p = '\0';
        MakeDir(partial);
        *p = '/';
    }
    return MakeDir(partial);
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs, with $HOME expanded;
// false when the file or the line is missing or the value is unusable.
bool ReadXdgDocumentsDir(const char* home, char* out, size_t size)
{
    char configPath[4096];
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    int n;
    if (configHome && configHome[0] == '/')
        n = std::snprintf(configPath, sizeof configPath, "%s/user-dirs.dirs", configHome);
    else
        n = std::snprintf(configPath, sizeof configPath, "%s/.config/user-dirs.dirs", home);
    if (n < 0 || static_cast<size_t>(n) >= sizeof configPath) return false;

    // Read whole and bounded: a FIFO or folder there must not stall start-up.
    static char text[64 * 1024];
    size_t length = 0;
    if (ReadRegularFile(configPath, text, sizeof text - 1, &length) != FileRead::Ok) return false;
    text[length] = '\0';
    bool found = false;
    for (char* line = text; !found && line && *line;) {
        char* next = std::strchr(line, '\n');
        if (next) *next++ = '\0';
        const char* p = line;
        line = next;
        while (*p == ' ' || *p == '\t') ++p;
        if (std::strncmp(p, "XDG_DOCUMENTS_DIR", 17) != 0) continue;
        p += 17;
        while (*p == ' ' || *p == '\t') ++p;
        if (*p != '=') continue;
        ++p;
        while (*p == ' ' || *p == '\t') ++p;
        if (*p != '"') continue;
        ++p;
        const char* end = std::strchr(p, '"');
        if (!end) continue;
        char value[4096];
        size_t valueLength = static_cast<size_t>(end - p);
        if (valueLength >= sizeof value) continue;
        std::memcpy(value, p, valueLength);
        value[valueLength] = '\0';
        int written;
        if (std::strncmp(value, "$HOME", 5) == 0 && (value[5] == '/' || value[5] == '\0'))
            written = std::snprintf(out, size, "%s%s", home, value + 5);
        else if (value[0] == '/')
            written = std::snprintf(out, size, "%s", value);
        else
            continue;  // relative paths are not allowed in user-dirs.dirs
        if (written < 0 || static_cast<size_t>(written) >= size) continue;
        // A trailing slash would give "dir///FlorpVops"; harmless, but keep it tidy.
        size_t len = std::strlen(out);
        while (len > 1 && out[len - 1] == '/') out[--len] = '\0';
        found = true;
    }
    return found;
}

struct LocaleEntry {
    const char* name;  // language, or language_TERRITORY
    int id;
};

// Windows locale ids of the languages the game speaks and a few neighbours;
// a bare language stands for its main country.
const LocaleEntry kLocales[] = {
    {"de_DE", 1031}, {"de_AT", 3079}, {"de_LI", 5127}, {"de_LU", 4103}, {"de_CH", 2055},
    {"de", 1031},
    {"fr_FR", 1036}, {"fr_CA", 3084}, {"fr_BE", 2060}, {"fr_CH", 4108}, {"fr_LU", 5132},
    {"fr", 1036},
    {"es_ES", 3082}, {"es_MX", 2058}, {"es_AR", 11274}, {"es", 3082},
    {"it_IT", 1040}, {"it_CH", 2064}, {"it", 1040},
    {"en_US", 1033}, {"en_GB", 2057}, {"en_AU", 3081}, {"en_CA", 4105}, {"en", 1033},
    {"nl_NL", 1043}, {"nl_BE", 2067}, {"nl", 1043},
    {"pt_BR", 1046}, {"pt_PT", 2070}, {"pt", 2070},
    {"pl", 1045}, {"ru", 1049}, {"sv", 1053}, {"da", 1030}, {"nb", 1044}, {"fi", 1035},
    {"cs", 1029}, {"ja", 1041}, {"zh", 2052}, {"ko", 1042}, {"tr", 1055},
};

}  // namespace

bool MakeDir(const char* path)
{
    if (mkdir(path, 0755) == 0) return true;
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

bool GetDocumentsDir(char* out, size_t size)
{
    if (size > 0) out[0] = '\0';
    const char* home = HomeDir();
    if (!home) return false;
    char dir[4096];
    if (ReadXdgDocumentsDir(home, dir, sizeof dir)) {
        if (MakeDirs(dir)) return CopyString(out, size, dir);
        // Saving there would fail all session long.
        std::fprintf(stderr, "FlorpVops: the documents folder %s named by XDG_DOCUMENTS_DIR is not a folder; "
                     "settings go to the home folder instead\n", dir);
    }
    if (!CopyString(dir, sizeof dir, home) || !MakeDirs(dir)) return false;
    return CopyString(out, size, dir);
}

int LocaleIdFromName(const char* name)
{
    if (!name) return 1033;
    // "ll_TT.codeset@modifier": keep the language and territory.
    char key[16];
    size_t n = 0;
    while (name[n] && name[n] != '.' && name[n] != '@' && n + 1 < sizeof key) {
        key[n] = name[n];
        ++n;
    }
    key[n] = '\0';
    for (const LocaleEntry& e : kLocales)
        if (std::strcmp(e.name, key) == 0) return e.id;
    char* underscore = std::strchr(key, '_');
    if (underscore) {
        *underscore = '\0';
        for (const LocaleEntry& e : kLocales)
            if (std::strcmp(e.name, key) == 0) return e.id;
    }
    return 1033;
}

int GetSystemLocaleId()
{
    static const char* const kVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    for (const char* variable : kVariables) {
        const char* value = std::getenv(variable);
        if (value && value[0]) return LocaleIdFromName(value);
    }
    return 1033;
}

int LockFolder(const char* path)
{
    const int fd = open(path, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    // Another game holds it only for the few milliseconds of one save.
    for (int attempt = 0; attempt < 400; ++attempt) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
        if (errno != EWOULDBLOCK && errno != EINTR) {
            std::fprintf(stderr, "FlorpVops: %s cannot be locked (%s); saving without the lock\n", path,
                         std::strerror(errno));
            close(fd);
            return -1;
        }
        const timespec pause = {0, 5 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
    std::fprintf(stderr, "FlorpVops: %s stays locked by another program; saving without the lock\n", path);
    close(fd);
    return -1;
}

void UnlockFolder(int handle)
{
    if (handle >= 0) close(handle);  // closing lets the lock go
}
