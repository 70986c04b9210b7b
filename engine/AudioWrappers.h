#pragma once
// The music stream and the per-object sound voices. The "music" option takes
// effect here: with it off the stream is never opened or started.
#include "platform/Audio.h"

// The streamed track (title, then each level's). Stopping, pausing and
// asking its status go straight to the Music calls it inherits.
class MusicPlayer : public Music {
public:
    MusicPlayer();
    // Opens the file when music is enabled; looping is on only for loop == 1.
    void Open(const char* file, int loop);
    // Starts streaming when music is enabled.
    void Play();
    // Passes the volume (0 to 100) on whether music is enabled or not.
    void SetVolume(float volume);
};

extern MusicPlayer musicStream;

// The five voices of one level-object slot, constructed in this order and
// destroyed in reverse.
class ObjectSoundSet {
public:
    Sound bounceVoice;       // a bouncer's bounce
    Sound popVoice;          // the object is killed
    Sound spareVoice;        // bound to nothing; only stopped when a level is left
    Sound cannonTurnVoice;   // a cannon's sweeping turn (looped)
    Sound cannonBlastVoice;  // a cannon's shot
};
