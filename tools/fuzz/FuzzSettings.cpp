// Any bytes as any of the four settings files: the in-memory reader of each,
// then the whole road on disk for one of them (read, keep aside, write back
// merged), in a scratch folder of its own. A crash, a sanitizer report or a
// hang is a finding. Run with -close_fd_mask=2: every refused file says so
// on stderr.
#include <dirent.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/Settings.h"
#include "shared/LevelRecord.h"

namespace {

std::string scratch;

void EmptyScratch()
{
    const std::string dir = std::string(settingsDir);
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d))
            if (e->d_name[0] != '.') unlink((dir + "/" + e->d_name).c_str());
        closedir(d);
    }
}

void RemoveScratch()
{
    EmptyScratch();
    rmdir(settingsDir);
    rmdir(scratch.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Memory-backed when the system has it: every input is written to disk.
    // scripts/fuzz names a folder it removes itself, since a run that ends
    // on a finding never reaches the removal below.
    const char* parent = std::getenv("FV_FUZZ_SCRATCH");
    std::string pattern = std::string(parent != nullptr && parent[0] == '/' ? parent : "/dev/shm") +
                          "/fv-fuzz-settings-XXXXXX";
    char fallback[] = "/tmp/fv-fuzz-settings-XXXXXX";
    const char* made = mkdtemp(&pattern[0]);
    if (!made) made = mkdtemp(fallback);
    if (!made) std::abort();
    scratch = made;
    setenv("HOME", scratch.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    BuildSettingsPaths();
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    SetDefaultSettings();
    for (SettingsFileId id : {SettingsFileId::System, SettingsFileId::Options, SettingsFileId::Game,
                              SettingsFileId::Gamep})
        ReadSettingsText(id, bytes, size);

    EmptyScratch();
    const char* paths[] = {systemXmlPath, optionsXmlPath, gameXmlPath, gamepXmlPath};
    const char* path = paths[size % 4];
    if (FILE* f = std::fopen(path, "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    SetDefaultSettings();
    switch (size % 4) {
    case 0: ReadSystemXml(); WriteSystemXml(); break;
    case 1: ReadOptionsXml(); WriteOptionsXml(); break;
    case 2: ReadGameXml(); WriteGameXml(); break;
    default: LoadProgress(); SaveProgress(); break;
    }
    if (unlockedLevels < 1) __builtin_trap();  // the first level must always stay open
    return 0;
}
