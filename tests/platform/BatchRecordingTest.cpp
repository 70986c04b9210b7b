// The recording sprite batch: what tests of the drawing code read back.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "engine/GraphicsDevice.h"
#include "platform/Font.h"
#include "platform/SpriteBatch.h"
#include "platform/SpritePngWriter.h"
#include "platform/Texture.h"

namespace {

class BatchRecordingTest : public ::testing::Test {
protected:
    void SetUp() override {
        batchBackend = BatchBackend::Recording;
        ResetBatchLog();
        path = testpng::TempPath("batch.png");
        ASSERT_TRUE(testpng::WritePng(path, 4, 4, testpng::PositionPicture(4, 4)));
        texture = CreateTextureFromFile(path.c_str());
        ASSERT_NE(texture, nullptr);
    }
    void TearDown() override {
        DestroyTexture(texture);
        std::remove(path.c_str());
        ResetBatchLog();
    }
    std::string path;
    PlatformTexture* texture = nullptr;
    const AffineTransform identity = {1, 0, 0, 1, 0, 0};
};

TEST_F(BatchRecordingTest, FrameBracketIsLogged) {
    PresentBlackFrame();
    ClearFrame(0xFFFFFF55u);
    PresentFrame();
    ASSERT_EQ(BatchLogCount(), 4);
    EXPECT_EQ(BatchLog()[0].kind, BatchDrawKind::Clear);
    EXPECT_EQ(BatchLog()[0].colour, 0xFF000000u);
    EXPECT_EQ(BatchLog()[1].kind, BatchDrawKind::Present);
    EXPECT_EQ(BatchLog()[2].colour, 0xFFFFFF55u);
    EXPECT_EQ(TestCooperativeLevel(), deviceStatusOk);
}

TEST_F(BatchRecordingTest, DrawsKeepOrderTransformAndSourceRect) {
    const BatchRect rect = {1, 2, 3, 4};
    const AffineTransform moved = {2, 0, 0, 3, 10, 20};
    BatchDrawTexture(texture, identity, nullptr, 0xFF000001u);
    BatchDrawTexture(texture, moved, &rect, 0xFF000002u);
    BatchDrawTexture(nullptr, identity, nullptr, 0xFF000003u);  // absent picture
    ASSERT_EQ(BatchLogCount(), 2);
    const BatchRecord& second = BatchLog()[1];
    EXPECT_EQ(second.colour, 0xFF000002u);
    EXPECT_EQ(second.useSourceRect, 1);
    EXPECT_EQ(second.sourceRect.bottom, 4);
    EXPECT_FLOAT_EQ(second.transform.m11, 3);
    EXPECT_FLOAT_EQ(second.transform.ty, 20);
    EXPECT_EQ(second.textureId, TextureId(texture));
    EXPECT_EQ(BatchLog()[0].useSourceRect, 0);
}

TEST_F(BatchRecordingTest, FullLogCountsWhatItDrops) {
    for (int i = 0; i < kBatchLogCapacity + 5; ++i) {
        BatchDrawTexture(texture, identity, nullptr, uint32_t(i));
    }
    EXPECT_EQ(BatchLogCount(), kBatchLogCapacity);
    EXPECT_EQ(BatchLogDropped(), 5);
    EXPECT_EQ(BatchLog()[kBatchLogCapacity - 1].colour, uint32_t(kBatchLogCapacity - 1));
    ResetBatchLog();
    EXPECT_EQ(BatchLogCount(), 0);
    EXPECT_EQ(BatchLogDropped(), 0);
}

TEST_F(BatchRecordingTest, LongTextIsCutInTheLogOnly) {
    std::string longText(300, 'x');
    BatchDrawText(nullptr, "no font", 10, 10, identity, 0);  // nothing without a font
    EXPECT_EQ(BatchLogCount(), 0);
    PlatformFont* font = LoadPlatformFont(nullptr, 12);  // the system face
    ASSERT_NE(font, nullptr);
    BatchDrawText(font, longText.c_str(), 5, 6, identity, 0xFF00FF00u);
    ASSERT_EQ(BatchLogCount(), 1);
    EXPECT_EQ(std::strlen(BatchLog()[0].text), size_t(kBatchTextChars - 1));
    EXPECT_EQ(BatchLog()[0].boxWidth, 5);
    EXPECT_EQ(BatchLog()[0].fontHeight, 12);
    ReleasePlatformFont(font);
}

TEST_F(BatchRecordingTest, TexturesNeedNoDisplayAndGetFreshIds) {
    PlatformTexture* again = CreateTextureFromFile(path.c_str());
    ASSERT_NE(again, nullptr);
    EXPECT_NE(TextureId(again), TextureId(texture));
    EXPECT_EQ(TextureWidth(again), 4);
    // Windows separators are accepted.
    std::string windowsPath = path;
    windowsPath.replace(windowsPath.find('/', 1), 1, "\\");
    PlatformTexture* slashed = CreateTextureFromFile(windowsPath.c_str());
    EXPECT_NE(slashed, nullptr);
    DestroyTexture(slashed);
    DestroyTexture(again);
    EXPECT_EQ(CreateTextureFromFile("nothing//here.png"), nullptr);
}

}  // namespace
