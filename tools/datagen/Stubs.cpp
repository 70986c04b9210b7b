#include "tools/datagen/DataCatalogue.h"
bool GenerateSoundEffect(const DataFile&, const GenContext&) { return true; }
bool GenerateMusicTrack(const DataFile&, const GenContext&) { return true; }
bool GenerateLanguageFile(const DataFile&, const GenContext&) { return true; }
