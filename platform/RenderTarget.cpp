#include "platform/RenderTarget.h"

#include <new>

#include "platform/Display.h"
#include "platform/SfmlContext.h"
#include "platform/SpriteBatch.h"
#include "platform/Window.h"

namespace {

// The window's frame is copied through this texture, kept between frames so
// copying allocates nothing once it has the window's size.
sf::Texture* windowCopy = nullptr;

void DrawStretched(const sf::Texture& source, const sf::IntRect& area, RenderTarget* target) {
    sf::Sprite sprite(source, area);
    sprite.setScale(static_cast<float>(target->width) / static_cast<float>(area.width),
                    static_cast<float>(target->height) / static_cast<float>(area.height));
    target->target.draw(sprite, sf::RenderStates(sf::BlendNone));
    target->target.display();
}

}  // namespace

RenderTarget* CreateRenderTarget(int width, int height) {
    if (width <= 0 || height <= 0 || !DisplayAvailable()) return nullptr;
    HoldGraphicsConnection();
    RenderTarget* target = new (std::nothrow) RenderTarget;
    if (target == nullptr) return nullptr;
    bool created;
    {
        QuietSfmlErrors quiet;
        created = target->target.create(static_cast<unsigned>(width), static_cast<unsigned>(height));
    }
    if (!created) {
        delete target;
        return nullptr;
    }
    target->width = width;
    target->height = height;
    target->target.setSmooth(true);
    target->target.clear(sf::Color::Black);
    target->target.display();
    return target;
}

void ReleaseRenderTarget(RenderTarget* target) {
    FlushSpriteBatch();
    if (target == nullptr) return;
    if (BatchTarget() == target) SetBatchTarget(nullptr);
    delete target;
}

int RenderTargetWidth(const RenderTarget* target) { return target ? target->width : 0; }
int RenderTargetHeight(const RenderTarget* target) { return target ? target->height : 0; }

void ClearRenderTarget(RenderTarget* target, uint32_t argb) {
    FlushSpriteBatch();
    if (target == nullptr) return;
    target->target.clear(ColourFromArgb(argb));
    target->target.display();
}

bool CopyFrameToRenderTarget(RenderTarget* target) {
    FlushSpriteBatch();
    if (target == nullptr) return false;
    RenderTarget* frame = BatchTarget();
    if (frame == target) return false;
    if (frame != nullptr) {
        frame->target.display();
        sf::Texture& source = const_cast<sf::Texture&>(frame->target.getTexture());
        const bool smooth = source.isSmooth();
        source.setSmooth(false);  // the copy samples points, as the frame has them
        const sf::Vector2u size = source.getSize();
        DrawStretched(source, sf::IntRect(0, 0, static_cast<int>(size.x), static_cast<int>(size.y)),
                      target);
        source.setSmooth(smooth);
        return true;
    }
    if (gameWindow == nullptr) return false;
    const sf::Vector2u size = gameWindow->getSize();
    if (windowCopy == nullptr) windowCopy = new sf::Texture;
    if (windowCopy->getSize() != size && !windowCopy->create(size.x, size.y)) return false;
    windowCopy->update(*gameWindow);
    // Only the game's frame, not the black beside it in a larger window.
    const FrameViewport shown = GameWindowFrameViewport();
    DrawStretched(*windowCopy, sf::IntRect(shown.left, shown.top, shown.width, shown.height), target);
    return true;
}

bool ReadRenderTargetPixels(RenderTarget* target, uint32_t* argb, int capacity) {
    FlushSpriteBatch();
    if (target == nullptr || argb == nullptr) return false;
    if (capacity < target->width * target->height) return false;
    target->target.display();
    const sf::Image image = target->target.getTexture().copyToImage();
    const sf::Uint8* p = image.getPixelsPtr();
    const int count = target->width * target->height;
    for (int i = 0; i < count; ++i, p += 4) {
        argb[i] = uint32_t(p[3]) << 24 | uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
    }
    return true;
}
