#include "platform/Audio.h"

#include <SFML/Audio/InputSoundFile.hpp>
#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/Sound.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Audio/SoundFileFactory.hpp>
#include <SFML/Audio/SoundFileReader.hpp>
#include <SFML/System/InputStream.hpp>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <new>
#include <string>

#include "platform/FileAccess.h"
#include "platform/SfmlErrors.h"
#include "platform/SoundHeader.h"

namespace {

enum class AudioMode { Undecided, Real, Silent };

AudioMode audioMode = AudioMode::Undecided;
double silentClock = 0.0;

// The OpenAL device is opened once through the library itself (loaded at run
// time, the game links only SFML): SFML has no way to say whether a device
// exists, and without one every sound would print an OpenAL error.
bool ProbeAudioDevice()
{
    void* library = dlopen("libopenal.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    using OpenDevice = void* (*)(const char*);
    using CloseDevice = char (*)(void*);
    const auto openDevice = reinterpret_cast<OpenDevice>(dlsym(library, "alcOpenDevice"));
    const auto closeDevice = reinterpret_cast<CloseDevice>(dlsym(library, "alcCloseDevice"));
    bool found = false;
    if (openDevice && closeDevice) {
        void* device = openDevice(nullptr);
        if (device) {
            found = true;
            closeDevice(device);
        }
    }
    dlclose(library);
    return found;
}

bool Silent()
{
    if (audioMode == AudioMode::Undecided) InitAudio();
    return audioMode == AudioMode::Silent;
}

// Data paths may come with Windows separators.
std::string PlatformPath(const char* path)
{
    std::string p = path ? path : "";
    for (char& c : p)
        if (c == '\\') c = '/';
    return p;
}

// No sound or music file of the game comes near this.
constexpr uint64_t maxSoundFileBytes = 256ull << 20;

// Far more than any of the game's sounds (ten minutes of stereo at 48 kHz):
// a header declaring more is refused before anything is allocated.
constexpr uint64_t maxSoundSamples = 64ull << 20;

SoundStatus FromSfml(sf::SoundSource::Status status)
{
    switch (status) {
    case sf::SoundSource::Playing: return SoundStatus::Playing;
    case sf::SoundSource::Paused: return SoundStatus::Paused;
    default: return SoundStatus::Stopped;
    }
}

// Status of a silent voice: a non-looping one has stopped once the clock
// passed the end of its samples.
SoundStatus SilentStatus(const SilentVoice& v, bool looping, float length)
{
    if (v.status == SoundStatus::Playing && !looping && silentClock - v.start >= length)
        return SoundStatus::Stopped;
    return v.status;
}

// Brings the stored status up to the clock, so a voice that ran out stays
// stopped when its looping or pitch changes afterwards.
void SettleSilent(SilentVoice& v, bool looping, float length) { v.status = SilentStatus(v, looping, length); }

// As SFML does: resume after a pause, otherwise start from the beginning.
void PlaySilent(SilentVoice& v, bool looping, float length)
{
    const SoundStatus now = SilentStatus(v, looping, length);
    v.start = now == SoundStatus::Paused ? silentClock - v.played : silentClock;
    v.status = SoundStatus::Playing;
}

void PauseSilent(SilentVoice& v, bool looping, float length)
{
    SettleSilent(v, looping, length);
    if (v.status == SoundStatus::Playing) {
        v.played = silentClock - v.start;
        v.status = SoundStatus::Paused;
    }
}

}  // namespace

// A sound file opened through the game's guarded open and checked before
// SFML reads it: SFML then reads the open file, never the path again, so
// nothing can be swapped in between.
class SoundFileStream : public sf::InputStream {
public:
    ~SoundFileStream() override { CloseGameFile(&file); }
    // False, after a message naming the file, when it must not be read.
    bool Open(const char* shownPath, const std::string& path)
    {
        const FileRead opened = OpenGameFile(path.c_str(), maxSoundFileBytes, &file);
        const char* problem = opened == FileRead::Ok ? nullptr : DescribeFileRead(opened);
        if (problem == nullptr) {
            uint8_t header[kSoundHeaderBytes];
            const size_t want = file.size < sizeof header ? static_cast<size_t>(file.size) : sizeof header;
            const size_t got = ReadGameFileAt(file, 0, header, want);
            problem = got < want ? DescribeFileRead(FileRead::Unreadable) : SoundHeaderProblem(header, got, file.size);
        }
        if (problem == nullptr) return true;
        std::fprintf(stderr, "Sound \"%s\" %s: it is not played\n", shownPath, problem);
        CloseGameFile(&file);
        return false;
    }
    // The WAV reader asks for a few bytes per sample: they come from a
    // buffer, not from a system call each.
    sf::Int64 read(void* data, sf::Int64 size) override
    {
        if (size <= 0) return 0;
        uint8_t* into = static_cast<uint8_t*>(data);
        size_t wanted = static_cast<size_t>(size), done = 0;
        while (done < wanted) {
            if (position < bufferStart || position >= bufferStart + bufferLength) {
                if (wanted - done >= sizeof buffer) {
                    const size_t got = ReadGameFileAt(file, position, into + done, wanted - done);
                    position += got;
                    done += got;
                    break;
                }
                bufferStart = position;
                bufferLength = ReadGameFileAt(file, position, buffer, sizeof buffer);
                if (bufferLength == 0) break;
            }
            const size_t at = static_cast<size_t>(position - bufferStart);
            const size_t part = std::min(bufferLength - at, wanted - done);
            std::memcpy(into + done, buffer + at, part);
            position += part;
            done += part;
        }
        return static_cast<sf::Int64>(done);
    }
    sf::Int64 seek(sf::Int64 to) override
    {
        if (to < 0) return -1;
        position = static_cast<uint64_t>(to) < file.size ? static_cast<uint64_t>(to) : file.size;
        return static_cast<sf::Int64>(position);
    }
    sf::Int64 tell() override { return static_cast<sf::Int64>(position); }
    sf::Int64 getSize() override { return static_cast<sf::Int64>(file.size); }

private:
    GameFile file;
    uint64_t position = 0;
    uint8_t buffer[32 * 1024];
    uint64_t bufferStart = 0;
    size_t bufferLength = 0;
};

bool InitAudio()
{
    if (audioMode == AudioMode::Undecided) {
        RouteSfmlErrors();
        if (ProbeAudioDevice()) {
            audioMode = AudioMode::Real;
        } else {
            audioMode = AudioMode::Silent;
            std::fprintf(stderr, "FlorpVops: no audio device found; the game runs without sound.\n");
        }
    }
    return audioMode == AudioMode::Real;
}

void SetSilentAudio(bool silent) { audioMode = silent ? AudioMode::Silent : AudioMode::Real; }

bool IsSilentAudio() { return Silent(); }

void ResetAudioChoice() { audioMode = AudioMode::Undecided; }

void AdvanceSilentAudio(float seconds)
{
    if (seconds > 0.f) silentClock += seconds;
}

float SilentAudioTime() { return static_cast<float>(silentClock); }

// ---------------------------------------------------------------- SoundBuffer

SoundBuffer::SoundBuffer() : buffer(nullptr), duration(0.f), loaded(false) {}

SoundBuffer::~SoundBuffer() { delete buffer; }

bool PrepareSoundDecoding()
{
    static bool readersReady = false;
    if (!readersReady) {
        // Asking for a reader of nothing sets up the list of readers; the
        // complaint about nothing is kept off standard error.
        QuietSfmlErrors quiet;
        delete sf::SoundFileFactory::createReaderFromMemory(nullptr, 0);
        readersReady = true;
    }
    return !Silent();
}

void DecodeSoundFile(const char* path, bool samples, DecodedSound* out)
{
    *out = DecodedSound{};
    SoundFileStream source;
    if (!source.Open(path, PlatformPath(path))) return;
    sf::InputSoundFile file;
    if (!file.openFromStream(source)) {
        std::fprintf(stderr, "Sound \"%s\" cannot be decoded: it is not played\n", path);
        return;
    }
    out->seconds = file.getDuration().asSeconds();
    if (!samples) {
        out->ok = true;
        return;
    }
    const uint64_t count = file.getSampleCount();
    if (count > maxSoundSamples) {
        std::fprintf(stderr, "Sound \"%s\" declares %llu samples, more than a sound may hold: it is not played\n",
                     path, static_cast<unsigned long long>(count));
        return;
    }
    out->samples = new (std::nothrow) int16_t[count > 0 ? count : 1];
    if (out->samples == nullptr) return;
    out->sampleCount = file.read(out->samples, count);
    out->channels = file.getChannelCount();
    out->sampleRate = file.getSampleRate();
    out->ok = true;
}

void FreeDecodedSound(DecodedSound* sound)
{
    delete[] sound->samples;
    *sound = DecodedSound{};
}

bool SoundBuffer::LoadFromFile(const char* path)
{
    DecodedSound sound;
    // Called on the game thread only, where SFML may set up its readers.
    DecodeSoundFile(path, !Silent(), &sound);
    const bool ok = LoadDecoded(sound);
    FreeDecodedSound(&sound);
    return ok;
}

bool SoundBuffer::LoadDecoded(const DecodedSound& sound)
{
    // A failed (re)load keeps what was loaded before.
    if (!sound.ok) return false;
    if (Silent()) {
        duration = sound.seconds;
        loaded = true;
        return true;
    }
    if (sound.samples == nullptr) return false;
    if (!buffer) buffer = new sf::SoundBuffer;
    if (!buffer->loadFromSamples(sound.samples, sound.sampleCount, sound.channels, sound.sampleRate))
        return false;
    duration = buffer->getDuration().asSeconds();
    loaded = true;
    return true;
}

// ---------------------------------------------------------------- Sound

Sound::Sound()
    : voice(nullptr), soundBuffer(nullptr), looping(false), pitch(1.f), volume(100.f)
{
}

Sound::Sound(const SoundBuffer& buffer, bool loop, float pitchValue, float volumeValue) : Sound()
{
    soundBuffer = &buffer;
    looping = loop;
    pitch = pitchValue;
    volume = volumeValue;
}

Sound::~Sound() { delete voice; }

void Sound::SetBuffer(const SoundBuffer& buffer)
{
    Stop();
    soundBuffer = &buffer;
    if (voice) {
        if (buffer.buffer)
            voice->setBuffer(*buffer.buffer);
        else
            voice->resetBuffer();
    }
}

void Sound::Play()
{
    if (Silent()) {
        if (!soundBuffer || !soundBuffer->loaded)
            silent.status = SoundStatus::Stopped;
        else
            PlaySilent(silent, looping, SilentLength());
        return;
    }
    if (!soundBuffer || !soundBuffer->buffer) return;
    if (!voice) {
        // The OpenAL source is made here, not at construction: most voices
        // never play, and OpenAL limits the number of sources.
        voice = new sf::Sound;
        voice->setLoop(looping);
        voice->setPitch(pitch);
        voice->setVolume(volume);
    }
    if (voice->getBuffer() != soundBuffer->buffer) voice->setBuffer(*soundBuffer->buffer);
    voice->play();
}

void Sound::Pause()
{
    if (Silent()) {
        PauseSilent(silent, looping, SilentLength());
        return;
    }
    if (voice) voice->pause();
}

void Sound::Stop()
{
    silent.status = SoundStatus::Stopped;
    if (voice) voice->stop();
}

void Sound::SetLoop(bool loop)
{
    // A silent voice that already ran out stays stopped when looping is
    // switched on later.
    if (Silent()) SettleSilent(silent, looping, SilentLength());
    if (Silent() && looping && !loop && silent.status == SoundStatus::Playing) {
        // A looping voice that stops looping finishes its current pass.
        const float length = SilentLength();
        if (length > 0.f) {
            const double played = silentClock - silent.start;
            const double passes = static_cast<double>(static_cast<long long>(played / length));
            silent.start += passes * length;
        }
    }
    looping = loop;
    if (voice) voice->setLoop(loop);
}

void Sound::SetPitch(float value)
{
    if (Silent()) SettleSilent(silent, looping, SilentLength());
    pitch = value;
    if (voice) voice->setPitch(value);
}

void Sound::SetVolume(float value)
{
    volume = value;
    if (voice) voice->setVolume(value);
}

float Sound::SilentLength() const { return soundBuffer ? soundBuffer->duration / (pitch > 0.f ? pitch : 1.f) : 0.f; }

SoundStatus Sound::GetStatus() const
{
    if (audioMode != AudioMode::Silent) return voice ? FromSfml(voice->getStatus()) : SoundStatus::Stopped;
    return SilentStatus(silent, looping, SilentLength());
}

// ---------------------------------------------------------------- Music

Music::Music()
    : stream(nullptr), source(nullptr), opened(false), looping(false), volume(100.f), duration(0.f)
{
}

Music::~Music()
{
    delete stream;
    delete source;
}

bool Music::OpenFromFile(const char* path)
{
    // Opening replaces the current track; the old one stops whether or not
    // the new file can be read.
    Stop();
    opened = false;
    duration = 0.f;
    if (Silent()) {
        DecodedSound length;
        DecodeSoundFile(path, false, &length);
        if (!length.ok) return false;
        duration = length.seconds;
        opened = true;
        return true;
    }
    if (!stream) {
        stream = new sf::Music;
        stream->setLoop(looping);
        stream->setVolume(volume);
    }
    // The open file stays with the stream while it plays; the track it
    // replaces is let go once the stream has dropped it.
    SoundFileStream* next = new SoundFileStream;
    const bool readable = next->Open(path, PlatformPath(path));
    const bool ok = readable && stream->openFromStream(*next);
    if (readable && !ok) std::fprintf(stderr, "Sound \"%s\" cannot be decoded: it is not played\n", path);
    delete source;
    source = next;
    if (!ok) return false;
    duration = stream->getDuration().asSeconds();
    opened = true;
    return true;
}

void Music::Play()
{
    if (!opened) return;  // an unopened stream is silent, not an error
    if (Silent()) {
        PlaySilent(silent, looping, duration);
        return;
    }
    stream->play();
}

void Music::Pause()
{
    if (Silent()) {
        PauseSilent(silent, looping, duration);
        return;
    }
    if (stream) stream->pause();
}

void Music::Stop()
{
    silent.status = SoundStatus::Stopped;
    if (stream) stream->stop();
}

void Music::SetLoop(bool loop)
{
    if (Silent()) SettleSilent(silent, looping, duration);
    looping = loop;
    if (stream) stream->setLoop(loop);
}

void Music::SetVolume(float value)
{
    volume = value;
    if (stream) stream->setVolume(value);
}

SoundStatus Music::GetStatus() const
{
    if (audioMode != AudioMode::Silent) return stream ? FromSfml(stream->getStatus()) : SoundStatus::Stopped;
    return SilentStatus(silent, looping, duration);
}
