#pragma once
// Writes ARGB pixels as a PNG file (uncompressed deflate blocks: no library
// needed, any image viewer reads it). For screenshots of tests.
#include <cstdint>
#include <vector>

// Rows from the top, width x height words. False when the file cannot be
// written or the size is not positive.
bool WritePngFile(const char* path, const uint32_t* argb, int width, int height);

// The pieces of a PNG file, for tests that make unusual ones: a big-endian
// word, and a chunk (length, type, data, CRC).
void PutPngWord(std::vector<uint8_t>& out, uint32_t value);
void PutPngChunk(std::vector<uint8_t>& out, const char* type, const std::vector<uint8_t>& data);
