// The five language files hold every section and key the game reads, and
// each text takes exactly the placeholders the drawing code passes to it
// ("%s" a line break, "%i" or "%d" a number), in the order it passes them.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "tools/datagen/DataCatalogue.h"

namespace {

typedef std::map<std::string, std::map<std::string, std::string>> IniFile;

IniFile ReadIni(const std::string& path, std::vector<std::string>* problems) {
  IniFile ini;
  std::ifstream in(path);
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      if (ini.count(section)) problems->push_back("section twice: " + section);
      ini[section];
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos || section.empty()) {
      problems->push_back("stray line: " + line);
      continue;
    }
    std::string key = line.substr(0, eq);
    if (ini[section].count(key)) problems->push_back("key twice: " + section + "/" + key);
    ini[section][key] = line.substr(eq + 1);
  }
  return ini;
}

// The conversions of a format text, in order: 's', 'i' (also for %d), or
// '?' for anything the game's formatter would not fill.
std::string Placeholders(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') continue;
    char c = i + 1 < text.size() ? text[i + 1] : '\0';
    ++i;
    if (c == '%') continue;
    out.push_back(c == 's' ? 's' : (c == 'i' || c == 'd') ? 'i' : '?');
  }
  return out;
}

bool ValidUtf8(const std::string& s) {
  for (size_t i = 0; i < s.size();) {
    unsigned char c = s[i];
    int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + extra >= s.size())) return false;
    for (int k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
    i += extra + 1;
  }
  return true;
}

struct Section {
  const char* name;
  std::vector<std::string> placeholders;  // per key; "s?" means none or one line break
};

std::vector<std::string> Repeat(int n, const std::string& spec) { return std::vector<std::string>(n, spec); }
std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

// What the drawing code passes to each entry.
const std::vector<Section>& Expected() {
  static const std::vector<Section> sections = {
      // status lines: kill score, threshold / time bonus, total..., then a break
      {"ingame", {"iis", "iiiis", "is", "s", "s", "s", "s", "s", "i", "", "ss"}},
      {"mainmenu", Join({Repeat(10, ""), {"i"}, Repeat(2, "")})},
      {"optionsmenu", Join({{"s"}, Repeat(9, "")})},
      {"predialog", Repeat(9, "")},
      {"levelselection",
       Join({{"ii", "i", "i"}, Repeat(6, "s"), Repeat(16, ""), {"s", "s"}, {"", "s", "", ""}})},
      {"firstlevel", Join({{""}, Repeat(6, "s")})},
      {"secondlevel", Repeat(8, "s")},
      {"thirdlevel", Join({{"ss"}, Repeat(5, "s"), Repeat(2, "")})},
      {"sprintlevels", Repeat(7, "s")},
      {"spikevoplevel", Repeat(5, "s")},
      {"rockvoplevel", Join({{""}, Repeat(6, "s")})},
      {"airvoplevel", {"", "", "s", "", "", ""}},
      {"angryvoplevel", Repeat(5, "s")},
      {"elitevoplevel", Repeat(6, "s")},
      {"levelnames", Repeat(46, "s?")},
  };
  return sections;
}

const char* const kLanguageFiles[] = {"data//language//de.ini", "data//language//en.ini", "data//language//fr.ini",
                                      "data//language//it.ini", "data//language//es.ini"};

std::string PathOf(const char* gamePath) {
  GenContext ctx;
  ctx.outRoot = "data";
  return OutputPathFor(ctx, gamePath);
}

}  // namespace

TEST(LanguageFiles, EverySectionHoldsExactlyTheKeysTheGameReads) {
  ASSERT_EQ(Expected().size(), 15u);
  for (const char* file : kLanguageFiles) {
    std::vector<std::string> problems;
    IniFile ini = ReadIni(PathOf(file), &problems);
    EXPECT_TRUE(problems.empty()) << file << ": " << (problems.empty() ? "" : problems.front());
    EXPECT_EQ(ini.size(), 15u) << file;
    for (const Section& s : Expected()) {
      ASSERT_TRUE(ini.count(s.name)) << file << " lacks [" << s.name << "]";
      const auto& keys = ini.at(s.name);
      EXPECT_EQ(keys.size(), s.placeholders.size()) << file << " [" << s.name << "]";
      for (size_t k = 0; k < s.placeholders.size(); ++k) {
        EXPECT_TRUE(keys.count(std::to_string(k))) << file << " [" << s.name << "] lacks " << k;
      }
    }
  }
}

