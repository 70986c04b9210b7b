#include "platform/SpriteBatch.h"

#include <cstring>

#include "platform/Font.h"
#include "platform/SfmlContext.h"

BatchBackend batchBackend = BatchBackend::Recording;

namespace {

BatchRecord batchLog[kBatchLogCapacity];
int batchLogCount = 0;
int batchLogDropped = 0;
RenderTarget* batchTarget = nullptr;

BatchRecord* NextRecord(BatchDrawKind kind) {
    if (batchLogCount >= kBatchLogCapacity) {
        ++batchLogDropped;
        return nullptr;
    }
    BatchRecord* record = &batchLog[batchLogCount++];
    record->kind = kind;
    record->useSourceRect = 0;
    record->textureId = 0;
    record->path = "";
    record->transform = AffineTransform{1, 0, 0, 1, 0, 0};
    record->sourceRect = BatchRect{0, 0, 0, 0};
    record->colour = 0;
    record->fontHeight = 0;
    record->boxWidth = 0;
    record->boxHeight = 0;
    record->text[0] = '\0';
    return record;
}

// Consecutive pictures from the same texture go to the graphics card as one
// draw call: their corners are transformed here into a fixed vertex buffer,
// which is sent when the texture or target changes or anything else draws.
constexpr int kPendingQuads = 2048;
sf::Vertex pendingVertices[kPendingQuads * 6];
int pendingCount = 0;
const sf::Texture* pendingTexture = nullptr;
sf::RenderTarget* pendingTarget = nullptr;

}  // namespace

void QueueQuad(sf::RenderTarget* target, const sf::Texture* texture, const AffineTransform& t,
               float x, float y, float width, float height, float left, float top,
               sf::Color colour) {
    if (pendingCount > 0 &&
        (target != pendingTarget || texture != pendingTexture ||
         pendingCount + 6 > kPendingQuads * 6)) {
        FlushSpriteBatch();
    }
    pendingTarget = target;
    pendingTexture = texture;
    const float cornersX[4] = {0.f, width, width, 0.f};
    const float cornersY[4] = {0.f, 0.f, height, height};
    sf::Vertex corners[4];
    for (int i = 0; i < 4; ++i) {
        const float px = x + cornersX[i], py = y + cornersY[i];
        corners[i] =
            sf::Vertex(sf::Vector2f(t.m00 * px + t.m01 * py + t.tx, t.m10 * px + t.m11 * py + t.ty),
                       colour, sf::Vector2f(left + cornersX[i], top + cornersY[i]));
    }
    sf::Vertex* out = pendingVertices + pendingCount;
    out[0] = corners[0];
    out[1] = corners[1];
    out[2] = corners[2];
    out[3] = corners[0];
    out[4] = corners[2];
    out[5] = corners[3];
    pendingCount += 6;
}

void FlushSpriteBatch() {
    if (pendingCount == 0) return;
    const sf::RenderStates states(sf::BlendAlpha, sf::Transform::Identity, pendingTexture, nullptr);
    pendingTarget->draw(pendingVertices, static_cast<std::size_t>(pendingCount), sf::Triangles,
                        states);
    pendingCount = 0;
    pendingTexture = nullptr;
    pendingTarget = nullptr;
}

sf::RenderTarget* CurrentSfmlTarget() {
    if (batchTarget != nullptr) return &batchTarget->target;
    return gameWindow;
}

void SetBatchTarget(RenderTarget* target) {
    FlushSpriteBatch();
    batchTarget = target;
}
RenderTarget* BatchTarget() { return batchTarget; }

void BatchBegin() {}

void BatchEnd() {
    FlushSpriteBatch();
    // An offscreen target's texture is complete only after display().
    if (batchBackend == BatchBackend::Sfml && batchTarget != nullptr) batchTarget->target.display();
}

void BatchClear(uint32_t argb) {
    if (batchBackend == BatchBackend::Recording) {
        if (BatchRecord* record = NextRecord(BatchDrawKind::Clear)) record->colour = argb;
        return;
    }
    FlushSpriteBatch();
    if (sf::RenderTarget* target = CurrentSfmlTarget()) target->clear(ColourFromArgb(argb));
}

void BatchPresent() {
    if (batchBackend == BatchBackend::Recording) {
        NextRecord(BatchDrawKind::Present);
        return;
    }
    FlushSpriteBatch();
    if (batchTarget != nullptr) {
        batchTarget->target.display();
    } else if (gameWindow != nullptr) {
        PaintLetterboxBars();
        gameWindow->display();
    }
}

void BatchDrawTexture(const PlatformTexture* texture, const AffineTransform& transform,
                      const BatchRect* sourceRect, uint32_t argb) {
    if (texture == nullptr) return;
    if (batchBackend == BatchBackend::Recording) {
        BatchRecord* record = NextRecord(BatchDrawKind::Sprite);
        if (record == nullptr) return;
        record->textureId = texture->id;
        record->path = texture->path;
        record->transform = transform;
        record->colour = argb;
        if (sourceRect != nullptr) {
            record->useSourceRect = 1;
            record->sourceRect = *sourceRect;
        }
        return;
    }
    sf::RenderTarget* target = CurrentSfmlTarget();
    if (target == nullptr || texture->gpu == nullptr) return;
    if (sourceRect != nullptr) {
        QueueQuad(target, texture->gpu, transform, 0.f, 0.f,
                  static_cast<float>(sourceRect->right - sourceRect->left),
                  static_cast<float>(sourceRect->bottom - sourceRect->top),
                  static_cast<float>(sourceRect->left),
                  static_cast<float>(sourceRect->top), ColourFromArgb(argb));
    } else {
        QueueQuad(target, texture->gpu, transform, 0.f, 0.f, static_cast<float>(texture->width),
                  static_cast<float>(texture->height), 0.f, 0.f, ColourFromArgb(argb));
    }
}

void BatchDrawText(const PlatformFont* font, const char* text, int boxWidth, int boxHeight,
                   const AffineTransform& transform, uint32_t argb) {
    if (font == nullptr || text == nullptr) return;
    if (batchBackend == BatchBackend::Recording) {
        BatchRecord* record = NextRecord(BatchDrawKind::Text);
        if (record == nullptr) return;
        record->path = FontFilePath(font);
        record->fontHeight = FontPixelHeight(font);
        record->boxWidth = boxWidth;
        record->boxHeight = boxHeight;
        record->transform = transform;
        record->colour = argb;
        std::strncpy(record->text, text, kBatchTextChars - 1);
        record->text[kBatchTextChars - 1] = '\0';
        return;
    }
    sf::RenderTarget* target = CurrentSfmlTarget();
    if (target == nullptr) return;
    DrawFontText(target, font, text, boxWidth, transform, ColourFromArgb(argb));
}

void ResetBatchLog() {
    batchLogCount = 0;
    batchLogDropped = 0;
}

int BatchLogCount() { return batchLogCount; }
const BatchRecord* BatchLog() { return batchLog; }
int BatchLogDropped() { return batchLogDropped; }
