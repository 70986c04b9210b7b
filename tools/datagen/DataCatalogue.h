// The one table of every file the game names in its data folder, each with
// the generator that makes it. The generator and the data tests both walk it.
#pragma once
#include "tools/datagen/DataGen.h"

enum class DataKind { Png, Bmp, Wav, Ogg, Ttf, Text, Ini, Shader };

struct DataFile {
  const char* path;     // exactly as the game's code writes it
  DataKind kind;
  GenerateFn generate;
  int param;            // which variant the family generator draws
  int cost;             // rough work, so the slowest files start first
};

extern const DataFile dataFiles[];
extern const int dataFileCount;

// Picture parameters shared by the families and the tests.
enum VopKindId { kBeginner = 1, kSpike = 2, kAir = 3, kRock = 4, kAngry = 5, kElite = 6 };
inline int VopBodyParam(int kind, bool mr) { return kind * 10 + (mr ? 1 : 0); }
inline int VopFaceParam(int kind) { return 100 + kind; }
inline int VopMouthParam(int kind) { return 200 + kind; }
const int kVopEyeParam = 300;

// Finds a catalogue entry by its game path; null when the game names no such file.
const DataFile* FindDataFile(const char* path);
