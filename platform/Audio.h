#pragma once
// The game's voices and music stream over the SFML audio module, with the
// SFML-1-style names the game's code was written against.
//
// Two back ends, chosen once before any buffer is loaded:
// - real: SFML over OpenAL. A Sound owns no OpenAL source until its first
//   Play, because the game declares more voices than OpenAL Soft allows
//   sources (256) and most of them never sound in a run.
// - silent: no OpenAL call at all; status still behaves as if playing, with
//   time taken from an explicit clock the caller advances. Used by tests and
//   when the machine has no audio device.

#include <cstdint>

namespace sf {
class SoundBuffer;
class Sound;
class Music;
}
class SoundFileStream;

enum class SoundStatus { Stopped, Paused, Playing };

// Where a voice is in its samples in silent mode: its status and the silent
// clock's time the current play started (shifted by what was played before
// a pause). Sound and Music share it.
struct SilentVoice {
    SoundStatus status = SoundStatus::Stopped;
    double start = 0.0;
    double played = 0.0;
};

// Probes the audio device once. With no device the game switches to silent
// mode and writes one message to standard error. Returns true when sound
// reaches a device. Calling it again returns the first answer.
bool InitAudio();
// Forces the back end (tests). Call before any buffer, sound or music is used.
void SetSilentAudio(bool silent);
bool IsSilentAudio();
// Forgets the choice, so the next use probes the device again (tests).
void ResetAudioChoice();
// Advances the silent clock: a non-looping silent sound stops once it has
// played for its buffer's duration (divided by its pitch).
void AdvanceSilentAudio(float seconds);
float SilentAudioTime();

// A sound file read whole, off the game thread if need be: any thread may
// decode; only the game thread loads the result into a buffer.
struct DecodedSound {
    int16_t* samples = nullptr;
    uint64_t sampleCount = 0;
    unsigned channels = 0, sampleRate = 0;
    float seconds = 0.f;
    bool ok = false;
};
// Call on the game thread before decoding on others: readies the sound file
// readers (they set themselves up on first use, without a lock) and says
// whether the back end needs the samples (silent mode needs the length only).
bool PrepareSoundDecoding();
// Reads the file (its samples, or with `samples` false its length only).
// A file that is not a regular file, is too large, or whose header the
// reader could not safely take is refused with a message naming it. Any
// thread.
void DecodeSoundFile(const char* path, bool samples, DecodedSound* out);
void FreeDecodedSound(DecodedSound* sound);

class SoundBuffer {
public:
    SoundBuffer();
    ~SoundBuffer();
    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Loads (or reloads) the samples; false when the file cannot be read.
    // Sounds bound to this buffer stay bound across a reload.
    bool LoadFromFile(const char* path);
    // The same from a decoded file (which stays the caller's to free).
    bool LoadDecoded(const DecodedSound& sound);
    bool IsLoaded() const { return loaded; }
    float GetDuration() const { return duration; }

private:
    friend class Sound;
    sf::SoundBuffer* buffer;  // real mode only, made on the first load
    float duration;           // seconds
    bool loaded;
};

class Sound {
public:
    Sound();
    explicit Sound(const SoundBuffer& buffer, bool loop = false, float pitch = 1.f, float volume = 100.f);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void SetBuffer(const SoundBuffer& buffer);
    const SoundBuffer* GetBuffer() const { return soundBuffer; }
    void Play();
    void Pause();
    void Stop();
    void SetLoop(bool loop);
    bool GetLoop() const { return looping; }
    void SetPitch(float pitch);
    float GetPitch() const { return pitch; }
    void SetVolume(float volume);  // 0 to 100
    float GetVolume() const { return volume; }
    SoundStatus GetStatus() const;
    // True once this voice holds an OpenAL source (real mode, after a Play).
    bool HasSource() const { return voice != nullptr; }

private:
    sf::Sound* voice;  // made on the first Play in real mode
    const SoundBuffer* soundBuffer;
    bool looping;
    float pitch;
    float volume;
    SilentVoice silent;
    float SilentLength() const;  // the samples' duration at this pitch
};

class Music {
public:
    Music();
    ~Music();
    Music(const Music&) = delete;
    Music& operator=(const Music&) = delete;

    // Opens a file for streaming, replacing the current track. On failure the
    // stream has no source: playing it does nothing.
    bool OpenFromFile(const char* path);
    bool IsOpen() const { return opened; }
    void Play();
    void Pause();
    void Stop();
    void SetLoop(bool loop);
    bool GetLoop() const { return looping; }
    void SetVolume(float volume);  // 0 to 100
    float GetVolume() const { return volume; }
    float GetDuration() const { return duration; }
    SoundStatus GetStatus() const;

private:
    sf::Music* stream;  // real mode only, made on the first open
    SoundFileStream* source;  // the open file the stream reads
    bool opened;
    bool looping;
    float volume;
    float duration;
    SilentVoice silent;
};
