// Many pictures loaded at once: decoded on worker threads, each record ends
// up as its own Load would leave it, and the log comes in the order the
// records are filled, not the order the files happen to finish.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/PictureBatch.h"
#include "engine/SpriteTexture.h"
#include "platform/SpritePngWriter.h"

namespace {

class PictureBatchTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const std::string& p : written) std::remove(p.c_str());
    }
    std::string Write(const std::string& name, int w, int h, uint32_t colour)
    {
        const std::string path = testpng::TempPath(name.c_str());
        EXPECT_TRUE(testpng::WritePng(path, w, h, std::vector<uint32_t>(size_t(w) * h, colour)));
        written.push_back(path);
        return path;
    }
    std::vector<std::string> written;
};

TEST_F(PictureBatchTest, SurfacesFillInTheOrderAskedWithTheirOwnPixels)
{
    // Surfaces are decoded in full, so several of them keep the workers busy.
    constexpr int count = 12;
    static PictureBatch batch;
    static SpriteTexture records[count];
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        // Every third file is missing; sizes differ so the files finish in
        // another order than they are taken.
        paths.push_back(i % 3 == 2 ? testpng::TempPath("missing.png")
                                   : Write("batch" + std::to_string(i) + ".png", 40 + 30 * (count - i), 20,
                                           0xFF000000u | uint32_t(i)));
        ASSERT_EQ(AddBatchPicture(batch, &records[i], paths.back().c_str(), true, 40, 20), i);
    }
    StartPictureBatch(batch);
    testing::internal::CaptureStdout();
    for (int i = count - 1; i >= 0; --i) LoadBatchPicture(batch, i);  // the last one first
    FinishPictureBatch(batch);
    std::string expected;
    for (int i = count - 1; i >= 0; --i) expected += i % 3 == 2 ? "FAIL" : "OK";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);

    for (int i = 0; i < count; ++i) {
        const PixelLock lock = records[i].LockPixels();
        ASSERT_EQ(lock.pitch, 40) << i;
        const uint32_t want = i % 3 == 2 ? 0u : 0xFF000000u | uint32_t(i);
        // Scaled down to the asked size by nearest pixel: one colour still.
        EXPECT_EQ(lock.pixels[0], want) << i;
        EXPECT_EQ(lock.pixels[40 * 20 - 1], want) << i;
        records[i].Release();
    }
    EXPECT_EQ(batch.count, 0);  // ready for the next use
}

TEST_F(PictureBatchTest, RecordsNotTakenAreFilledAtTheEndAndDecodeOnlyPicturesAreHandedOut)
{
    static PictureBatch batch;
    static SpriteTexture first, second;
    const std::string a = Write("take_a.png", 8, 8, 0xFF112233u);
    const std::string b = Write("take_b.png", 16, 4, 0xFF445566u);
    AddBatchPicture(batch, &first, a.c_str());
    const int only = AddBatchPicture(batch, nullptr, b.c_str(), true, 16, 4);
    AddBatchPicture(batch, &second, b.c_str());
    StartPictureBatch(batch);
    EXPECT_EQ(AddBatchPicture(batch, &first, a.c_str()), -1);  // running: no more
    const DecodedPicture* picture = WaitForBatchPicture(batch, only);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->status, PictureStatus::Decoded);
    EXPECT_EQ(picture->fileWidth, 16);
    FinishPictureBatch(batch);
    ASSERT_NE(first.texture, nullptr);
    ASSERT_NE(second.texture, nullptr);
    EXPECT_LT(TextureId(first.texture), TextureId(second.texture));
    EXPECT_EQ(TextureWidth(second.texture), 16);
    first.Release();
    second.Release();
}

}  // namespace
