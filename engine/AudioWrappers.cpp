#include "engine/AudioWrappers.h"

#include "engine/Settings.h"

MusicPlayer musicStream;

// SFML streams music in chunks of its own choosing; the construction needs
// no buffer size here.
MusicPlayer::MusicPlayer() = default;

void MusicPlayer::Open(const char* file, int loop)
{
    if (musicEnabled != 0) OpenFromFile(file);
    SetLoop(false);
    if (loop == 1) SetLoop(true);
}

void MusicPlayer::Play()
{
    if (musicEnabled != 0) Music::Play();
}

void MusicPlayer::SetVolume(float volume) { Music::SetVolume(volume); }
