#include "platform/Shader.h"

#include <cstdio>
#include <new>
#include <string>

#include "platform/Display.h"
#include "platform/FileAccess.h"
#include "platform/SfmlContext.h"
#include "platform/SpriteBatch.h"

struct Effect {
    sf::Shader shader;
};

namespace {

// The game's effect files are a few KiB of text.
constexpr size_t maxEffectFileBytes = 256 * 1024;

// Bound while a pass draws: a 1 x 1 texture leaves the quad's texture
// coordinates as given (0..1), whatever texture drew before.
sf::Texture* unitTexture = nullptr;

bool PrepareUnitTexture() {
    if (unitTexture != nullptr) return true;
    sf::Image white;
    white.create(1, 1, sf::Color::White);
    unitTexture = new (std::nothrow) sf::Texture;
    if (unitTexture == nullptr) return false;
    if (!unitTexture->loadFromImage(white)) {
        delete unitTexture;
        unitTexture = nullptr;
        return false;
    }
    return true;
}

}  // namespace

bool EffectsAvailable() {
    static int available = -1;
    if (available < 0) {
        available = 0;
        if (DisplayAvailable()) {
            HoldGraphicsConnection();
            available = sf::Shader::isAvailable() ? 1 : 0;
        }
    }
    return available == 1;
}

Effect* CreateEffectFromFile(const char* path) {
    if (!EffectsAvailable()) return nullptr;
    char fixedPath[512];
    CopyPathWithSlashes(fixedPath, sizeof fixedPath, path);
    // A missing file is an ordinary fallback case; anything else that is not
    // a small regular file (a folder, a FIFO) is named and left unread. A
    // file that does not compile keeps its compiler messages on the error
    // stream.
    std::string source;
    const FileRead read = ReadRegularFile(fixedPath, maxEffectFileBytes, &source);
    if (read != FileRead::Ok) {
        if (read != FileRead::Missing)
            std::fprintf(stderr, "FlorpVops: the shader file %s %s; the light effects are off\n", fixedPath,
                         DescribeFileRead(read));
        return nullptr;
    }
    Effect* effect = new (std::nothrow) Effect;
    if (effect == nullptr) return nullptr;
    if (!effect->shader.loadFromMemory(source, sf::Shader::Fragment)) {
        delete effect;
        return nullptr;
    }
    return effect;
}

void ReleaseEffect(Effect* effect) { delete effect; }

void SetEffectFloat(Effect* effect, const char* name, float value) {
    if (effect == nullptr) return;
    QuietSfmlErrors quiet;  // a parameter the file does not use is fine
    effect->shader.setUniform(name, value);
}

void SetEffectVector(Effect* effect, const char* name, float x, float y, float z, float w) {
    if (effect == nullptr) return;
    QuietSfmlErrors quiet;
    effect->shader.setUniform(name, sf::Glsl::Vec4(x, y, z, w));
}

void SetEffectTexture(Effect* effect, const char* name, RenderTarget* texture) {
    if (effect == nullptr || texture == nullptr) return;
    QuietSfmlErrors quiet;
    effect->shader.setUniform(name, texture->target.getTexture());
}

bool DrawEffectPass(Effect* effect, int pass, RenderTarget* destination) {
    FlushSpriteBatch();
    if (effect == nullptr || !PrepareUnitTexture()) return false;
    sf::RenderTarget* target = destination ? &destination->target : CurrentSfmlTarget();
    if (target == nullptr) return false;
    {
        QuietSfmlErrors quiet;
        effect->shader.setUniform("Pass", pass);
    }
    const sf::Vector2f size = target->getView().getSize();
    // Every input texture holds its rows bottom-up (as the graphics card
    // stores frames), so the top of the target reads v = 1.
    const sf::Vertex quad[4] = {
        sf::Vertex(sf::Vector2f(0.f, 0.f), sf::Vector2f(0.f, 1.f)),
        sf::Vertex(sf::Vector2f(size.x, 0.f), sf::Vector2f(1.f, 1.f)),
        sf::Vertex(sf::Vector2f(size.x, size.y), sf::Vector2f(1.f, 0.f)),
        sf::Vertex(sf::Vector2f(0.f, size.y), sf::Vector2f(0.f, 0.f)),
    };
    sf::RenderStates states(sf::BlendNone, sf::Transform::Identity, unitTexture, &effect->shader);
    target->draw(quad, 4, sf::Quads, states);
    if (destination != nullptr) destination->target.display();
    return true;
}
