#include "engine/PictureBatch.h"

#include <cstdio>

namespace {

void DecodeJob(void* context, int job)
{
    PictureBatch& batch = *static_cast<PictureBatch*>(context);
    BatchPicture& picture = batch.pictures[batch.decodeOrder[job]];
    DecodePictureFile(picture.path, picture.request, &picture.decoded);
}

}  // namespace

int AddBatchPicture(PictureBatch& batch, SpriteTexture* record, const char* path, bool asSurface,
                    int width, int height)
{
    if (batch.running || batch.count >= maxBatchPictures) return -1;
    const int index = batch.count++;
    BatchPicture& picture = batch.pictures[index];
    picture.record = record;
    std::snprintf(picture.path, sizeof picture.path, "%s", path != nullptr ? path : "");
    picture.asSurface = asSurface ? 1 : 0;
    picture.width = width;
    picture.height = height;
    // Asked for here, on the game thread: whether textures need pixels
    // depends on the display.
    picture.request = asSurface             ? SurfacePictureRequest()
                      : batch.forGameWindow ? WindowTexturePictureRequest()
                                            : TexturePictureRequest();
    picture.decoded = DecodedPicture{};
    picture.filled = 0;
    return index;
}

void StartPictureBatch(PictureBatch& batch)
{
    if (batch.running) return;
    // Surfaces first: one collision picture takes as long as many tiles, so
    // it starts before them rather than last.
    int jobs = 0, heavy = 0;
    for (int pass = 0; pass < 2; ++pass)
        for (int i = 0; i < batch.count; ++i)
            if ((batch.pictures[i].asSurface != 0) == (pass == 0)) {
                batch.jobOf[i] = jobs;
                batch.decodeOrder[jobs++] = i;
            }
    for (int i = 0; i < batch.count; ++i)
        if (!batch.pictures[i].request.sizeOnly) ++heavy;
    batch.running = true;
    StartWork(batch.work, batch.count, DecodeJob, &batch, WorkerThreadsFor(heavy));
}

DecodedPicture* WaitForBatchPicture(PictureBatch& batch, int index)
{
    if (!batch.running || index < 0 || index >= batch.count) return nullptr;
    WaitForJob(batch.work, batch.jobOf[index]);
    return &batch.pictures[index].decoded;
}

void LoadBatchPicture(PictureBatch& batch, int index)
{
    DecodedPicture* decoded = WaitForBatchPicture(batch, index);
    if (decoded == nullptr) return;
    BatchPicture& picture = batch.pictures[index];
    if (picture.filled || picture.record == nullptr) return;
    picture.record->LoadDecoded(picture.path, decoded, picture.asSurface != 0, picture.width,
                                picture.height);
    // The texture has its own copy now: a large level need not hold all its
    // decoded tiles at once.
    FreeDecodedPicture(decoded);
    picture.filled = 1;
}

void LoadBatchPictureInto(PictureBatch& batch, int index, SpriteTexture* record)
{
    if (index < 0 || index >= batch.count || batch.pictures[index].record != nullptr) return;
    batch.pictures[index].record = record;
    LoadBatchPicture(batch, index);
}

void AbandonPictureBatch(PictureBatch& batch)
{
    if (batch.running) FinishWork(batch.work);
    batch.running = false;
    FinishPictureBatch(batch);
}

void FinishPictureBatch(PictureBatch& batch)
{
    if (batch.running) {
        for (int i = 0; i < batch.count; ++i) LoadBatchPicture(batch, i);
        FinishWork(batch.work);
    }
    for (int i = 0; i < batch.count; ++i) FreeDecodedPicture(&batch.pictures[i].decoded);
    batch.count = 0;
    batch.running = false;
    batch.forGameWindow = false;
}
