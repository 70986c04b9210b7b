#pragma once
// Shared set-up for the menu screen tests: the game brought up by the
// harness (no window, recording sprite batch, silent audio, HOME in a fresh
// temporary folder), the menu pictures loaded as small distinct pictures so
// their draws can be told apart, and helpers that press keys, pad buttons
// and the mouse the way a player does.
#include <gtest/gtest.h>

#include "support/TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/MainWindow.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "game/MenuScreens.h"
#include "game/Resources.h"
#include "gameplay/Camera.h"
#include "platform/Keyboard.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "screens/FocusNavigation.h"
#include "shared/GameStates.h"
#include "tools/harness/Harness.h"

namespace menutest {

// A tiny 24-bit BMP; every load of it makes a picture with its own id.
inline const std::string& TestPicturePath() {
    static const std::string path = testfiles::WriteGreyPicture("fv_menutest_", 8, 180);
    return path;
}

inline void LoadMenuPictures() {
    SpriteTexture* singles[] = {&worldCircleSprite, &sceneryTree1, &sceneryTree2, &sceneryTree4,
                                &sceneryTree5, &sceneryTree8, &sceneryHill1, &sceneryHill2,
                                &sceneryHill3, &sceneryHill4, &sceneryWindmillWheel,
                                &sceneryWindmillTower, &sunSprite, &logoSprite, &skySprite,
                                &checkMarkSprite, &arrowSprite, &blackSprite};
    for (SpriteTexture* p : singles) p->Load(TestPicturePath().c_str());
    SpriteTexture* pairs[] = {stanButton, backButton, exitButton, creditsButton, optionsButton,
                              resetButton, levelButton, bossButton, bigGearCwSprites,
                              bigGearCcwSprites, cannonSprites, trailParticleSprites};
    for (SpriteTexture* p : pairs) {
        p[0].Load(TestPicturePath().c_str());
        p[1].Load(TestPicturePath().c_str());
    }
    for (SpriteTexture& p : kindButtonBlack) p.Load(TestPicturePath().c_str());
    for (SpriteTexture& p : kindButtonWhite) p.Load(TestPicturePath().c_str());
    for (SpriteTexture& p : chapterTitles) p.Load(TestPicturePath().c_str());
    fontSmall.Load("data//FVf.ttf", "Snap ITC", 28);
    fontMedium.Load("data//FVf.ttf", "Snap ITC", 50);
    fontLarge.Load("data//FVf.ttf", "Snap ITC", 100);
}

inline uint32_t IdOf(const SpriteTexture& picture) { return TextureId(picture.texture); }

// Draws of one picture in the last rendered frame.
inline int DrawCount(const SpriteTexture& picture) {
    int n = 0;
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& r = BatchLog()[i];
        if (r.kind == BatchDrawKind::Sprite && r.textureId == IdOf(picture)) ++n;
    }
    return n;
}

// The texts of the last rendered frame.
inline std::vector<std::string> TextsDrawn() {
    std::vector<std::string> out;
    for (int i = 0; i < BatchLogCount(); ++i)
        if (BatchLog()[i].kind == BatchDrawKind::Text) out.push_back(BatchLog()[i].text);
    return out;
}

inline bool TextShown(const std::string& text) {
    for (const std::string& t : TextsDrawn())
        if (t == text) return true;
    return false;
}

// The colour of the first draw of a text in the last frame (0 when absent).
inline uint32_t TextColour(const std::string& text) {
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& r = BatchLog()[i];
        if (r.kind == BatchDrawKind::Text && text == r.text) return r.colour;
    }
    return 0;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* old = std::getenv("HOME");
        hadHome = old != nullptr;
        if (old) oldHome = old;
        HarnessConfig config;
        config.homeDir = home.path.c_str();
        config.unlockedLevels = 1;
        HarnessInit(config);
        LoadMenuPictures();
        // The pointer rests in the middle, where it pans nothing.
        HarnessSetPointer(config.screenWidth / 2, config.screenHeight / 2);
        ResetMenuState();
        cameraX = cameraY = 0;
    }
    void TearDown() override {
        if (hadHome) setenv("HOME", oldHome.c_str(), 1);
    }

    // Starts at a screen with the bars closed and lets them open fully.
    void OpenScreen(int state) {
        HarnessStartAtState(state);
        ResetBatchLog();
        for (int i = 0; i < 200 && !barsOpen; ++i) HarnessTick();
        ASSERT_TRUE(barsOpen);
    }
    // Ticks until gameState is `state` and its bars are open again.
    bool ArriveAt(int state, int maxTicks = 300) {
        for (int i = 0; i < maxTicks; ++i) {
            if (gameState == state && barsOpen && transitionIdle) return true;
            HarnessTick();
        }
        return false;
    }
    // One press of a key: held for a tick, then released for a tick.
    void PressKey(uint8_t code) {
        HarnessKeyDown(code);
        HarnessTick();
        HarnessKeyUp(code);
        HarnessTick();
    }
    void PressPad(uint16_t buttons) {
        XInputGamepad pad{};
        pad.wButtons = buttons;
        HarnessSetPad(pad);
        HarnessTick();
        HarnessSetPad(XInputGamepad{});
        HarnessTick();
    }
    // Moves the mouse there (mouse mode) and clicks in the next tick.
    void ClickAt(float x, float y) {
        HarnessSetPointer(static_cast<int>(x), static_cast<int>(y));
        HarnessTick();
        HarnessClick();
        HarnessTick();
    }

    // The settings files as written so far.
    std::string ReadSettingsFile(const char* name) const {
        std::string path = std::string(settingsDir) + "//" + name;
        FILE* f = std::fopen(path.c_str(), "rb");
        if (f == nullptr) return std::string();
        std::string bytes;
        char buffer[512];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
        std::fclose(f);
        return bytes;
    }
    std::string ReadGameXml() const { return ReadSettingsFile("Game.xml"); }
    std::string ReadOptionsXml() const { return ReadSettingsFile("Options.xml"); }

    testfiles::TempFolder home{"fv-menu-home."};
    bool hadHome = false;
    std::string oldHome;
};

}  // namespace menutest
