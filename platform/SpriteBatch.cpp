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

sf::Transform ToSfml(const AffineTransform& t) {
    return sf::Transform(t.m00, t.m01, t.tx, t.m10, t.m11, t.ty, 0.f, 0.f, 1.f);
}

}  // namespace

sf::RenderTarget* CurrentSfmlTarget() {
    if (batchTarget != nullptr) return &batchTarget->target;
    return gameWindow;
}

void SetBatchTarget(RenderTarget* target) { batchTarget = target; }
RenderTarget* BatchTarget() { return batchTarget; }

void BatchBegin() {}

void BatchEnd() {
    // An offscreen target's texture is complete only after display().
    if (batchBackend == BatchBackend::Sfml && batchTarget != nullptr) batchTarget->target.display();
}

void BatchClear(uint32_t argb) {
    if (batchBackend == BatchBackend::Recording) {
        if (BatchRecord* record = NextRecord(BatchDrawKind::Clear)) record->colour = argb;
        return;
    }
    if (sf::RenderTarget* target = CurrentSfmlTarget()) target->clear(ColourFromArgb(argb));
}

void BatchPresent() {
    if (batchBackend == BatchBackend::Recording) {
        NextRecord(BatchDrawKind::Present);
        return;
    }
    if (batchTarget != nullptr) {
        batchTarget->target.display();
    } else if (gameWindow != nullptr) {
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
    sf::Sprite sprite(*texture->gpu);
    if (sourceRect != nullptr) {
        sprite.setTextureRect(sf::IntRect(sourceRect->left, sourceRect->top,
                                          sourceRect->right - sourceRect->left,
                                          sourceRect->bottom - sourceRect->top));
    }
    sprite.setColor(ColourFromArgb(argb));
    sf::RenderStates states(sf::BlendAlpha, ToSfml(transform), nullptr, nullptr);
    target->draw(sprite, states);
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
    DrawFontText(*target, font, text, boxWidth, ToSfml(transform), ColourFromArgb(argb));
}

void ResetBatchLog() {
    batchLogCount = 0;
    batchLogDropped = 0;
}

int BatchLogCount() { return batchLogCount; }
const BatchRecord* BatchLog() { return batchLog; }
int BatchLogDropped() { return batchLogDropped; }
