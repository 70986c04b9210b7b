// Shared declarations of the data generator: the output context, the file
// writer and every generator function the catalogue names.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct DataFile;

// Where and with what a generator writes. outRoot replaces the leading "data"
// of a catalogue path, so a test can generate into a temporary folder.
struct GenContext {
  std::string outRoot;
  std::string fontPath;     // the rounded display face used for every text picture
  std::string licencePath;  // its licence, copied beside the font
};

// Maps a game path ("data//sprite//x.png") to a file below ctx.outRoot.
std::string OutputPathFor(const GenContext& ctx, const char* gamePath);
// Writes bytes atomically (temporary file, then rename), creating folders.
bool WriteOutputFile(const std::string& path, const void* bytes, size_t size);
bool WriteOutputFile(const std::string& path, const std::vector<uint8_t>& bytes);

// A generator makes one catalogue file; `param` tells variants apart.
typedef bool (*GenerateFn)(const DataFile& file, const GenContext& ctx);

// Picture families (one source file each).
bool GenerateVopPicture(const DataFile&, const GenContext&);
bool GenerateEnemyPicture(const DataFile&, const GenContext&);
bool GenerateMachinePicture(const DataFile&, const GenContext&);
bool GenerateEffectPicture(const DataFile&, const GenContext&);
bool GenerateGoalPicture(const DataFile&, const GenContext&);
bool GenerateSceneryPicture(const DataFile&, const GenContext&);
bool GenerateMenuPicture(const DataFile&, const GenContext&);
bool GenerateButtonPicture(const DataFile&, const GenContext&);
bool GenerateChapterTitle(const DataFile&, const GenContext&);
bool GenerateBanner(const DataFile&, const GenContext&);
// Audio.
bool GenerateSoundEffect(const DataFile&, const GenContext&);
bool GenerateMusicTrack(const DataFile&, const GenContext&);
// Text and other files.
bool GenerateLanguageFile(const DataFile&, const GenContext&);
bool GenerateShaderFile(const DataFile&, const GenContext&);
bool CopyFontFile(const DataFile&, const GenContext&);
bool CopyFontLicence(const DataFile&, const GenContext&);
