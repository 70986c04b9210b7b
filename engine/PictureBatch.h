#pragma once
// Loading many pictures at once: their files are decoded on worker threads,
// one a core but the game thread's, while the game thread fills each record
// in the order the caller asks for them, exactly as SpriteTexture::Load
// would (the graphics card is only ever spoken to from the game thread).
#include <cstdint>

#include "engine/SpriteTexture.h"
#include "platform/PictureDecode.h"
#include "platform/Workers.h"

constexpr int maxBatchPictures = maxWorkJobs;

struct BatchPicture {
    SpriteTexture* record;  // null: decoded only, the caller takes the picture
    char path[512];
    uint8_t asSurface;
    int32_t width, height;
    PictureRequest request;
    DecodedPicture decoded;
    uint8_t filled;
};

struct PictureBatch {
    BatchPicture pictures[maxBatchPictures];
    int count = 0;
    // Decoded before the game window opens, for it: pixels are wanted even
    // though nothing draws yet.
    bool forGameWindow = false;
    int decodeOrder[maxBatchPictures];  // job i decodes picture decodeOrder[i]
    int jobOf[maxBatchPictures];
    WorkBatch work;
    bool running = false;
};

// Adds a picture to load into `record` with Load's arguments (record null:
// only decode it, for WaitForBatchPicture). Returns its index, or -1 when
// the batch is full or already running. Call on the game thread.
int AddBatchPicture(PictureBatch& batch, SpriteTexture* record, const char* path,
                    bool asSurface = false, int width = 0, int height = 0);
// Starts decoding every picture added.
void StartPictureBatch(PictureBatch& batch);
// Waits for picture `index` and fills its record (once), with the same
// effects and output as its Load.
void LoadBatchPicture(PictureBatch& batch, int index);
// As LoadBatchPicture, into `record` for a picture added without one (a
// choice made while it was decoding).
void LoadBatchPictureInto(PictureBatch& batch, int index, SpriteTexture* record);
// Waits for picture `index` and hands its decoded file out; the picture stays
// the batch's until FinishPictureBatch.
DecodedPicture* WaitForBatchPicture(PictureBatch& batch, int index);
// Fills every record not filled yet, in order, joins the workers, frees all
// decoded pictures and empties the batch for the next use.
void FinishPictureBatch(PictureBatch& batch);
// The same without filling anything (nothing is to be drawn after all).
void AbandonPictureBatch(PictureBatch& batch);
