// Voices and music in the silent back end (time from an explicit clock) and
// on OpenAL's null device, and the music option's effect on the stream.
#include "platform/Audio.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "TempHome.h"
#include "engine/AudioWrappers.h"
#include "engine/Settings.h"

namespace {

// A 16-bit mono PCM wave file of the given length.
void WriteWave(const std::string& path, float seconds)
{
    const uint32_t rate = 22050;
    const uint32_t samples = static_cast<uint32_t>(seconds * rate);
    const uint32_t dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate * 2);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (uint32_t i = 0; i < samples; ++i) u16(static_cast<uint16_t>((i % 50) * 400));
}

class SilentAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetSilentAudio(true);
        half = home.path + "/half.wav";
        two = home.path + "/two.wav";
        WriteWave(half, 0.5f);
        WriteWave(two, 2.0f);
    }
    TempHome home;
    std::string half, two;
};

TEST_F(SilentAudio, BuffersKnowTheirLengthAndMissingFilesFail)
{
    SoundBuffer buffer;
    EXPECT_FALSE(buffer.LoadFromFile((home.path + "/missing.wav").c_str()));
    EXPECT_FALSE(buffer.IsLoaded());
    ASSERT_TRUE(buffer.LoadFromFile(half.c_str()));
    EXPECT_NEAR(buffer.GetDuration(), 0.5f, 0.001f);
    // A failed reload keeps what was loaded.
    EXPECT_FALSE(buffer.LoadFromFile("data//nothing.wav"));
    EXPECT_TRUE(buffer.IsLoaded());
}

TEST_F(SilentAudio, AVoicePlaysForItsBuffersLengthThenStops)
{
    SoundBuffer buffer;
    ASSERT_TRUE(buffer.LoadFromFile(half.c_str()));
    Sound unbound;
    unbound.Play();
    EXPECT_EQ(unbound.GetStatus(), SoundStatus::Stopped);

    Sound sound(buffer);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);
    sound.Play();
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Playing);
    AdvanceSilentAudio(0.3f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Playing);
    AdvanceSilentAudio(0.3f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);
    EXPECT_FALSE(sound.HasSource());

    sound.SetPitch(2.0f);  // twice as fast, half as long
    sound.Play();
    AdvanceSilentAudio(0.2f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Playing);
    AdvanceSilentAudio(0.1f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);

    // A voice that ran out does not come back when looping is switched on.
    sound.SetLoop(true);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);
    sound.SetLoop(false);

    sound.SetPitch(1.0f);
    sound.Play();
    sound.Stop();
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);
}

TEST_F(SilentAudio, PauseHoldsThePlaceAndLoopingNeverEnds)
{
    SoundBuffer buffer;
    ASSERT_TRUE(buffer.LoadFromFile(half.c_str()));
    Sound sound;
    sound.SetBuffer(buffer);
    sound.Play();
    AdvanceSilentAudio(0.4f);
    sound.Pause();
    AdvanceSilentAudio(5.0f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Paused);
    sound.Play();
    AdvanceSilentAudio(0.05f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Playing);
    AdvanceSilentAudio(0.1f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);

    sound.SetLoop(true);
    EXPECT_TRUE(sound.GetLoop());
    sound.Play();
    AdvanceSilentAudio(10.2f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Playing);
    // Looping off: the pass under way finishes (0.3 s of it are left).
    sound.SetLoop(false);
    AdvanceSilentAudio(0.2f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Playing);
    AdvanceSilentAudio(0.2f);
    EXPECT_EQ(sound.GetStatus(), SoundStatus::Stopped);

    sound.SetVolume(40.0f);
    EXPECT_FLOAT_EQ(sound.GetVolume(), 40.0f);
}

TEST_F(SilentAudio, MusicPlaysOnlyWhenOpenAndReopeningReplacesTheTrack)
{
    Music music;
    music.Play();
    EXPECT_EQ(music.GetStatus(), SoundStatus::Stopped);
    ASSERT_TRUE(music.OpenFromFile(two.c_str()));
    music.Play();
    AdvanceSilentAudio(1.0f);
    EXPECT_EQ(music.GetStatus(), SoundStatus::Playing);
    ASSERT_TRUE(music.OpenFromFile(half.c_str()));
    EXPECT_EQ(music.GetStatus(), SoundStatus::Stopped);
    EXPECT_NEAR(music.GetDuration(), 0.5f, 0.001f);
    music.Play();
    AdvanceSilentAudio(0.6f);
    EXPECT_EQ(music.GetStatus(), SoundStatus::Stopped);
    EXPECT_FALSE(music.OpenFromFile((home.path + "/missing.ogg").c_str()));
    music.Play();
    EXPECT_EQ(music.GetStatus(), SoundStatus::Stopped);
}

