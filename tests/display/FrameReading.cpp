#include "display/FrameReading.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "engine/GameFont.h"
#include "engine/LanguageTables.h"
#include "engine/Settings.h"
#include "engine/SpriteTexture.h"
#include "display/ReplayFrames.h"
#include "engine/InputActions.h"
#include "game/Bloom.h"
#include "game/LevelPages.h"
#include "game/MainMenu.h"
#include "game/RenderPass.h"
#include "gameplay/AnimationPhases.h"
#include "platform/Display.h"
#include "platform/RenderTarget.h"
#include "platform/Texture.h"
#include "screens/FocusNavigation.h"
#include "screens/LevelObjectDrawing.h"
#include "screens/ParticleBursts.h"
#include "screens/TrailParticles.h"
#include "screens/VopDrawing.h"
#include "shared/GameStates.h"
#include "support/TestFiles.h"
#include "tools/harness/Harness.h"

namespace {

// sRGB channel to linear light, by table (contrast is asked per pixel).
struct LinearTable {
    double value[256];
    LinearTable()
    {
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            value[i] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
    }
};
const LinearTable linear;

double Luminance(uint32_t argb)
{
    return 0.2126 * linear.value[(argb >> 16) & 0xFF] + 0.7152 * linear.value[(argb >> 8) & 0xFF] +
           0.0722 * linear.value[argb & 0xFF];
}

// Every draw of one frame jitters the trail alike, so the frame drawn with
// and without its texts differs in the texts only.
void SeedFrameLooks()
{
    SeedCosmeticRandom(0x9E3779B9u ^ static_cast<uint32_t>(HarnessTickCount()));
}

// Leaves the fonts and the given pictures out while it lives.
class LeftOut {
public:
    explicit LeftOut(const std::vector<SpriteTexture*>& pictures) : pictures_(pictures)
    {
        for (GameFont* f : fonts_) keptFonts_.push_back(f->font);
        for (GameFont* f : fonts_) f->font = nullptr;
        for (SpriteTexture* p : pictures_) keptTextures_.push_back(p->texture);
        for (SpriteTexture* p : pictures_) p->texture = nullptr;
    }
    ~LeftOut()
    {
        for (size_t i = 0; i < fonts_.size(); ++i) fonts_[i]->font = keptFonts_[i];
        for (size_t i = 0; i < pictures_.size(); ++i) pictures_[i]->texture = keptTextures_[i];
    }

private:
    std::vector<GameFont*> fonts_ = {&fontSmall, &fontMedium, &fontLarge};
    std::vector<PlatformFont*> keptFonts_;
    std::vector<SpriteTexture*> pictures_;
    std::vector<PlatformTexture*> keptTextures_;
};

const PlatformFont* FontOfHeight(int height)
{
    for (const GameFont* f : {&fontSmall, &fontMedium, &fontLarge})
        if (f->font && f->height == height) return f->font;
    return nullptr;
}

void Bounds(DrawnItem& item)
{
    const AffineTransform& m = item.transform;
    const float xs[2] = {0.0f, static_cast<float>(item.boxWidth)};
    const float ys[2] = {0.0f, static_cast<float>(item.boxHeight)};
    item.left = item.top = 1e9f;
    item.right = item.bottom = -1e9f;
    for (float x : xs)
        for (float y : ys) {
            const float sx = m.m00 * x + m.m01 * y + m.tx, sy = m.m10 * x + m.m11 * y + m.ty;
            item.left = std::min(item.left, sx);
            item.right = std::max(item.right, sx);
            item.top = std::min(item.top, sy);
            item.bottom = std::max(item.bottom, sy);
        }
}

}  // namespace

const ScreenSize readingSizes[4] = {{800, 600}, {1024, 768}, {1280, 720}, {1920, 1080}};

bool RecordWanted(const char* variable, int record)
{
    const char* list = std::getenv(variable);
    if (!list || !*list) return true;
    const std::string padded = "," + std::string(list) + ",";
    return padded.find("," + std::to_string(record) + ",") != std::string::npos;
}

bool StartGameAt(const ScreenSize& size)
{
    // One home for the whole program, removed when it ends.
    static const std::string home = [] {
        const std::string folder = testfiles::MakeTempDir("fv-frames-");
        testfiles::RemoveAtExit(folder);
        return folder;
    }();
    HarnessConfig config;
    config.window = true;
    config.loadResources = true;
    config.loadLevelPictures = true;
    config.shaderEnabled = 1;
    config.render = false;
    config.screenWidth = size.width;
    config.screenHeight = size.height;
    config.homeDir = home.c_str();
    ResetLooks();
    return HarnessInit(config);
}

