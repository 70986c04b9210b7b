// CPU-readable pictures: plain pixel memory from a file, with no display.
#include <gtest/gtest.h>

#include "engine/SpriteTexture.h"
#include "platform/SpritePngWriter.h"

namespace {

class SpriteSurfaceTest : public ::testing::Test {
protected:
    void TearDown() override {
        for (const std::string& p : written) std::remove(p.c_str());
    }
    std::string Write(const char* name, int w, int h, const std::vector<uint32_t>& argb) {
        std::string path = testpng::TempPath(name);
        EXPECT_TRUE(testpng::WritePng(path, w, h, argb));
        written.push_back(path);
        return path;
    }
    // Loads as a surface and returns what went to standard output.
    static std::string LoadSurface(SpriteTexture& t, const std::string& path, int w, int h) {
        testing::internal::CaptureStdout();
        t.Load(path.c_str(), true, w, h);
        return testing::internal::GetCapturedStdout();
    }
    std::vector<std::string> written;
};

TEST_F(SpriteSurfaceTest, PixelsAreArgbWordsRowAfterRow) {
    // The collision colours must come through exactly.
    const std::vector<uint32_t> argb = {0xFFFFFFFFu, 0xFFC0C0C0u, 0xFF000080u,
                                        0x00000000u, 0x80123456u, 0xFF00FF00u};
    const std::string path = Write("surface3x2.png", 3, 2, argb);
    SpriteTexture coll;
    EXPECT_EQ(LoadSurface(coll, path, 3, 2), "OK");
    const PixelLock lock = coll.LockPixels();
    ASSERT_NE(lock.pixels, nullptr);
    EXPECT_EQ(lock.pitch, 3);
    EXPECT_EQ(coll.pitchPixels, 3);
    EXPECT_EQ(coll.pixels, lock.pixels);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(lock.pixels[i], argb[i]) << "pixel " << i;
}

TEST_F(SpriteSurfaceTest, FileOfOtherSizeIsScaledToTheRequestedSize) {
    const std::vector<uint32_t> argb = {0xFF110000u, 0xFF220000u, 0xFF330000u, 0xFF440000u};
    const std::string path = Write("surface2x2.png", 2, 2, argb);
    SpriteTexture coll;
    EXPECT_EQ(LoadSurface(coll, path, 4, 6), "OK");
    const PixelLock lock = coll.LockPixels();
    ASSERT_EQ(lock.pitch, 4);
    // Nearest pixel: no blended colours appear.
    EXPECT_EQ(lock.pixels[0 * 4 + 0], 0xFF110000u);
    EXPECT_EQ(lock.pixels[0 * 4 + 3], 0xFF220000u);
    EXPECT_EQ(lock.pixels[2 * 4 + 1], 0xFF110000u);
    EXPECT_EQ(lock.pixels[3 * 4 + 1], 0xFF330000u);
    EXPECT_EQ(lock.pixels[5 * 4 + 3], 0xFF440000u);
}

TEST_F(SpriteSurfaceTest, MissingFileGivesEmptyPixelsOfTheRequestedSize) {
    SpriteTexture coll;
    EXPECT_EQ(LoadSurface(coll, "data//w99//coll_missing.png", 50, 40), "OK");
    const PixelLock lock = coll.LockPixels();
    ASSERT_NE(lock.pixels, nullptr);
    EXPECT_EQ(lock.pitch, 50);
    for (int i = 0; i < 50 * 40; ++i) ASSERT_EQ(lock.pixels[i], 0u);
}

TEST_F(SpriteSurfaceTest, NoSurfaceStillReadsSafeZeros) {
    SpriteTexture coll;
    EXPECT_EQ(LoadSurface(coll, "whatever.png", 0, 100), "FAIL");
    PixelLock lock = coll.LockPixels();
    ASSERT_NE(lock.pixels, nullptr);
    EXPECT_EQ(lock.pitch, 0);
    EXPECT_EQ(lock.pixels[1999 * lock.pitch + 10239], 0u);  // any level-sized read
    // A record never loaded answers the same way.
    SpriteTexture fresh;
    lock = fresh.LockPixels();
    EXPECT_EQ(lock.pitch, 0);
    EXPECT_EQ(lock.pixels[65535], 0u);
}

TEST_F(SpriteSurfaceTest, ReleaseForgetsThePixels) {
    const std::string path = Write("surface1x1.png", 1, 1, {0xFFFFFFFFu});
    SpriteTexture coll;
    LoadSurface(coll, path, 1, 1);
    coll.LockPixels();
    coll.Release();
    EXPECT_EQ(coll.surface.pixels, nullptr);
    EXPECT_EQ(coll.pixels, nullptr);
    EXPECT_EQ(coll.pitchPixels, 0);
    // Loading it again as a texture leaves no surface behind.
    coll.Load(path.c_str());
    EXPECT_EQ(coll.isSurface, 0);
    EXPECT_EQ(coll.surface.pixels, nullptr);
    EXPECT_NE(coll.texture, nullptr);
}

}  // namespace
