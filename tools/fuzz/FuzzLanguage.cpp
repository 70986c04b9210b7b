// Any bytes as a language file: every entry of every table must end inside
// its 300 bytes, whatever the file holds.
#include <cstdint>
#include <cstring>

#include "engine/LanguageTables.h"

namespace {

template <size_t N>
void CheckTable(const char (&table)[N][kTextEntrySize])
{
    for (const auto& entry : table)
        if (!std::memchr(entry, '\0', sizeof entry)) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    LoadLanguageTextsFrom(reinterpret_cast<const char*>(data), size);
    CheckTable(ingameTexts);
    CheckTable(mainMenuTexts);
    CheckTable(preDialogTexts);
    CheckTable(levelSelectionTexts);
    CheckTable(levelNameTexts);
    CheckTable(eliteVopLevelTexts);
    return 0;
}
