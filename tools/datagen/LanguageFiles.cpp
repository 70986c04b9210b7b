// Writes the five language files: "[section]" headers and "key=value" lines
// with keys 0, 1, 2, ... in UTF-8, as the game's INI reader expects.
#include <string>

#include "tools/datagen/DataCatalogue.h"
#include "tools/datagen/LanguageTexts.h"

namespace {

template <int N>
bool AddSection(std::string& out, const char* name, const char* const (&entries)[N]) {
  out += "[";
  out += name;
  out += "]\n";
  for (int i = 0; i < N; ++i) {
    if (!entries[i]) return false;  // a missing text is a mistake in the tables
    out += std::to_string(i) + "=" + entries[i] + "\n";
  }
  out += "\n";
  return true;
}

}  // namespace

bool GenerateLanguageFile(const DataFile& file, const GenContext& ctx) {
  const LanguageTexts* t = nullptr;
  switch (file.param) {
    case 1: t = &germanTexts; break;
    case 2: t = &englishTexts; break;
    case 3: t = &frenchTexts; break;
    case 4: t = &italianTexts; break;
    case 5: t = &spanishTexts; break;
    default: return false;
  }
  std::string out;
  bool ok = AddSection(out, "ingame", t->ingame) && AddSection(out, "mainmenu", t->mainmenu) &&
            AddSection(out, "optionsmenu", t->optionsmenu) && AddSection(out, "predialog", t->predialog) &&
            AddSection(out, "levelselection", t->levelselection) &&
            AddSection(out, "firstlevel", t->firstlevel) && AddSection(out, "secondlevel", t->secondlevel) &&
            AddSection(out, "thirdlevel", t->thirdlevel) && AddSection(out, "sprintlevels", t->sprintlevels) &&
            AddSection(out, "spikevoplevel", t->spikevoplevel) &&
            AddSection(out, "rockvoplevel", t->rockvoplevel) && AddSection(out, "airvoplevel", t->airvoplevel) &&
            AddSection(out, "angryvoplevel", t->angryvoplevel) &&
            AddSection(out, "elitevoplevel", t->elitevoplevel) && AddSection(out, "levelnames", t->levelnames);
  return ok && WriteOutputFile(OutputPathFor(ctx, file.path), out.data(), out.size());
}
