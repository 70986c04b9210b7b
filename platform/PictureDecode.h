#pragma once
// Picture files decoded into plain memory, apart from making textures or
// surfaces of them, so that several files can be decoded at once on worker
// threads while the game thread alone talks to the graphics card.
//
// PNG files are decoded in full and refused when they are cut short or
// damaged; BMP files (test pictures) are decoded on the game thread by the
// window library. Every file is refused before it is parsed when it is not a
// regular file, or when its header declares more pixels than a picture may
// have.
#include <cstdint>

#include "platform/DecodedPicture.h"

// Reads and decodes one file. Safe to call on any thread at the same time as
// others; touches nothing but its arguments. `picture` must be empty (fresh
// or freed).
void DecodePictureFile(const char* path, const PictureRequest& request, DecodedPicture* picture);
// Decodes what DecodePictureFile left to the game thread; nothing otherwise.
// Call on the game thread only.
void CompletePictureDecode(const char* path, const PictureRequest& request,
                           DecodedPicture* picture);
// Frees the pixels and leaves an empty (failed, silent) record.
void FreeDecodedPicture(DecodedPicture* picture);

// Bilinear stretch of RGBA pixels (the power-of-two rule scales pictures up,
// never crops them). `target` holds width * height * 4 bytes.
void StretchRgba(const uint8_t* source, int sourceWidth, int sourceHeight, uint8_t* target,
                 int width, int height);

// The next power of two at or above n (1 for n <= 1).
int NextPowerOfTwo(int n);
