// Effect passes over offscreen targets: a GLSL file with the game's
// parameter names reads its input texture the right way up and writes the
// whole destination.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/SpriteTexture.h"
#include "platform/Display.h"
#include "platform/RenderTarget.h"
#include "platform/Shader.h"
#include "platform/SpritePngWriter.h"
#include "support/TestFiles.h"

namespace {

std::string WriteText(const char* name, const char* text) {
    const std::string path = testpng::TempPath(name);
    FILE* f = std::fopen(path.c_str(), "w");
    if (f != nullptr) {
        std::fputs(text, f);
        std::fclose(f);
    }
    return path;
}

const char* const kTestEffect =
    "#version 120\n"
    "uniform sampler2D BaseTexture;\n"
    "uniform float BloomThreshold;\n"
    "uniform vec4 PixelSize;\n"
    "uniform int Pass;\n"
    "void main() {\n"
    "    vec4 c = texture2D(BaseTexture, gl_TexCoord[0].xy);\n"
    "    gl_FragColor = vec4(c.r * BloomThreshold, c.g * PixelSize.y, float(Pass), 1.0);\n"
    "}\n";

class ShaderPassTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!DisplayAvailable() || !EffectsAvailable()) GTEST_SKIP() << "no shaders here";
        batchBackend = BatchBackend::Sfml;
    }
    void TearDown() override {
        SetBatchTarget(nullptr);
        batchBackend = BatchBackend::Recording;
    }
};

TEST_F(ShaderPassTest, PassReadsItsInputUprightAndSetsParameters) {
    // Source 8 x 8: top half red, bottom half green.
    RenderTarget* source = CreateRenderTarget(8, 8);
    RenderTarget* destination = CreateRenderTarget(4, 4);
    ASSERT_NE(source, nullptr);
    ASSERT_NE(destination, nullptr);
    const std::string png = testpng::TempPath("red.png");
    ASSERT_TRUE(testpng::WritePng(png, 1, 1, {0xFFFF0000u}));
    SpriteTexture red;
    red.Load(png.c_str());
    std::remove(png.c_str());
    SetBatchTarget(source);
    BatchClear(0xFF00FF00u);
    red.DrawSprite(0, 0, 0, 8, 4, 0, 0, 0xFFFFFFFFu);
    EndSprites();
    SetBatchTarget(nullptr);

    const std::string file = WriteText("effect.fx", kTestEffect);
    Effect* effect = CreateEffectFromFile(file.c_str());
    std::remove(file.c_str());
    ASSERT_NE(effect, nullptr);
    SetEffectTexture(effect, "BaseTexture", source);
    SetEffectFloat(effect, "BloomThreshold", 0.5f);
    SetEffectVector(effect, "PixelSize", 0, 1, 0, 0);
    SetEffectFloat(effect, "NotInTheFile", 3.0f);  // ignored
    ASSERT_TRUE(DrawEffectPass(effect, 1, destination));

    std::vector<uint32_t> pixels(16);
    ASSERT_TRUE(ReadRenderTargetPixels(destination, pixels.data(), 16));
    for (int x = 0; x < 4; ++x) {
        const uint32_t top = pixels[0 * 4 + x], bottom = pixels[3 * 4 + x];
        EXPECT_NEAR(int((top >> 16) & 0xFF), 128, 2) << x;
        EXPECT_EQ((top >> 8) & 0xFF, 0u);
        EXPECT_EQ(top & 0xFF, 255u);  // pass 1
        EXPECT_EQ((bottom >> 16) & 0xFF, 0u);
        EXPECT_EQ((bottom >> 8) & 0xFF, 255u);
    }
    ReleaseEffect(effect);
    ReleaseRenderTarget(source);
    ReleaseRenderTarget(destination);
}

TEST_F(ShaderPassTest, BadFilesGiveNoEffect) {
    EXPECT_EQ(CreateEffectFromFile("data\\shader\\NoSuchEffect.fx"), nullptr);
    const std::string file = WriteText("broken.fx", "this is not GLSL");
    testing::internal::CaptureStderr();
    EXPECT_EQ(CreateEffectFromFile(file.c_str()), nullptr);
    testing::internal::GetCapturedStderr();
    std::remove(file.c_str());
    EXPECT_FALSE(DrawEffectPass(nullptr, 0, nullptr));

    // A folder or a FIFO where a shader file belongs is named and never read
    // (a folder once ended the game with bad_alloc, a FIFO hung it).
    const std::string dir = testfiles::MakeTempDir("fv_shadertest_");
    ASSERT_FALSE(dir.empty());
    const std::string folder = dir + "/folder.fx", fifo = dir + "/fifo.fx";
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    alarm(20);  // a reader waiting on the FIFO ends the test rather than the run
    for (const std::string& path : {folder, fifo}) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(CreateEffectFromFile(path.c_str()), nullptr) << path;
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(path + " is not a regular file"), std::string::npos) << said;
    }
    alarm(0);
    std::filesystem::remove_all(dir);
}

}  // namespace
