#pragma once
// What a player sees of a frame: the frame as the game presents it (through
// the bloom), the same frame with its texts and lettering left out (the
// pictures behind them), the ink of each text or lettering picture drawn
// alone, and how much of that ink stands out from what lies behind it.
// Needs the harness with a window (an OpenGL context) and the resources.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/SpriteBatch.h"
#include "tools/replaysearch/ReplayScreens.h"

struct RenderTarget;
struct SpriteTexture;

// The sizes texts are judged at: the smallest the launcher offers, the two
// commonest and the default.
extern const ScreenSize readingSizes[4];

// Whether a test reads this record: every record, or only those the
// environment variable lists ("0,5,12"), for a narrowed run.
bool RecordWanted(const char* variable, int record);

// Starts the harness as the game runs at this size: the real window,
// resources and level pictures, the bloom option on, frames drawn only
// when asked. The settings files go to a fresh folder under /tmp.
bool StartGameAt(const ScreenSize& size);
// The phases that sway, wobble and flash the pictures back to their start,
// so that a judgement does not hang on what ran before it in the process.
void ResetLooks();

// A table of measurements, artifacts/proof/<name>.tsv (the folders made),
// begun with its header line.
std::ofstream ProofTable(const std::string& name, const std::string& header);

// A menu screen as a test shows it: its game state and the keyboard focus
// values to show it with (each highlights a button and shows its name).
struct MenuView {
    const char* name;
    int state;
    std::vector<int> focuses;
};
// Focus 0 highlights nothing; this one is the reset button pressed once.
constexpr int armedResetFocus = -1;
// Puts the screen's keyboard focus on a button; a level page is scrolled to
// its start, or to the level button focused, as a player would scroll to it.
void FocusMenu(int state, int focus);

// A frame read back: ARGB words, row after row from the top.
struct FrameImage {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;
};

// One text or lettering picture the frame drew, as the batch logged it.
struct DrawnItem {
    bool isText = false;
    std::string text;              // texts: the string; pictures: the file
    const PlatformFont* font = nullptr;
    const PlatformTexture* texture = nullptr;
    int boxWidth = 0, boxHeight = 0;  // text box, or the drawn picture part
    BatchRect sourceRect = {};
    bool useSourceRect = false;
    AffineTransform transform = {};
    uint32_t colour = 0;
    // Screen bounds of the drawn box.
    float left = 0, top = 0, right = 0, bottom = 0;
    bool WithinScreen(int width, int height) const;
};

// The pixels an item inks when drawn alone (alpha), within its screen
// bounds clipped to the screen.
struct Ink {
    int x0 = 0, y0 = 0, width = 0, height = 0;
    std::vector<uint8_t> alpha;
    uint8_t At(int x, int y) const { return alpha[static_cast<size_t>(y - y0) * width + (x - x0)]; }
};

// A text inks a pixel when it covers it at least half (where it meets
// another text or a button); a glyph pixel, whose contrast is judged, is one
// it covers nearly whole: the strokes' cores, not their soft edges, which
// blend with the ground by design.
constexpr uint8_t inkCover = 128, glyphCover = 224;
// Contrast ratio of the luminances of two sRGB colours (1 to 21).
double ContrastRatio(uint32_t a, uint32_t b);

// An item's glyph pixels (in `ink`) judged by their colour in `shown`
// against the same pixel in `behind`: how many stand at the ratio or more,
// and why the others fall short (hidden: the pixel shows what is behind,
// e.g. a tile in front; or on a dark ground; or washed out on a bright one).
// Pixels where `skip` (one byte per screen pixel, may be null) is set are
// left out.
struct GlyphCounts {
    size_t glyphs = 0, readable = 0, hidden = 0, dark = 0, washed = 0;
};
GlyphCounts CountGlyphs(const FrameImage& shown, const FrameImage& behind, const Ink& ink, double ratio,
                        const std::vector<uint8_t>* skip);

