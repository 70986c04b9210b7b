// The one catalogue of every file the game names in its data folder, each
// with the generator that makes it. The generator and the data tests both
// walk it.
//
// Adding a family of files: write its generator in a file of its own
// (declared in DataGen.h), then either add rows to the fixed table in
// DataCatalogue.cpp or, for names that are computed (the level folders'
// tiles, say), write a CatalogueSource that appends rows and list it in
// catalogueSources there.
#pragma once
#include <string>
#include <vector>

#include "tools/datagen/DataGen.h"

enum class DataKind { Png, Bmp, Wav, Ogg, Ttf, Text, Ini, Shader };

struct DataFile {
  const char* path;     // exactly as the game's code writes it
  DataKind kind;
  GenerateFn generate;
  int param;            // which variant the family generator draws
  int cost;             // rough work, so the slowest files start first
};

// The whole catalogue, built once on first use (safe from any thread).
const std::vector<DataFile>& DataCatalogue();

// Appends catalogue rows; computed paths are kept alive with KeepPath.
typedef void (*CatalogueSource)(std::vector<DataFile>& rows);
const char* KeepPath(const std::string& path);

// Picture parameters shared by the families and the tests.
enum VopKindId { kBeginner = 1, kSpike = 2, kAir = 3, kRock = 4, kAngry = 5, kElite = 6 };
inline int VopBodyParam(int kind, bool mr) { return kind * 10 + (mr ? 1 : 0); }
inline int VopFaceParam(int kind) { return 100 + kind; }
inline int VopMouthParam(int kind) { return 200 + kind; }
const int kVopEyeParam = 300;

// Finds a catalogue entry by its game path; null when the game names no such file.
const DataFile* FindDataFile(const char* path);
