// Every file a level record names -- world tiles, collision picture,
// decoration pictures, eye picture and music -- exists in the generated data
// folder and loads with the game's own loaders: pictures decode (as the
// drawable texture and as pixels), the music opens as a stream. A name the
// loaders cannot read would leave a level without its tiles, its ground,
// a tunnel roof or its music without a word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/LevelTable.h"
#include "platform/Audio.h"
#include "platform/Texture.h"
#include "shared/LevelRecord.h"
#include "tools/replaysearch/ReplaySeeds.h"

namespace {

bool PictureLoads(const char* path, int width, int height)
{
    PlatformTexture* texture = CreateTextureFromFile(path);
    const bool drawable = texture != nullptr;
    DestroyTexture(texture);
    PixelSurface pixels = {};
    bool decoded = false;
    CreateSurfaceFromFile(path, width, height, &pixels, &decoded);
    DestroySurface(&pixels);
    return drawable && decoded;
}

TEST(LevelFiles, EveryFileTheLevelTableNamesLoads)
{
    FreshStartRandomState();  // as start-up does: the tracks are chosen after the table is filled
    SetSilentAudio(true);
    std::vector<std::string> missing;
    int named = 0;
    const auto picture = [&](int rec, const char* path, int width, int height) {
        ++named;
        if (!PictureLoads(path, width, height)) missing.push_back("record " + std::to_string(rec) + ": " + path);
    };
    for (int rec = 0; rec < filledLevelRecords; ++rec) {
        const LevelRecord& r = levelTable[rec];
        for (int row = 0; row < r.tileRows; ++row)
            for (int col = 0; col < r.tileCols; ++col) picture(rec, r.tileFiles[row][col], 1024, 1024);
        picture(rec, r.collFile, r.width, r.height);
        // Record 25 names one decoration with an empty name, which the game
        // loads into nothing without a word.
        for (int i = 0; i < r.decorCount; ++i)
            if (r.decorFiles[i][0] != 0) picture(rec, r.decorFiles[i], 64, 64);
        picture(rec, r.eyeFile, 64, 64);
        ++named;
        Music music;
        if (!music.OpenFromFile(r.musicFile)) missing.push_back("record " + std::to_string(rec) + ": " + r.musicFile);
    }
    std::string list;
    for (const std::string& m : missing) list += "\n  " + m;
    EXPECT_EQ(missing.size(), 0u) << missing.size() << " of " << named << " files do not load:" << list;
    EXPECT_GT(named, 400);
}

}  // namespace
