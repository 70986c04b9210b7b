// CPU-readable pictures: plain pixel memory from a file, with no display.
#include <gtest/gtest.h>
#include <unistd.h>

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
    // Empty pixels in place of the file are no success.
    EXPECT_EQ(LoadSurface(coll, "data//w99//coll_missing.png", 50, 40), "FAIL");
    const PixelLock lock = coll.LockPixels();
    ASSERT_NE(lock.pixels, nullptr);
    EXPECT_EQ(lock.pitch, 50);
    for (int i = 0; i < 50 * 40; ++i) ASSERT_EQ(lock.pixels[i], 0u);
}

TEST_F(SpriteSurfaceTest, CutShortOrHugeFilesReadAsMissingOnesWithAReason) {
    // A collision picture that stops halfway once gave its upper half and
    // "OK", and the Vop fell through the lower half.
    std::vector<uint32_t> white(64 * 64, 0xFFFFFFFFu);
    for (size_t i = 0; i < white.size(); i += 7) white[i] = 0xFF000080u;  // keep it from compressing away
    const std::string whole = Write("whole.png", 64, 64, white);
    FILE* f = std::fopen(whole.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    std::fseek(f, 0, SEEK_END);
    ASSERT_EQ(ftruncate(fileno(f), std::ftell(f) / 2), 0);
    std::fclose(f);

    const std::string huge = testpng::TempPath("huge.png");
    written.push_back(huge);
    ASSERT_TRUE(testpng::WritePng(huge, 1, 1, {0xFFFFFFFFu}));
    // Rewrite the declared size to 40000 x 40000 (the header's checksum is
    // left wrong on purpose: the size must be refused before anything else).
    f = std::fopen(huge.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    const unsigned char size[8] = {0, 0, 0x9C, 0x40, 0, 0, 0x9C, 0x40};
    std::fseek(f, 16, SEEK_SET);
    std::fwrite(size, 1, sizeof size, f);
    std::fclose(f);

    for (const std::string& path : {whole, huge}) {
        SpriteTexture coll;
        testing::internal::CaptureStderr();
        EXPECT_EQ(LoadSurface(coll, path, 64, 64), "FAIL") << path;
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_NE(message.find(path), std::string::npos) << message;
        EXPECT_NE(message.find(path == whole ? "is cut short or damaged" : "declares 40000 x 40000 pixels"),
                  std::string::npos)
            << message;
        const PixelLock lock = coll.LockPixels();
        ASSERT_EQ(lock.pitch, 64);
        for (int i = 0; i < 64 * 64; ++i) ASSERT_EQ(lock.pixels[i], 0u) << path;
    }
    // As a texture the huge one is not drawn either (without a display only
    // the header of a texture is read, so only the size can be refused here).
    SpriteTexture picture;
    testing::internal::CaptureStderr();
    picture.Load(huge.c_str());
    EXPECT_NE(testing::internal::GetCapturedStderr().find("it is not drawn"), std::string::npos);
    EXPECT_EQ(picture.texture, nullptr);
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
