#pragma once
// Writes ARGB pixels as a PNG file (uncompressed deflate blocks: no library
// needed, any image viewer reads it). For screenshots of tests.
#include <cstdint>

// Rows from the top, width x height words. False when the file cannot be
// written or the size is not positive.
bool WritePngFile(const char* path, const uint32_t* argb, int width, int height);
