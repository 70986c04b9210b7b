// Any bytes as a sound or music file, through the game's guarded open, its
// header check and SFML's readers behind it: a file is either refused with
// a message or decoded to the samples it declares, never a crash or a hang
// (SFML 2.5 once divided by zero on a WAV without a format chunk).
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/Audio.h"

namespace {

std::string scratch;
std::string soundPath;

void RemoveScratch()
{
    std::remove(soundPath.c_str());
    rmdir(scratch.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // scripts/fuzz names a folder in memory that it removes itself.
    const char* parent = std::getenv("FV_FUZZ_SCRATCH");
    std::string pattern = std::string(parent != nullptr && parent[0] == '/' ? parent : "/tmp") + "/fv-fuzz-sound-XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) std::abort();
    scratch = pattern;
    soundPath = scratch + "/sound.wav";
    std::atexit(RemoveScratch);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (FILE* f = std::fopen(soundPath.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    DecodedSound sound;
    DecodeSoundFile(soundPath.c_str(), true, &sound);
    if (sound.ok && sound.sampleCount > 0 && sound.samples == nullptr) __builtin_trap();
    if (sound.ok && (sound.channels == 0 || sound.sampleRate == 0)) __builtin_trap();
    // Reads every sample, so the sanitizer sees a buffer shorter than its count.
    int16_t sum = 0;
    for (uint64_t i = 0; i < sound.sampleCount; ++i) sum ^= sound.samples[i];
    volatile int16_t keep = sum;
    (void)keep;
    FreeDecodedSound(&sound);
    return 0;
}
