#pragma once
// Loading the game's catalogue of pictures, fonts and sounds
// (engine/ResourceCatalogue.h): the tables that pair each record with its
// file, and the loaders.
#include "engine/ResourceCatalogue.h"

// The sound buffers in load order, with their files.
struct SoundBufferEntry {
    SoundBuffer* buffer;
    const char* file;
};
extern const SoundBufferEntry soundBufferTable[soundBufferCount];

// One row of the binding table: the sound, its buffer, loop flag and volume.
struct SoundObjectEntry {
    Sound* sound;
    SoundBuffer* buffer;
    bool loop;
    float volume;
};
extern const SoundObjectEntry soundObjectTable[soundObjectCount];

// Loads the 21 buffers and binds every sound object and object voice, in the
// catalogue's order. Does nothing when sound effects are switched off.
void LoadSounds();

// One row of the picture catalogue: the record, its file and, where the
// picture is always drawn cropped, its source rectangle (left, top, right,
// bottom; all 0 for none).
struct PictureEntry {
    SpriteTexture* picture;
    const char* file;
    int sourceRect[4];
};
constexpr int inGamePictureCount = 45;
constexpr int menuPictureCount = 45;
// In-game and Vop pictures, then the menu and scenery pictures (the sky and
// the chapter titles depend on options and are chosen apart).
extern const PictureEntry inGamePictureTable[inGamePictureCount];
extern const PictureEntry menuPictureTable[menuPictureCount];

// The sky picture for the shader option, and the chapter-title file of page
// 0..4 for a language (nullptr for an unknown language).
const char* SkyPictureFile(int shaderOption);
const char* ChapterTitleFile(int language, int page);
extern const char* const chapterTitleFolder;

// Starts decoding the catalogue's pictures and sounds on worker threads
// (needs the display probed, the audio back end chosen and the language):
// the launcher shows while they decode. LoadResources starts it when not
// started yet.
void StartLoadingResources();
// Loads the whole catalogue: pictures (with the log line), the chapter
// titles of the language, the three fonts, and the sounds when sound is on.
void LoadResources();
// Waits for the decoding started and drops it (a start-up that ends early).
void StopLoadingResources();
