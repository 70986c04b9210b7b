// Decoding picture files into plain memory: every kind of PNG gives the same
// pixels, and bad files (cut short, damaged, declaring a huge size, not a
// file at all) are refused with a reason, never read half or blocked on.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "platform/PictureDecode.h"
#include "platform/PngTestFiles.h"
#include "support/TestFiles.h"

namespace {

class PictureDecodeTest : public ::testing::Test {
protected:
    void SetUp() override { dir = testfiles::MakeTempDir("fv_decodetest_"); }
    void TearDown() override
    {
        for (const std::string& p : written) std::remove(p.c_str());
        rmdir(dir.c_str());
    }
    std::string Write(const char* name, const std::vector<uint8_t>& bytes)
    {
        const std::string path = dir + "/" + name;
        EXPECT_TRUE(pngtest::WriteBytes(path, bytes));
        written.push_back(path);
        return path;
    }
    static DecodedPicture Decode(const std::string& path, PixelOrder order = PixelOrder::Rgba,
                                 bool sizeOnly = false)
    {
        PictureRequest request;
        request.order = order;
        request.sizeOnly = sizeOnly;
        DecodedPicture picture;
        DecodePictureFile(path.c_str(), request, &picture);
        return picture;
    }
    static std::vector<uint8_t> Rgba(const std::vector<uint8_t>& pixels, int channels)
    {
        std::vector<uint8_t> out;
        for (size_t i = 0; i < pixels.size(); i += size_t(channels)) {
            out.insert(out.end(), pixels.begin() + long(i), pixels.begin() + long(i) + 3);
            out.push_back(channels == 4 ? pixels[i + 3] : 255);
        }
        return out;
    }
    std::string dir;
    std::vector<std::string> written;
};

TEST_F(PictureDecodeTest, EveryFilterGivesTheSamePixelsInBothOrders)
{
    // Odd sizes, so no row or pixel count lines up by chance.
    for (const int colourType : {2, 6}) {
        const int channels = colourType == 6 ? 4 : 3;
        const std::vector<uint8_t> pixels = pngtest::Pattern(37, 23, channels);
        const std::string path = Write(colourType == 6 ? "rgba.png" : "rgb.png",
                                       pngtest::FilteredPng(37, 23, colourType, pixels, 3));
        const std::vector<uint8_t> expected = Rgba(pixels, channels);

        DecodedPicture rgba = Decode(path);
        ASSERT_EQ(rgba.status, PictureStatus::Decoded) << rgba.problem;
        EXPECT_EQ(rgba.width, 37);
        EXPECT_EQ(rgba.height, 23);
        EXPECT_EQ(std::memcmp(rgba.pixels, expected.data(), expected.size()), 0) << "type " << colourType;
        FreeDecodedPicture(&rgba);

        DecodedPicture argb = Decode(path, PixelOrder::Argb);
        ASSERT_EQ(argb.status, PictureStatus::Decoded);
        const uint32_t* words = reinterpret_cast<const uint32_t*>(argb.pixels);
        for (size_t i = 0; i < size_t(37) * 23; ++i) {
            const uint8_t* e = &expected[i * 4];
            ASSERT_EQ(words[i], uint32_t(e[3]) << 24 | uint32_t(e[0]) << 16 | uint32_t(e[1]) << 8 | e[2])
                << "type " << colourType << " pixel " << i;
        }
        FreeDecodedPicture(&argb);
    }
}

TEST_F(PictureDecodeTest, OtherKindsOfPngDecodeThroughLibpng)
{
    struct Case {
        const char* name;
        pngtest::LibpngKind kind;
    };
    const Case cases[] = {
        {"palette.png", {PNG_COLOR_TYPE_PALETTE, 8, false, false}},
        {"palette_key.png", {PNG_COLOR_TYPE_PALETTE, 8, false, true}},
        {"grey16.png", {PNG_COLOR_TYPE_GRAY, 16, false, false}},
        {"interlaced.png", {PNG_COLOR_TYPE_GRAY, 8, true, false}},
        {"rgb_key.png", {PNG_COLOR_TYPE_RGB, 8, false, true}},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> expected;
        const std::string path = Write(c.name, pngtest::LibpngFile(c.kind, 13, 9, expected));
        DecodedPicture picture = Decode(path);
        ASSERT_EQ(picture.status, PictureStatus::Decoded) << c.name << ": " << picture.problem;
        EXPECT_EQ(std::memcmp(picture.pixels, expected.data(), expected.size()), 0) << c.name;
        FreeDecodedPicture(&picture);
    }
}

TEST_F(PictureDecodeTest, ACutShortFileIsRefusedWhereverItEnds)
{
    const std::vector<uint8_t> whole =
        pngtest::FilteredPng(64, 64, 6, pngtest::Pattern(64, 64, 4), 4);
    std::vector<uint8_t> expected;
    const std::vector<uint8_t> palette =
        pngtest::LibpngFile({PNG_COLOR_TYPE_PALETTE, 8, false, false}, 64, 64, expected);
    for (const std::vector<uint8_t>* file : {&whole, &palette}) {
        // In the header, inside the data, and just before the end chunk.
        for (const size_t keep : {size_t(20), file->size() / 2, file->size() - 12, file->size() - 1}) {
            const std::string path =
                Write("cut.png", std::vector<uint8_t>(file->begin(), file->begin() + long(keep)));
            DecodedPicture picture = Decode(path);
            EXPECT_EQ(picture.status, PictureStatus::Failed) << "kept " << keep << " of " << file->size();
            EXPECT_EQ(picture.pixels, nullptr);
            EXPECT_STREQ(picture.problem, "is cut short or damaged");
        }
    }
}

TEST_F(PictureDecodeTest, DamagedDataIsRefused)
{
    std::vector<uint8_t> file = pngtest::FilteredPng(32, 32, 2, pngtest::Pattern(32, 32, 3), 1);
    file[60] ^= 0x40;  // inside the one IDAT chunk: its checksum no longer fits
    DecodedPicture picture = Decode(Write("flipped.png", file));
    EXPECT_EQ(picture.status, PictureStatus::Failed);
    EXPECT_STREQ(picture.problem, "is cut short or damaged");

    DecodedPicture notPng = Decode(Write("text.png", {'h', 'e', 'l', 'l', 'o'}));
    EXPECT_EQ(notPng.status, PictureStatus::Failed);
    EXPECT_STREQ(notPng.problem, "is neither a PNG nor a BMP picture");
}

TEST_F(PictureDecodeTest, AHugeDeclaredSizeIsRefusedFromTheHeader)
{
    // 60000 x 60000 would be 14 GB of pixels; the whole file is 57 bytes.
    const std::vector<uint8_t> bomb = pngtest::HeaderOnlyPng(60000, 60000);
    ASSERT_LT(bomb.size(), 100u);
    const std::string path = Write("bomb.png", bomb);
    for (const bool sizeOnly : {false, true}) {
        DecodedPicture picture = Decode(path, PixelOrder::Rgba, sizeOnly);
        EXPECT_EQ(picture.status, PictureStatus::Failed);
        EXPECT_EQ(picture.pixels, nullptr);
        EXPECT_STREQ(picture.problem, "declares 60000 x 60000 pixels, more than a picture may have");
    }
    // Too many pixels in all, although each side is allowed.
    DecodedPicture tall = Decode(Write("tall.png", pngtest::HeaderOnlyPng(16384, 8192)), PixelOrder::Rgba, true);
    EXPECT_EQ(tall.status, PictureStatus::Failed);
    // The widest level's collision picture is within bounds.
    DecodedPicture wide = Decode(Write("wide.png", pngtest::HeaderOnlyPng(15360, 4096)), PixelOrder::Rgba, true);
    EXPECT_EQ(wide.status, PictureStatus::Decoded) << wide.problem;
    EXPECT_EQ(wide.fileWidth, 15360);
}

TEST_F(PictureDecodeTest, FoldersAndPipesAreRefusedWithoutWaiting)
{
    DecodedPicture folder = Decode(dir);
    EXPECT_EQ(folder.status, PictureStatus::Failed);
    EXPECT_STREQ(folder.problem, "is not a regular file (a folder, FIFO or device)");

    // Nobody writes into the pipe: a plain open would wait forever.
    const std::string fifo = dir + "/pipe.png";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    written.push_back(fifo);
    DecodedPicture pipe = Decode(fifo);
    EXPECT_EQ(pipe.status, PictureStatus::Failed);
    EXPECT_STREQ(pipe.problem, "is not a regular file (a folder, FIFO or device)");

    // A missing file is an ordinary case: no reason to report.
    DecodedPicture missing = Decode(dir + "/nothing.png");
    EXPECT_EQ(missing.status, PictureStatus::Failed);
    EXPECT_STREQ(missing.problem, "");
}

TEST_F(PictureDecodeTest, PowerOfTwoSizesAndBmpHeaders)
{
    PictureRequest request;
    request.powerOfTwo = true;
    const std::string png = Write("odd.png", pngtest::FilteredPng(100, 60, 6, pngtest::Pattern(100, 60, 4), 1));
    DecodedPicture stretched;
    DecodePictureFile(png.c_str(), request, &stretched);
    ASSERT_EQ(stretched.status, PictureStatus::Decoded);
    EXPECT_EQ(stretched.fileWidth, 100);
    EXPECT_EQ(stretched.width, 128);
    EXPECT_EQ(stretched.height, 64);
    ASSERT_NE(stretched.pixels, nullptr);
    FreeDecodedPicture(&stretched);

    // BMP pictures are sized from the header and decoded on the game thread.
    const std::string bmp = testfiles::WriteGreyBmp(dir + "/grey.bmp", 8, 6, 77);
    written.push_back(bmp);
    DecodedPicture grey;
    DecodePictureFile(bmp.c_str(), request, &grey);
    ASSERT_EQ(grey.status, PictureStatus::OnGameThread);
    CompletePictureDecode(bmp.c_str(), request, &grey);
    ASSERT_EQ(grey.status, PictureStatus::Decoded);
    EXPECT_EQ(grey.width, 8);
    EXPECT_EQ(grey.height, 8);
    EXPECT_EQ(grey.pixels[0], 77);
    FreeDecodedPicture(&grey);

    // A BMP shorter than its rows would be read as far as it goes.
    FILE* f = std::fopen(bmp.c_str(), "r+b");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(ftruncate(fileno(f), 60), 0);
    std::fclose(f);
    DecodedPicture cut;
    DecodePictureFile(bmp.c_str(), request, &cut);
    EXPECT_EQ(cut.status, PictureStatus::Failed);
    EXPECT_STREQ(cut.problem, "is cut short or damaged");
}

// The inputs kept from fuzzing the reader, and one of each kind the tests
// above write: each is refused with its reason, or decodes to its declared
// size; none is read past its end (the sanitizers watch).
TEST(PictureFuzzRegressions, EveryKeptInputIsRefusedOrDecodedWhole)
{
    const std::map<std::string, const char*> refusedAs = {
        {"truncated.png", "is cut short or damaged"},
        {"huge-header.png", "declares 60000 x 60000 pixels, more than a picture may have"},
        {"damaged-data.png", "is cut short or damaged"},
        {"damaged-deflate.png", "is cut short or damaged"},
        {"bad-filter.png", "is cut short or damaged"},
        {"short-rows.png", "is cut short or damaged"},
        {"chunk-past-end.png", "is cut short or damaged"},
        {"bad-depth.png", "is not a valid PNG picture"},
    };
    int inputs = 0, decoded = 0;
    for (const auto& entry : std::filesystem::directory_iterator("tests/platform/fuzz-regressions/png")) {
        ++inputs;
        const std::string name = entry.path().filename().string();
        DecodedPicture pictures[2];
        const PixelOrder orders[2] = {PixelOrder::Rgba, PixelOrder::Argb};
        for (int k = 0; k < 2; ++k) {
            PictureRequest request;
            request.order = orders[k];
            DecodedPicture& picture = pictures[k];
            DecodePictureFile(entry.path().c_str(), request, &picture);
            const auto refused = refusedAs.find(name);
            if (refused != refusedAs.end()) {
                EXPECT_EQ(picture.status, PictureStatus::Failed) << name;
                EXPECT_STREQ(picture.problem, refused->second) << name;
            }
            if (picture.status == PictureStatus::Failed) {
                EXPECT_EQ(picture.pixels, nullptr) << name;
                EXPECT_NE(picture.problem[0], '\0') << name;
            } else {
                ASSERT_EQ(picture.status, PictureStatus::Decoded) << name;
                ASSERT_NE(picture.pixels, nullptr) << name;
                EXPECT_LE(int64_t(picture.width) * picture.height, maxPicturePixels) << name;
            }
        }
        // Both orders hold the same pixels, every one of them read.
        if (pictures[0].status == PictureStatus::Decoded && pictures[1].status == PictureStatus::Decoded) {
            ++decoded;
            ASSERT_EQ(pictures[0].width, pictures[1].width) << name;
            ASSERT_EQ(pictures[0].height, pictures[1].height) << name;
            size_t differing = 0;
            for (size_t i = 0; i < size_t(pictures[0].width) * size_t(pictures[0].height); ++i) {
                const uint8_t* rgba = pictures[0].pixels + 4 * i;
                uint32_t argb;
                std::memcpy(&argb, pictures[1].pixels + 4 * i, 4);
                differing += argb != (uint32_t(rgba[3]) << 24 | uint32_t(rgba[0]) << 16 |
                                      uint32_t(rgba[1]) << 8 | rgba[2]);
            }
            EXPECT_EQ(differing, 0u) << name;
        }
        for (DecodedPicture& picture : pictures) FreeDecodedPicture(&picture);
    }
    EXPECT_GT(decoded, 0);
    EXPECT_GE(inputs, int(refusedAs.size()));
}

}  // namespace
