#include "tools/replaysearch/ReplayScreens.h"
#include "tools/replaysearch/CommaList.h"

#include <cstdio>

// The sizes players use most, from the smallest the launcher offers to its
// default, with the common 4:3, 5:4, 16:9 and 16:10 shapes between.
const ScreenSize proofScreenSizes[proofScreenCount] = {
    {800, 600},  {1024, 768}, {1280, 720},  {1280, 1024}, {1366, 768},
    {1440, 900}, {1600, 900}, {1680, 1050}, {1920, 1080},
};

std::string ScreenName(const ScreenSize& screen)
{
    return std::to_string(screen.width) + "x" + std::to_string(screen.height);
}

bool ParseScreenSize(const std::string& text, ScreenSize& screen)
{
    int w = 0, h = 0, used = 0;
    if (std::sscanf(text.c_str(), "%5dx%5d%n", &w, &h, &used) != 2 || used != static_cast<int>(text.size()))
        return false;
    if (w < 320 || w > 16384 || h < 200 || h > 16384) return false;
    screen.width = w;
    screen.height = h;
    return true;
}

bool ParseScreenList(const std::string& text, std::vector<ScreenSize>& screens, std::string& error)
{
    screens.clear();
    for (const std::string& word : CommaSeparatedWords(text)) {
        ScreenSize s;
        if (word == "proof") {
            screens.insert(screens.end(), proofScreenSizes, proofScreenSizes + proofScreenCount);
        } else if (ParseScreenSize(word, s)) {
            screens.push_back(s);
        } else {
            error = "\"" + word + "\" is not a screen size (WxH, 320x200 to 16384x16384, or proof)";
            screens.clear();
            return false;
        }
    }
    return true;
}