TEST_F(SilentAudio, MusicOptionOffOnlySetsLoopingAndVolume)
{
    musicEnabled = 0;
    MusicPlayer player;
    player.Open(two.c_str(), 1);
    EXPECT_FALSE(player.IsOpen());
    EXPECT_TRUE(player.GetLoop());
    player.Play();
    EXPECT_EQ(player.GetStatus(), SoundStatus::Stopped);
    player.SetVolume(30.0f);
    EXPECT_FLOAT_EQ(player.GetVolume(), 30.0f);

    musicEnabled = 1;
    player.Open(two.c_str(), 2);  // only 1 means loop
    EXPECT_TRUE(player.IsOpen());
    EXPECT_FALSE(player.GetLoop());
    player.Play();
    AdvanceSilentAudio(2.5f);
    EXPECT_EQ(player.GetStatus(), SoundStatus::Stopped);
    player.Open(half.c_str(), 1);
    player.Play();
    AdvanceSilentAudio(3.0f);
    EXPECT_EQ(player.GetStatus(), SoundStatus::Playing);
    player.Stop();
    EXPECT_EQ(player.GetStatus(), SoundStatus::Stopped);
}

TEST_F(SilentAudio, ObjectVoicesSoundIndependently)
{
    SoundBuffer shortBuffer, longBuffer;
    ASSERT_TRUE(shortBuffer.LoadFromFile(half.c_str()));
    ASSERT_TRUE(longBuffer.LoadFromFile(two.c_str()));
    ObjectSoundSet voices;
    voices.popVoice.SetBuffer(shortBuffer);
    voices.cannonTurnVoice.SetBuffer(longBuffer);
    voices.cannonTurnVoice.SetLoop(true);
    voices.popVoice.Play();
    voices.cannonTurnVoice.Play();
    voices.spareVoice.Play();
    AdvanceSilentAudio(1.0f);
    EXPECT_EQ(voices.popVoice.GetStatus(), SoundStatus::Stopped);
    EXPECT_EQ(voices.cannonTurnVoice.GetStatus(), SoundStatus::Playing);
    EXPECT_EQ(voices.spareVoice.GetStatus(), SoundStatus::Stopped);
    EXPECT_EQ(voices.bounceVoice.GetStatus(), SoundStatus::Stopped);
}

TEST(AudioDevice, NoDeviceMeansSilentWithOneMessage)
{
    // In a child process: the back end is chosen once per process.
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    TempHome home;
    const std::string path = home.path + "/beep.wav";
    WriteWave(path, 0.5f);
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
            ResetAudioChoice();
            const bool real = InitAudio();
            SoundBuffer buffer;
            if (!buffer.LoadFromFile(path.c_str())) std::exit(2);
            Sound sounds[300];
            for (Sound& s : sounds) {
                s.SetBuffer(buffer);
                s.Play();
            }
            // This child started the test again and made a home of its own;
            // exit() would skip its removal.
            std::error_code ignored;
            std::filesystem::remove_all(home.path, ignored);
            std::exit(real || !IsSilentAudio() ? 1 : 0);
        },
        ::testing::ExitedWithCode(0), "^FlorpVops: no audio device found; the game runs without sound.\n$");
}

TEST(AudioDevice, TheNullDeviceCountsAsADevice)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    EXPECT_EXIT(
        {
            setenv("ALSOFT_DRIVERS", "null", 1);
            ResetAudioChoice();
            std::exit(InitAudio() && !IsSilentAudio() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// On OpenAL Soft's null device: real buffers and sources, no sound card.
class RealAudio : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("ALSOFT_DRIVERS", "null", 0);
        SetSilentAudio(false);
    }
    void TearDown() override { SetSilentAudio(true); }
    TempHome home;
};

TEST_F(RealAudio, VoicesTakeAnOpenAlSourceOnlyWhenFirstPlayed)
{
    const std::string path = home.path + "/beep.wav";
    WriteWave(path, 1.0f);
    SoundBuffer buffer;
    ASSERT_TRUE(buffer.LoadFromFile(path.c_str()));
    EXPECT_NEAR(buffer.GetDuration(), 1.0f, 0.001f);

    // More voices than OpenAL Soft has sources.
    std::unique_ptr<Sound[]> voices(new Sound[300]);
    for (int i = 0; i < 300; ++i) voices[i].SetBuffer(buffer);
    for (int i = 0; i < 300; ++i) EXPECT_FALSE(voices[i].HasSource());
    voices[7].SetVolume(50.0f);
    voices[7].Play();
    EXPECT_TRUE(voices[7].HasSource());
    EXPECT_EQ(voices[7].GetStatus(), SoundStatus::Playing);
    EXPECT_EQ(voices[8].GetStatus(), SoundStatus::Stopped);
    voices[7].Pause();
    EXPECT_EQ(voices[7].GetStatus(), SoundStatus::Paused);
    voices[7].Stop();
    EXPECT_EQ(voices[7].GetStatus(), SoundStatus::Stopped);

    Music music;
    music.Play();  // nothing open: nothing happens, no error
    EXPECT_EQ(music.GetStatus(), SoundStatus::Stopped);
    ASSERT_TRUE(music.OpenFromFile(path.c_str()));
    music.SetLoop(true);
    music.Play();
    EXPECT_EQ(music.GetStatus(), SoundStatus::Playing);
    music.Stop();
    EXPECT_EQ(music.GetStatus(), SoundStatus::Stopped);

    // The music option on the real device.
    musicEnabled = 0;
    MusicPlayer player;
    player.Open(path.c_str(), 1);
    player.Play();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.GetStatus(), SoundStatus::Stopped);
    musicEnabled = 1;
    player.Open(path.c_str(), 1);
    player.Play();
    player.SetVolume(50.0f);
    EXPECT_EQ(player.GetStatus(), SoundStatus::Playing);
    player.Stop();
    voices.reset();
}

