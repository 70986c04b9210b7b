#include "game/RenderPass.h"

#include "engine/GraphicsDevice.h"
#include "engine/SpriteTexture.h"
#include "game/Bloom.h"
#include "game/GameStates.h"
#include "game/InGameRender.h"
#include "game/MenuScreens.h"
#include "gameplay/ColourCycle.h"
#include "screens/CinemaBars.h"

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

void RenderFrame()
{
    ClearFrame(FrameClearColour());
    BeginSprites();
    DrawScreenChain();
    EndSprites();
    if (BloomReady())
        ApplyBloom();
    PresentFrame();
}
