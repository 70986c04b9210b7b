// Every text of the game in one language, section by section, in the order
// and counts the game reads them. "%s" places receive a line break, "%i" a
// number; which entry takes which is fixed by the code that draws it.
#pragma once

struct LanguageTexts {
  const char* ingame[11];
  const char* mainmenu[13];
  const char* optionsmenu[10];
  const char* predialog[9];
  const char* levelselection[31];
  const char* firstlevel[7];
  const char* secondlevel[8];
  const char* thirdlevel[8];
  const char* sprintlevels[7];
  const char* spikevoplevel[5];
  const char* rockvoplevel[7];
  const char* airvoplevel[6];
  const char* angryvoplevel[5];
  const char* elitevoplevel[6];
  const char* levelnames[46];
};

extern const LanguageTexts germanTexts;
extern const LanguageTexts englishTexts;
extern const LanguageTexts frenchTexts;
extern const LanguageTexts italianTexts;
extern const LanguageTexts spanishTexts;
