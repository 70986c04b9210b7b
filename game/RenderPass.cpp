#include "game/RenderPass.h"

#include "engine/GraphicsDevice.h"
#include "engine/SpriteTexture.h"
#include "game/Bloom.h"
#include "game/InGameRender.h"
#include "game/MenuScreens.h"
#include "gameplay/ColourCycle.h"
#include "platform/SpriteBatch.h"
#include "screens/CinemaBars.h"
#include "shared/GameStates.h"

uint32_t FrameClearColour()
{
    return tintColour;
}

void DrawScreenChain()
{
    RenderInGameScreen();
    RenderMainMenu();
    RenderOptionsMenu();
    RenderLevelPages();
    RenderCreditsScreen();

    // Common to every screen: the bars, with the intro texts and the status
    // line drawn over them and everything else under them.
    DrawCinemaBars(transitionCurtain);
    if (ShowsTotalScore(gameState))
        DrawTotalScore();
    DrawLevelTitle();

    RenderIntroScreen();
    RenderInGameStatusLine();
}

void DrawFrameContents()
{
    ClearFrame(FrameClearColour());
    BeginSprites();
    DrawScreenChain();
    EndSprites();
}

void RenderFrame()
{
    if (BloomReady()) {
        // The frame is drawn straight into the scene texture the effects
        // read, rather than copied out of the window afterwards.
        SetBatchTarget(sceneTexture);
        DrawFrameContents();
        SetBatchTarget(nullptr);
        ApplyBloom();
    } else {
        DrawFrameContents();
    }
    PresentFrame();
}