// Shares of the judged glyph pixels.
struct Shortfall {
    double hidden = 0, dark = 0, washed = 0;
};

// The five languages' texts, read once and put in place one at a time
// (with their language id), as a player with that locale has them.
class Languages {
public:
    static constexpr int count = 5;
    static const char* Code(int language);  // 0 de, 1 en, 2 fr, 3 it, 4 es
    Languages();
    void Use(int language);
    // The texts of the player's locale again.
    static void Restore();

private:
    std::vector<std::vector<char>> texts_;
};

// How one text did over the frames it was judged in: its glyph pixels of
// all of them together, and the frame where it did worst.
struct TextScore {
    double glyphs = 0, readable = 0;
    int frames = 0;
    double worst = 1.0;
    int worstTick = 0;
    std::string text;
    Shortfall why;
    double Share() const { return glyphs > 0 ? readable / glyphs : 1.0; }
    // One frame's judgement of `ink`; frames where moving things hide too
    // much of it are left out. True when the frame counted.
    bool Add(const FrameImage& shown, const FrameImage& behind, const Ink& ink, const std::vector<uint8_t>* skip,
             int tick, const std::string& itsText);
};
// The readable share a text needs (of its glyph pixels at 3:1).
constexpr double readableRatio = 3.0, readableShare = 0.8;

// Texts that fall short of the readable share today, at the listed sizes
// ("800x600 1920x1080"), in one language or more. The pictures behind them
// are being mended; a test fails on a text that falls short unlisted, and on
// a listed one that has become readable, so the lists shrink as they are.
struct KnownShortfall {
    const char* where;  // "record 7 line 2", "main menu", ...
    const char* text;   // the English text, or the lettering picture's file
    const char* sizes;
};

class ShortfallLedger {
public:
    ShortfallLedger(const KnownShortfall* known, size_t count, const ScreenSize& size);
    void Judge(const std::string& where, const std::string& text, const char* language, const TextScore& score);
    // The verdicts: one failure per text whose standing differs from the list.
    void Finish() const;

private:
    struct Standing {
        double share = 1.0;
        std::string detail;
    };
    std::map<std::pair<std::string, std::string>, Standing> judged_;
    std::vector<std::pair<std::string, std::string>> listed_;
    std::string size_;
};

class FrameReader {
public:
    // Sets up the bloom at the current screen size; false when this display
    // runs no shaders. Call after HarnessInit.
    bool Open();
    void Close();
    ~FrameReader() { Close(); }

    // The frame as the game draws it now, through the bloom.
    void Shown(FrameImage& out);
    // The same frame with every text left out and the given pictures too.
    void Behind(FrameImage& out, const std::vector<SpriteTexture*>& hidden);
    // The texts, and the draws of the given pictures, that `draw` (the
    // whole frame, or a part of it) draws now, as the recording batch logs
    // them; nothing is shown.
    std::vector<DrawnItem> Items(void (*draw)(), const std::vector<const SpriteTexture*>& pictures);
    // What one item inks drawn alone.
    Ink InkOf(const DrawnItem& item);
    // The alpha of everything `draw` draws on a clear frame, one byte per
    // screen pixel.
    void AlphaOf(void (*draw)(), std::vector<uint8_t>& alpha);

private:
    RenderTarget* Scratch(int width, int height);
    bool open_ = false;
    RenderTarget* frame_ = nullptr;
    std::map<std::pair<int, int>, RenderTarget*> scratch_;
    std::vector<uint32_t> pixels_;
};

// Every screen pixel something moving covers in the level's frame now: the
// Vop, its trail, the creatures and the bursts (a text they cross is hidden
// for a moment only).
void MovingThings();

// A test at one of the reading sizes: the game started at that size (and
// the replays ready to play) with the frame reader open; afterwards the
// menus' pointer mode, the pad and the locale's texts are put back.
class GameAtSize : public ::testing::TestWithParam<ScreenSize> {
protected:
    void SetUp() override;
    void TearDown() override;
    FrameReader reader;
};