std::ofstream ProofTable(const std::string& name, const std::string& header)
{
    mkdir("artifacts", 0755);
    mkdir("artifacts/proof", 0755);
    std::ofstream out("artifacts/proof/" + name + ".tsv");
    out << header << '\n';
    return out;
}

void ResetLooks()
{
    vopPhaseA = vopPhaseB = swayPhase = secondPhase = 0.0f;
    bloomFlashInput = 0.0f;
}

void FocusMenu(int state, int focus)
{
    constexpr int resetFocus = 5, firstLevelFocus = 18;
    resetArmed = focus == armedResetFocus ? 1 : 0;
    const int id = focus == armedResetFocus ? resetFocus : focus;
    if (state == MainMenu) mainMenuFocus = id;
    if (state == OptionsMenu) subMenuFocus = id;
    const int page = LevelPageIndex(state);
    if (page < 0) return;
    levelPageFocus[page] = id;
    cameraX = -51;
    if (id >= firstLevelFocus)
        cameraX = std::max(-200, std::min(2060 - screenWidth,
                                          LevelButtonWorldXOf(id - firstLevelFocus) - screenWidth / 2));
}

bool DrawnItem::WithinScreen(int width, int height) const
{
    return left >= 0 && top >= 0 && right <= width && bottom <= height;
}

double ContrastRatio(uint32_t a, uint32_t b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}


namespace {

struct TextTable {
    char* texts;
    size_t bytes;
};
#define FV_TABLE(t) TextTable{&t[0][0], sizeof t}
const TextTable textTables[] = {
    FV_TABLE(ingameTexts),        FV_TABLE(mainMenuTexts),      FV_TABLE(optionsMenuTexts),
    FV_TABLE(preDialogTexts),     FV_TABLE(levelSelectionTexts), FV_TABLE(firstLevelTexts),
    FV_TABLE(secondLevelTexts),   FV_TABLE(thirdLevelTexts),    FV_TABLE(sprintLevelTexts),
    FV_TABLE(spikeVopLevelTexts), FV_TABLE(rockVopLevelTexts),  FV_TABLE(airVopLevelTexts),
    FV_TABLE(angryVopLevelTexts), FV_TABLE(eliteVopLevelTexts), FV_TABLE(levelNameTexts),
};
#undef FV_TABLE

}  // namespace

const char* Languages::Code(int language)
{
    static const char* const codes[count] = {"de", "en", "fr", "it", "es"};
    return language >= 0 && language < count ? codes[language] : "";
}

Languages::Languages()
{
    for (int l = 0; l < count; ++l) {
        LoadLanguageTexts(("data/language/" + std::string(Code(l)) + ".ini").c_str());
        std::vector<char> all;
        for (const TextTable& t : textTables) all.insert(all.end(), t.texts, t.texts + t.bytes);
        texts_.push_back(all);
    }
    Restore();
}

void Languages::Use(int language)
{
    const char* from = texts_[static_cast<size_t>(language)].data();
    for (const TextTable& t : textTables) {
        std::memcpy(t.texts, from, t.bytes);
        from += t.bytes;
    }
    languageId = language + 1;
}

void Languages::Restore()
{
    SelectLanguage();
}

GlyphCounts CountGlyphs(const FrameImage& shown, const FrameImage& behind, const Ink& ink, double ratio,
                        const std::vector<uint8_t>* skip)
{
    GlyphCounts n;
    for (int y = ink.y0; y < ink.y0 + ink.height; ++y)
        for (int x = ink.x0; x < ink.x0 + ink.width; ++x) {
            if (ink.At(x, y) < glyphCover) continue;
            const size_t i = static_cast<size_t>(y) * shown.width + x;
            if (skip && (*skip)[i]) continue;
            ++n.glyphs;
            const double r = ContrastRatio(shown.argb[i], behind.argb[i]);
            if (r >= ratio) ++n.readable;
            else if (r < 1.15) ++n.hidden;
            else if (Luminance(behind.argb[i]) < 0.1) ++n.dark;
            else ++n.washed;
        }
    return n;
}

