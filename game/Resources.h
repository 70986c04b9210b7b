#pragma once
// The game's fixed catalogue of sounds: the sound buffers (one per sound
// file), the named sound objects bound to them, and the five voices of each of
// the 50 object slots. Declared with the audio classes of platform/Audio.h
// and engine/AudioWrappers.h; include those to call them.

class SoundBuffer;
class Sound;
class ObjectSoundSet;

constexpr int soundBufferCount = 21;

// Sound buffers, in load order (all in "data//fvs//").
extern SoundBuffer jumpBuffer;            // "Vop_Jump.wav"
extern SoundBuffer airJumpBuffer;         // "Vops_move_jump.wav"
extern SoundBuffer ceilingBuffer;         // "Vop_Detach_from_Ceiling.wav"
extern SoundBuffer groundHitBuffer;       // "Vop_Ground_after_jump.wav"
extern SoundBuffer explodeBuffer;         // "Vops_explode.wav"
extern SoundBuffer angryBuffer;           // "Vop_Angry.wav"
extern SoundBuffer cannonBlastBuffer;     // "Cannon Blast.wav"
extern SoundBuffer cannonTurnBuffer;      // "Vops_cannon_turn.wav"
extern SoundBuffer rollLoopBuffer;        // "Vop_move_loop.wav"
extern SoundBuffer airRollLoopBuffer;     // "Air_Vop_move_loop.wav"
extern SoundBuffer stoneRollLoopBuffer;   // "Stone_Vop_move_loop.wav"
extern SoundBuffer airMoveLoopBuffer;     // "Vops_move_air.wav"
extern SoundBuffer normalMoveLoopBuffer;  // "Vops_move_normal.wav"
extern SoundBuffer menuSelectBuffer;      // "Mouse_Scroll_2.wav"
extern SoundBuffer menuClickBuffer;       // "Mouse_Select.wav"
extern SoundBuffer scoreLoopBuffer;       // "Score_add_loop.wav"
extern SoundBuffer scoreEndBuffer;        // "Score_add_end.wav"
extern SoundBuffer lightAmbienceBuffer;   // "Vops_ambience_light.wav"
extern SoundBuffer darkAmbienceBuffer;    // "Vops_ambience_dark.wav"
extern SoundBuffer levelDieBuffer;        // "Vops_level_die.wav"
extern SoundBuffer levelPassBuffer;       // "Vops_level_pass.wav"

// The buffers above in load order, with their files.
struct SoundBufferEntry {
    SoundBuffer* buffer;
    const char* file;
};
extern const SoundBufferEntry soundBufferTable[soundBufferCount];

// Named sound objects, in binding order.
extern Sound jumpSound;
extern Sound airJumpSound;
extern Sound impactSound;
extern Sound softImpactSound;      // same buffer as impactSound, volume 80
extern Sound groundHitSound;
extern Sound explodeSound;
extern Sound angrySound;
extern Sound menuSelectSound;
extern Sound menuClickSound;
extern Sound scoreLoopSound;
extern Sound scoreEndSound;
extern Sound rollLoopSound;        // looped
extern Sound airRollLoopSound;     // looped
extern Sound stoneRollLoopSound;   // looped
extern Sound normalMoveLoopSound;  // looped
extern Sound airMoveLoopSound;     // looped
extern Sound lightAmbience;        // looped, volume 17
extern Sound darkAmbience;         // looped, volume 25
extern Sound levelDieSound;        // volume 40
extern Sound levelPassSound;

constexpr int soundObjectCount = 20;

// One row of the binding table: the sound, its buffer, loop flag and volume.
struct SoundObjectEntry {
    Sound* sound;
    SoundBuffer* buffer;
    bool loop;
    float volume;
};
extern const SoundObjectEntry soundObjectTable[soundObjectCount];

// Five voices per object slot (bounce, pop, spare, cannon turn, cannon blast).
extern ObjectSoundSet objectSounds[50];

// Loads the 21 buffers and binds every sound object and object voice, in the
// catalogue's order. Does nothing when sound effects are switched off.
void LoadSounds();
