#include "engine/ResourceCatalogue.h"

#include "engine/AudioWrappers.h"
#include "engine/SpriteTexture.h"
#include "platform/Audio.h"

// Defined here rather than beside their loader in game/, so that gameplay,
// screens and scenery link only against libraries below them.

SoundBuffer jumpSoundBuffer;
SoundBuffer airJumpSoundBuffer;
SoundBuffer ceilingSoundBuffer;
SoundBuffer groundHitSoundBuffer;
SoundBuffer explodeSoundBuffer;
SoundBuffer angrySoundBuffer;
SoundBuffer cannonBlastSoundBuffer;
SoundBuffer cannonTurnSoundBuffer;
SoundBuffer rollLoopSoundBuffer;
SoundBuffer airRollLoopSoundBuffer;
SoundBuffer stoneRollLoopSoundBuffer;
SoundBuffer airMoveLoopSoundBuffer;
SoundBuffer normalMoveLoopSoundBuffer;
SoundBuffer menuSelectSoundBuffer;
SoundBuffer menuClickSoundBuffer;
SoundBuffer scoreLoopSoundBuffer;
SoundBuffer scoreEndSoundBuffer;
SoundBuffer lightAmbienceSoundBuffer;
SoundBuffer darkAmbienceSoundBuffer;
SoundBuffer levelDieSoundBuffer;
SoundBuffer levelPassSoundBuffer;

Sound jumpSound;
Sound airJumpSound;
Sound impactSound;
Sound softImpactSound;
Sound groundHitSound;
Sound explodeSound;
Sound angrySound;
Sound menuSelectSound;
Sound menuClickSound;
Sound scoreLoopSound;
Sound scoreEndSound;
Sound rollLoopSound;
Sound airRollLoopSound;
Sound stoneRollLoopSound;
Sound normalMoveLoopSound;
Sound airMoveLoopSound;
Sound lightAmbience;
Sound darkAmbience;
Sound levelDieSound;
Sound levelPassSound;

ObjectSoundSet objectSounds[50];

SpriteTexture enemyEyeSprite;
SpriteTexture enemyBodySprites[2];
SpriteTexture bigGearCwSprites[2];
SpriteTexture bigGearCcwSprites[2];
SpriteTexture smallGearCwSprites[2];
SpriteTexture smallGearCcwSprites[2];
SpriteTexture cannonSprites[2];
SpriteTexture spikeVopSprites[2];
SpriteTexture airVopSprites[2];
SpriteTexture rockVopSprites[2];
SpriteTexture beginnerVopSprites[2];
SpriteTexture angryVopSprites[2];
SpriteTexture eliteVopSprites[2];
SpriteTexture vopFaceSprites[6][2];
SpriteTexture trailParticleSprites[3];
SpriteTexture goalShield[4];
SpriteTexture arrowSprite;

SpriteTexture worldCircleSprite;
SpriteTexture sceneryTree1, sceneryTree2, sceneryTree3, sceneryTree4;
SpriteTexture sceneryTree5, sceneryTree8;
SpriteTexture sceneryHill1, sceneryHill2, sceneryHill3, sceneryHill4;
SpriteTexture sceneryWindmillWheel, sceneryWindmillTower;
SpriteTexture sunSprite;
SpriteTexture blackSprite;
SpriteTexture logoSprite;
SpriteTexture skySprite;

SpriteTexture stanButton[2];
SpriteTexture backButton[2];
SpriteTexture exitButton[2];
SpriteTexture creditsButton[2];
SpriteTexture optionsButton[2];
SpriteTexture resetButton[2];
SpriteTexture levelButton[2];
SpriteTexture bossButton[2];
SpriteTexture checkMarkSprite;
SpriteTexture kindButtonBlack[6];
SpriteTexture kindButtonWhite[6];
SpriteTexture chapterTitles[5];
