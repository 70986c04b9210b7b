#include "platform/GameFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kMaxCandidates = 32;
// The folders inside it that tell the game's data folder from any other
// folder named "data" (a player's own, in the home folder, say). Folders,
// not a file: a damaged file in data/ is for its reader to name, not a
// reason to say there is no data folder.
const char* const kMarkerFolders[] = {"/data/sprite", "/data/menusprite"};

struct Candidates {
    int count;
    char folders[kMaxCandidates][kGameFolderCapacity];
};

bool IsDirectory(const char* path) {
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool HoldsGameData(const char* folder) {
    char path[kGameFolderCapacity + 32];
    std::snprintf(path, sizeof path, "%s/data", folder);
    if (!IsDirectory(path)) return false;
    for (const char* marker : kMarkerFolders) {
        std::snprintf(path, sizeof path, "%s%s", folder, marker);
        if (!IsDirectory(path)) return false;
    }
    return true;
}

void Add(Candidates* list, const char* folder) {
    if (folder == nullptr || folder[0] == '\0' || list->count >= kMaxCandidates) return;
    if (std::strlen(folder) >= static_cast<size_t>(kGameFolderCapacity)) return;
    for (int i = 0; i < list->count; ++i)
        if (std::strcmp(list->folders[i], folder) == 0) return;
    std::strcpy(list->folders[list->count++], folder);
}

// "/a/b" -> "/a", "/a" -> "/"; false at the root.
bool ParentOf(char* folder) {
    char* slash = std::strrchr(folder, '/');
    if (slash == nullptr || (slash == folder && folder[1] == '\0')) return false;
    if (slash == folder) slash[1] = '\0';
    else *slash = '\0';
    return true;
}

bool Inside(const char* folder, const char* root) {
    if (root == nullptr || root[0] != '/') return false;
    size_t n = std::strlen(root);
    while (n > 1 && root[n - 1] == '/') --n;
    if (std::strncmp(folder, root, n) != 0) return false;
    return folder[n] == '\0' || folder[n] == '/' || n == 1;
}

void AppendLooked(char* looked, int capacity, const char* folder) {
    const size_t used = std::strlen(looked);
    if (used + 1 >= static_cast<size_t>(capacity)) return;
    std::snprintf(looked + used, static_cast<size_t>(capacity) - used, "%s%s/data",
                  used > 0 ? ", " : "", std::strcmp(folder, "/") == 0 ? "" : folder);
}

}  // namespace

bool FindGameFolder(const char* workingFolder, const char* executablePath,
                    const char* sourceRoot, char* found, int foundCapacity, char* looked,
                    int lookedCapacity) {
    if (foundCapacity > 0) found[0] = '\0';
    if (lookedCapacity > 0) looked[0] = '\0';
    static Candidates list;  // 128 KB: kept off the stack
    list.count = 0;
    Add(&list, workingFolder);

    char folder[kGameFolderCapacity];
    if (executablePath != nullptr && executablePath[0] == '/' &&
        std::strlen(executablePath) < sizeof folder) {
        std::strcpy(folder, executablePath);
        if (ParentOf(folder)) {
            Add(&list, folder);
            if (Inside(folder, sourceRoot)) {
                // Up through the build folders to the checkout, no further.
                while (!Inside(sourceRoot, folder) && ParentOf(folder)) Add(&list, folder);
            } else if (ParentOf(folder)) {
                Add(&list, folder);
            }
        }
    }

    for (int i = 0; i < list.count; ++i) {
        AppendLooked(looked, lookedCapacity, list.folders[i]);
        if (!HoldsGameData(list.folders[i])) continue;
        if (std::strlen(list.folders[i]) >= static_cast<size_t>(foundCapacity)) continue;
        std::strcpy(found, list.folders[i]);
        return true;
    }
    return false;
}

bool EnterGameFolder(const char* sourceRoot) {
    char working[kGameFolderCapacity];
    if (getcwd(working, sizeof working) == nullptr) working[0] = '\0';
    char executable[kGameFolderCapacity];
    const ssize_t n = readlink("/proc/self/exe", executable, sizeof executable - 1);
    executable[n > 0 ? n : 0] = '\0';
    // The source root may reach the checkout through a link; compare real paths.
    char root[PATH_MAX];
    const char* realRoot = sourceRoot != nullptr && realpath(sourceRoot, root) ? root : sourceRoot;

    char found[kGameFolderCapacity];
    static char looked[kGameFolderLookedCapacity];
    if (!FindGameFolder(working, executable, realRoot, found, sizeof found, looked,
                        sizeof looked)) {
        std::fprintf(stderr,
                     "FlorpVops: no data folder found (looked for %s); build it with ./play "
                     "or start the game from the folder that holds data/.\n",
                     looked[0] != '\0' ? looked : "data in the working folder");
        return false;
    }
    if (std::strcmp(found, working) != 0 && chdir(found) != 0) {
        std::fprintf(stderr, "FlorpVops: cannot change into the game's folder %s.\n", found);
        return false;
    }
    return true;
}
