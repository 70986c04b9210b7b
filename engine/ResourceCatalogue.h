#pragma once
// The game's fixed catalogue of pictures and sounds: every picture record
// that is not a level picture, the sound buffers, the named sound objects
// bound to them, and the five voices of each of the 50 object slots.
// Declared and defined in the engine, below every subsystem that plays or
// draws them; the main program loads them at start-up (game/Resources.h). The
// types are the engine's and the platform's: include platform/Audio.h,
// engine/AudioWrappers.h or engine/SpriteTexture.h to use them.

class SoundBuffer;
class Sound;
class ObjectSoundSet;
struct SpriteTexture;

constexpr int soundBufferCount = 21;

// Sound buffers, in load order (all in "data//fvs//").
extern SoundBuffer jumpSoundBuffer;            // "Vop_Jump.wav"
extern SoundBuffer airJumpSoundBuffer;         // "Vops_move_jump.wav"
extern SoundBuffer ceilingSoundBuffer;         // "Vop_Detach_from_Ceiling.wav"
extern SoundBuffer groundHitSoundBuffer;       // "Vop_Ground_after_jump.wav"
extern SoundBuffer explodeSoundBuffer;         // "Vops_explode.wav"
extern SoundBuffer angrySoundBuffer;           // "Vop_Angry.wav"
extern SoundBuffer cannonBlastSoundBuffer;     // "Cannon Blast.wav"
extern SoundBuffer cannonTurnSoundBuffer;      // "Vops_cannon_turn.wav"
extern SoundBuffer rollLoopSoundBuffer;        // "Vop_move_loop.wav"
extern SoundBuffer airRollLoopSoundBuffer;     // "Air_Vop_move_loop.wav"
extern SoundBuffer stoneRollLoopSoundBuffer;   // "Stone_Vop_move_loop.wav"
extern SoundBuffer airMoveLoopSoundBuffer;     // "Vops_move_air.wav"
extern SoundBuffer normalMoveLoopSoundBuffer;  // "Vops_move_normal.wav"
extern SoundBuffer menuSelectSoundBuffer;      // "Mouse_Scroll_2.wav"
extern SoundBuffer menuClickSoundBuffer;       // "Mouse_Select.wav"
extern SoundBuffer scoreLoopSoundBuffer;       // "Score_add_loop.wav"
extern SoundBuffer scoreEndSoundBuffer;        // "Score_add_end.wav"
extern SoundBuffer lightAmbienceSoundBuffer;   // "Vops_ambience_light.wav"
extern SoundBuffer darkAmbienceSoundBuffer;    // "Vops_ambience_dark.wav"
extern SoundBuffer levelDieSoundBuffer;        // "Vops_level_die.wav"
extern SoundBuffer levelPassSoundBuffer;       // "Vops_level_pass.wav"

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

// Five voices per object slot (bounce, pop, spare, cannon turn, cannon blast).
extern ObjectSoundSet objectSounds[50];

// ---------------------------------------------------------------------------
// Pictures. Every picture that is not a level picture, loaded once at start-up
// and again after a device rebuild. Where a picture has a variant (the level's
// "MR" picture set, a button's black and white state) the two are consecutive
// records of a two-element array: drawing adds the variant or highlight
// index (0 or 1) to the first.

// In-game pictures and the Vop ("data//sprite//").
extern SpriteTexture enemyEyeSprite;            // source 0, 0, 80, 50
extern SpriteTexture enemyBodySprites[2];       // plain, MR; source 0, 0, 80, 80
extern SpriteTexture bigGearCwSprites[2];
extern SpriteTexture bigGearCcwSprites[2];
extern SpriteTexture smallGearCwSprites[2];
extern SpriteTexture smallGearCcwSprites[2];
extern SpriteTexture cannonSprites[2];
extern SpriteTexture spikeVopSprites[2];        // source 23, 23, 105, 105 each
extern SpriteTexture airVopSprites[2];
extern SpriteTexture rockVopSprites[2];
extern SpriteTexture beginnerVopSprites[2];
extern SpriteTexture angryVopSprites[2];
extern SpriteTexture eliteVopSprites[2];
// Rows: spike, air, rock, beginner, angry, elite; columns: face, mouth.
extern SpriteTexture vopFaceSprites[6][2];
extern SpriteTexture trailParticleSprites[3];
// Goal sign: [0] post, [1] post MR, [2] board, [3] board MR.
constexpr int goalPostIndex = 0;
constexpr int goalBoardIndex = 2;
extern SpriteTexture goalShield[4];
extern SpriteTexture arrowSprite;

// Menu and scenery pictures.
extern SpriteTexture worldCircleSprite;
extern SpriteTexture sceneryTree1, sceneryTree2, sceneryTree3, sceneryTree4;
extern SpriteTexture sceneryTree5, sceneryTree8;
extern SpriteTexture sceneryHill1, sceneryHill2, sceneryHill3, sceneryHill4;
extern SpriteTexture sceneryWindmillWheel, sceneryWindmillTower;
extern SpriteTexture sunSprite;
extern SpriteTexture blackSprite;
extern SpriteTexture logoSprite;
extern SpriteTexture skySprite;                 // sky.png with the shader, else sky_strong.png

// Screen buttons: [0] "_black", [1] "_white" (highlighted).
extern SpriteTexture stanButton[2];
extern SpriteTexture backButton[2];
extern SpriteTexture exitButton[2];
extern SpriteTexture creditsButton[2];
extern SpriteTexture optionsButton[2];
extern SpriteTexture resetButton[2];
extern SpriteTexture levelButton[2];
extern SpriteTexture bossButton[2];
extern SpriteTexture checkMarkSprite;
// Vop-kind buttons, kinds beginner, spike, air, rock, angry, elite.
extern SpriteTexture kindButtonBlack[6];
extern SpriteTexture kindButtonWhite[6];
// Chapter titles of the five level pages, in the game's language.
extern SpriteTexture chapterTitles[5];