TEST(LanguageFiles, TextsTakeExactlyThePlaceholdersTheirCallersPass) {
  for (const char* file : kLanguageFiles) {
    std::vector<std::string> problems;
    IniFile ini = ReadIni(PathOf(file), &problems);
    for (const Section& s : Expected()) {
      for (size_t k = 0; k < s.placeholders.size(); ++k) {
        std::string key = std::to_string(k);
        if (!ini[s.name].count(key)) continue;
        const std::string& text = ini[s.name][key];
        std::string got = Placeholders(text), want = s.placeholders[k];
        bool ok = want == "s?" ? (got.empty() || got == "s") : got == want;
        EXPECT_TRUE(ok) << file << " [" << s.name << "] " << key << "=" << text << " has \"" << got
                        << "\", wants \"" << want << "\"";
      }
    }
  }
}

TEST(LanguageFiles, TextsAreShortCleanUtf8) {
  for (const char* file : kLanguageFiles) {
    std::vector<std::string> problems;
    IniFile ini = ReadIni(PathOf(file), &problems);
    for (const auto& section : ini) {
      for (const auto& entry : section.second) {
        const std::string& text = entry.second;
        std::string where = std::string(file) + " [" + section.first + "] " + entry.first;
        EXPECT_FALSE(text.empty()) << where;
        EXPECT_NE(text, "-") << where;  // the game's mark of a missing text
        EXPECT_LE(text.size(), 299u) << where;  // the game keeps 299 bytes
        EXPECT_TRUE(ValidUtf8(text)) << where;
        EXPECT_EQ(text.find('\r'), std::string::npos) << where;
        EXPECT_NE(text.front(), ' ') << where;
        EXPECT_NE(text.back(), ' ') << where;
        // The reader strips a pair of enclosing quotes; no text may rely on it.
        bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
        EXPECT_FALSE(quoted) << where;
        EXPECT_EQ(text.find(';'), std::string::npos) << where << " (reads as a comment in some INI readers)";
      }
    }
  }
}

TEST(LanguageFiles, GermanLauncherKeepsTheDialogsOwnCaptions) {
  std::vector<std::string> problems;
  IniFile ini = ReadIni(PathOf("data//language//de.ini"), &problems);
  const auto& p = ini["predialog"];
  EXPECT_EQ(p.at("1"), "Aufl\xc3\xb6sung:");
  EXPECT_EQ(p.at("2"), "Fenstermodus");
  EXPECT_EQ(p.at("3"), "Shader- / Licht-Effekte");
  EXPECT_EQ(p.at("4"), "Auf 30 FPS begrenzen");
  EXPECT_EQ(p.at("5"), "Sound");
  EXPECT_EQ(p.at("6"), "FlorpVops starten");
  EXPECT_EQ(p.at("7"), "Beenden");
  EXPECT_EQ(p.at("8"), "Musik");
}

TEST(LanguageFiles, LanguagesAreTranslatedNotCopied) {
  std::vector<std::string> problems;
  IniFile en = ReadIni(PathOf("data//language//en.ini"), &problems);
  for (const char* file : kLanguageFiles) {
    if (std::string(file).find("en.ini") != std::string::npos) continue;
    IniFile other = ReadIni(PathOf(file), &problems);
    int same = 0, total = 0;
    for (const auto& section : en)
      for (const auto& entry : section.second) {
        ++total;
        same += other[section.first][entry.first] == entry.second;
      }
    // Numbers, "+%i" and the like may stay; most texts must not.
    EXPECT_LT(same, total / 5) << file;
  }
}