// Sounds decode on worker threads while the launcher shows; what the game
// thread then loads must be what the buffer would have read itself.
TEST_F(RealAudio, ASoundDecodedOnAnotherThreadLoadsAsItsFileDoes)
{
    const std::string path = home.path + "/beep.wav";
    WriteWave(path, 0.75f);
    ASSERT_TRUE(PrepareSoundDecoding());
    DecodedSound decoded;
    std::thread([&] { DecodeSoundFile(path.c_str(), true, &decoded); }).join();
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.sampleCount, 16537u);
    EXPECT_EQ(decoded.channels, 1u);
    EXPECT_EQ(decoded.sampleRate, 22050u);
    SoundBuffer fromDecoded, fromFile;
    ASSERT_TRUE(fromDecoded.LoadDecoded(decoded));
    FreeDecodedSound(&decoded);
    EXPECT_EQ(decoded.samples, nullptr);
    ASSERT_TRUE(fromFile.LoadFromFile(path.c_str()));
    EXPECT_FLOAT_EQ(fromDecoded.GetDuration(), fromFile.GetDuration());
    // A failed decode loads nothing and keeps what the buffer had.
    DecodeSoundFile((home.path + "/missing.wav").c_str(), true, &decoded);
    EXPECT_FALSE(decoded.ok);
    EXPECT_FALSE(fromDecoded.LoadDecoded(decoded));
    EXPECT_TRUE(fromDecoded.IsLoaded());
}

// Damaged, huge, folder and FIFO "sounds" are refused or read short, never
// crash, allocate their declared size or block the reader.
TEST_F(RealAudio, BadSoundFilesAreRefusedBeforeTheyAreRead)
{
    const std::string folder = home.path + "/folder.wav";
    const std::string fifo = home.path + "/fifo.wav";
    ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {folder, fifo}) {
        DecodedSound decoded;
        testing::internal::CaptureStderr();
        DecodeSoundFile(path.c_str(), true, &decoded);
        EXPECT_NE(testing::internal::GetCapturedStderr().find("is not a regular file"), std::string::npos) << path;
        EXPECT_FALSE(decoded.ok) << path;
        Music music;
        EXPECT_FALSE(music.OpenFromFile(path.c_str())) << path;
    }
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator("tests/engine/fuzz-regressions/sound")) {
        ++files;
        const std::string path = entry.path().string();
        DecodedSound decoded;
        testing::internal::CaptureStderr();
        DecodeSoundFile(path.c_str(), true, &decoded);
        const std::string said = testing::internal::GetCapturedStderr();
        const std::string name = entry.path().filename().string();
        if (name == "huge-declared-size.wav") {
            EXPECT_FALSE(decoded.ok);
            EXPECT_NE(said.find("more than a sound may hold"), std::string::npos) << said;
        }
        // Headers the sound library would divide by zero on or misread: refused
        // by name before it sees them, for sounds and music alike.
        if (name.find("format") != std::string::npos || name.find("zero-channels") != std::string::npos ||
            name.find("block-sizes") != std::string::npos) {
            EXPECT_FALSE(decoded.ok) << name;
            EXPECT_NE(said.find(path + "\" "), std::string::npos) << said;
            EXPECT_NE(said.find("it is not played"), std::string::npos) << said;
            Music music;
            EXPECT_FALSE(music.OpenFromFile(path.c_str())) << name;
        }
        SoundBuffer buffer;
        if (decoded.ok) {
            EXPECT_LE(decoded.sampleCount, 4000u) << path;
            buffer.LoadDecoded(decoded);
        }
        FreeDecodedSound(&decoded);
    }
    EXPECT_GE(files, 8);
}

}  // namespace