bool TextScore::Add(const FrameImage& shown, const FrameImage& behind, const Ink& ink, const std::vector<uint8_t>* skip,
                    int tick, const std::string& itsText)
{
    // A frame where moving things hide more of a text than this tells little.
    constexpr double hiddenAllowed = 0.4;
    const size_t all = CountGlyphs(shown, behind, ink, readableRatio, nullptr).glyphs;
    const GlyphCounts n = CountGlyphs(shown, behind, ink, readableRatio, skip);
    if (all == 0 || static_cast<double>(n.glyphs) < (1.0 - hiddenAllowed) * static_cast<double>(all)) return false;
    const double share = static_cast<double>(n.readable) / static_cast<double>(n.glyphs);
    ++frames;
    glyphs += static_cast<double>(n.glyphs);
    readable += static_cast<double>(n.readable);
    if (frames == 1 || share < worst) {
        worst = share;
        worstTick = tick;
        text = itsText;
        const double g = static_cast<double>(n.glyphs);
        why = Shortfall{n.hidden / g, n.dark / g, n.washed / g};
    }
    return true;
}

ShortfallLedger::ShortfallLedger(const KnownShortfall* known, size_t count, const ScreenSize& size)
    : size_(ScreenName(size))
{
    for (size_t i = 0; i < count; ++i) {
        std::istringstream sizes(known[i].sizes);
        std::string s;
        while (sizes >> s)
            if (s == size_) listed_.emplace_back(known[i].where, known[i].text);
    }
}

void ShortfallLedger::Judge(const std::string& where, const std::string& text, const char* language,
                            const TextScore& score)
{
    Standing& s = judged_[{where, text}];
    if (score.Share() >= s.share && !s.detail.empty()) return;
    s.share = score.Share();
    char detail[256];
    std::snprintf(detail, sizeof detail, "%.1f %% of its glyph pixels readable (%s) over %d frames, worst %.1f %%",
                  100 * score.Share(), language, score.frames, 100 * score.worst);
    s.detail = detail;
}

void ShortfallLedger::Finish() const
{
    for (const auto& j : judged_) {
        const bool fallsShort = j.second.share < readableShare;
        const bool listed = std::find(listed_.begin(), listed_.end(), j.first) != listed_.end();
        if (fallsShort && !listed)
            ADD_FAILURE() << j.first.first << ", \"" << j.first.second << "\" at " << size_ << ": "
                          << j.second.detail << "\n  row: {\"" << j.first.first << "\", \"" << j.first.second
                          << "\", \"" << size_ << "\"},";
        if (!fallsShort && listed)
            ADD_FAILURE() << j.first.first << ", \"" << j.first.second << "\" is readable at " << size_
                          << " now (" << j.second.detail << "): take " << size_ << " out of its row";
    }
}

bool FrameReader::Open()
{
    Close();
    if (!SetUpBloom()) return false;
    frame_ = CreateRenderTarget(screenWidth, screenHeight);
    pixels_.resize(static_cast<size_t>(screenWidth) * screenHeight);
    open_ = frame_ != nullptr;
    return open_;
}

void FrameReader::Close()
{
    for (auto& s : scratch_) ReleaseRenderTarget(s.second);
    scratch_.clear();
    if (frame_) ReleaseRenderTarget(frame_);
    frame_ = nullptr;
    if (open_) ReleaseBloom();
    open_ = false;
}

void FrameReader::Shown(FrameImage& out)
{
    SeedFrameLooks();
    SetBatchTarget(sceneTexture);
    DrawFrameContents();
    SetBatchTarget(nullptr);
    ApplyBloom(frame_);
    out.width = screenWidth;
    out.height = screenHeight;
    out.argb.resize(pixels_.size());
    ReadRenderTargetPixels(frame_, out.argb.data(), static_cast<int>(out.argb.size()));
}

void FrameReader::Behind(FrameImage& out, const std::vector<SpriteTexture*>& hidden)
{
    LeftOut without(hidden);
    Shown(out);
}

std::vector<DrawnItem> FrameReader::Items(void (*draw)(), const std::vector<const SpriteTexture*>& pictures)
{
    std::vector<uint32_t> ids;
    for (const SpriteTexture* p : pictures) ids.push_back(p->texture ? TextureId(p->texture) : 0);
    const BatchBackend kept = batchBackend;
    batchBackend = BatchBackend::Recording;
    ResetBatchLog();
    SeedFrameLooks();
    draw();
    std::vector<DrawnItem> items;
    for (int i = 0; i < BatchLogCount(); ++i) {
        const BatchRecord& r = BatchLog()[i];
        DrawnItem item;
        if (r.kind == BatchDrawKind::Text) {
            item.isText = true;
            item.text = r.text;
            item.font = FontOfHeight(r.fontHeight);
            item.boxWidth = r.boxWidth;
            item.boxHeight = r.boxHeight;
        } else if (r.kind == BatchDrawKind::Sprite) {
            const auto at = std::find(ids.begin(), ids.end(), r.textureId);
            if (r.textureId == 0 || at == ids.end()) continue;
            item.texture = pictures[static_cast<size_t>(at - ids.begin())]->texture;
            item.text = r.path ? r.path : "";
            item.useSourceRect = r.useSourceRect != 0;
            item.sourceRect = r.sourceRect;
            item.boxWidth = item.useSourceRect ? r.sourceRect.right - r.sourceRect.left : TextureWidth(item.texture);
            item.boxHeight = item.useSourceRect ? r.sourceRect.bottom - r.sourceRect.top : TextureHeight(item.texture);
        } else {
            continue;
        }
        item.transform = r.transform;
        item.colour = r.colour;
        Bounds(item);
        items.push_back(item);
    }
    batchBackend = kept;
    return items;
}

