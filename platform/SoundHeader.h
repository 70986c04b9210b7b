#pragma once
// A sound or music file's header, checked before the sound library's
// readers see the file: SFML 2.5 trusts a WAV header (sound data before any
// format chunk makes it divide by a sample size of zero) and an Ogg Vorbis
// file's first page.
#include <cstddef>
#include <cstdint>

// How much of the file's start the check reads.
constexpr size_t kSoundHeaderBytes = 64 * 1024;

// Null when the file may go on to the reader, else a few words for a
// message ("has sound data before its format"). `bytes` holds the first
// `got` bytes of a file of `fileSize` bytes (got = min(fileSize, kSoundHeaderBytes)).
const char* SoundHeaderProblem(const uint8_t* bytes, size_t got, uint64_t fileSize);
