#pragma once
// Shared set-up for the level-button and kind-choice drawing tests: the
// pictures those widgets draw loaded as small distinct pictures into the
// recording sprite batch (no window), the fonts, a 1024 x 768 screen, silent
// audio, and helpers to read the logged draws back.
#include <gtest/gtest.h>

#include "support/TestFiles.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

#include "engine/GameFont.h"
#include "engine/InputActions.h"
#include "engine/LanguageTables.h"
#include "engine/MainWindow.h"
#include "engine/ResourceCatalogue.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "gameplay/Camera.h"
#include "gameplay/ColourCycle.h"
#include "gameplay/VopPhysics.h"
#include "platform/Audio.h"
#include "platform/SpriteBatch.h"
#include "platform/Texture.h"
#include "shared/LevelRecord.h"

namespace buttontest {

inline const std::string& TestPicturePath() {
    static const std::string path = testfiles::WriteGreyPicture("fv_buttontest_", 8, 90);
    return path;
}

inline void LoadButtonPictures() {
    static bool loaded = false;
    if (loaded) return;
    loaded = true;
    SetSilentAudio(true);
    batchBackend = BatchBackend::Recording;
    const char* path = TestPicturePath().c_str();
    for (SpriteTexture* pair : {levelButton, bossButton}) {
        pair[0].Load(path);
        pair[1].Load(path);
    }
    for (SpriteTexture& p : kindButtonBlack) p.Load(path);
    for (SpriteTexture& p : kindButtonWhite) p.Load(path);
    checkMarkSprite.Load(path);
    arrowSprite.Load(path);
    fontSmall.Load("data//FVf.ttf", "Snap ITC", 28);
    fontMedium.Load("data//FVf.ttf", "Snap ITC", 50);
    fontLarge.Load("data//FVf.ttf", "Snap ITC", 100);
}

inline uint32_t IdOf(const SpriteTexture& picture) { return TextureId(picture.texture); }

inline std::vector<const BatchRecord*> DrawsOf(const SpriteTexture& picture) {
    std::vector<const BatchRecord*> out;
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& r = BatchLog()[i];
        if (r.kind == BatchDrawKind::Sprite && r.textureId == IdOf(picture)) out.push_back(&r);
    }
    return out;
}

inline std::vector<std::string> TextsDrawn() {
    std::vector<std::string> out;
    for (int i = 0; i < BatchLogCount(); ++i)
        if (BatchLog()[i].kind == BatchDrawKind::Text) out.push_back(BatchLog()[i].text);
    return out;
}

// Names every levelselection entry after its number ("ls9" ...), so a test
// can tell which entries were drawn.
inline void NameSelectionTexts() {
    for (int i = 0; i < 31; ++i) std::snprintf(levelSelectionTexts[i], kTextEntrySize, "ls%d", i);
}

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        LoadButtonPictures();
        NameSelectionTexts();
        screenWidth = 1024;
        screenHeight = 768;
        cameraX = cameraY = 0;
        playerX = 512;
        playerY = 768;  // the parked pointer: touches nothing
        mouseClicked = 0;
        actionConfirm = 0;
        vopKind = 1;
        difficulty = 1;
        unlockedLevels = 1;
        for (float& c : ambientColour) c = 200.0f;
        ResetBatchLog();
    }
};

}  // namespace buttontest