RenderTarget* FrameReader::Scratch(int width, int height)
{
    // A few sizes serve every item; small targets read back fast.
    const int w = std::max(64, NextPowerOfTwo(width)), h = std::max(64, NextPowerOfTwo(height));
    RenderTarget*& target = scratch_[{w, h}];
    if (!target) target = CreateRenderTarget(w, h);
    return target;
}

Ink FrameReader::InkOf(const DrawnItem& item)
{
    Ink ink;
    ink.x0 = std::max(0, static_cast<int>(std::floor(item.left)) - 1);
    ink.y0 = std::max(0, static_cast<int>(std::floor(item.top)) - 1);
    const int x1 = std::min(screenWidth, static_cast<int>(std::ceil(item.right)) + 1);
    const int y1 = std::min(screenHeight, static_cast<int>(std::ceil(item.bottom)) + 1);
    ink.width = std::max(0, x1 - ink.x0);
    ink.height = std::max(0, y1 - ink.y0);
    ink.alpha.assign(static_cast<size_t>(ink.width) * ink.height, 0);
    if (ink.width == 0 || ink.height == 0) return ink;
    RenderTarget* target = Scratch(ink.width, ink.height);
    if (!target) return ink;
    AffineTransform m = item.transform;
    m.tx -= static_cast<float>(ink.x0);
    m.ty -= static_cast<float>(ink.y0);
    SetBatchTarget(target);
    BatchClear(0x00000000u);
    BeginSprites();
    // Opaque, so the ink is where the item covers, whatever its own alpha.
    if (item.isText)
        BatchDrawText(item.font, item.text.c_str(), item.boxWidth, item.boxHeight, m, item.colour | 0xFF000000u);
    else
        BatchDrawTexture(item.texture, m, item.useSourceRect ? &item.sourceRect : nullptr, item.colour | 0xFF000000u);
    EndSprites();
    SetBatchTarget(nullptr);
    const int tw = RenderTargetWidth(target), th = RenderTargetHeight(target);
    std::vector<uint32_t> pixels(static_cast<size_t>(tw) * th);
    ReadRenderTargetPixels(target, pixels.data(), static_cast<int>(pixels.size()));
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            ink.alpha[static_cast<size_t>(y) * ink.width + x] =
                static_cast<uint8_t>(pixels[static_cast<size_t>(y) * tw + x] >> 24);
    return ink;
}

void FrameReader::AlphaOf(void (*draw)(), std::vector<uint8_t>& alpha)
{
    SeedFrameLooks();
    SetBatchTarget(frame_);
    BatchClear(0x00000000u);
    BeginSprites();
    draw();
    EndSprites();
    SetBatchTarget(nullptr);
    ReadRenderTargetPixels(frame_, pixels_.data(), static_cast<int>(pixels_.size()));
    alpha.resize(pixels_.size());
    for (size_t i = 0; i < pixels_.size(); ++i) alpha[i] = static_cast<uint8_t>(pixels_[i] >> 24);
}

void MovingThings()
{
    DrawTrailParticles();
    DrawVop();
    DrawLevelObjects();
    DrawObjectBursts();
    DrawDeathBurst();
}

void GameAtSize::SetUp()
{
    if (!DisplayAvailable()) GTEST_SKIP() << "needs a display (run under xvfb-run)";
    PrepareReplayFrames();
    ASSERT_TRUE(StartGameAt(GetParam()));
    if (!reader.Open()) GTEST_SKIP() << "this display runs no shaders";
}

void GameAtSize::TearDown()
{
    reader.Close();
    menuFocusIdle = 1;
    resetArmed = 0;
    padConnected = 0;
    Languages::Restore();
}
