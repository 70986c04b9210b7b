#pragma once
// Putting the live level into a known state: a level start from a record,
// with its pictures, and a new attempt (from the start or the last
// checkpoint). The attempt's own state is in gameplay/LevelAttempt.h.
#include <cstdint>

#include "shared/LevelRecord.h"

struct SpriteTexture;

// The level's pictures, replaced by every level start.
extern SpriteTexture levelTiles[maxTileRows][maxTileCols];
extern SpriteTexture levelDecor[maxDecorFiles];
extern SpriteTexture collTexture;

// Headless seams. With levelPicturesEnabled 0 the tiles and decorations are
// not loaded (no display needed). collisionPathOverride, when set, is the
// collision picture file loaded instead of the record's. A picture provided
// with ProvideCollisionPicture is used by every level start instead of any
// file, until it is withdrawn with ProvideCollisionPicture(nullptr, 0, 0, 0).
extern uint8_t levelPicturesEnabled;
extern const char* collisionPathOverride;
void ProvideCollisionPicture(const uint32_t* pixels, int pitch, int width, int height);

void LoadLevel(LevelRecord record);
// Loads and locks the record's collision picture (or the override or the
// provided picture) and points the probes at it; a missing picture or one
// whose size is not the level's plays as an empty picture of the level's
// size. LoadLevel calls it; a device rebuild may call it again.
void LoadCollisionPicture(const LevelRecord& record);
void RestartLevel();
