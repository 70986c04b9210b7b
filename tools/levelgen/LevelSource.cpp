#include "tools/levelgen/LevelSource.h"

#include <dirent.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "platform/FileAccess.h"
#include "shared/LevelRecord.h"

namespace {

// Design sources are a few KiB of text.
constexpr size_t kMaxSourceBytes = 1024 * 1024;
// Every number lies far inside the int range, so each conversion to a whole
// number here and in the painters is defined.
constexpr double kMaxSourceNumber = 1000000;
// Decoration pictures are single textures.
constexpr int kMaxDecorSide = 4096;

enum class Word { Number, NotANumber, OutOfRange };

Word ParseNumber(const std::string& word, double& value)
{
    if (word.empty()) return Word::NotANumber;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    if (!end || *end != '\0' || !std::isfinite(value)) return Word::NotANumber;
    return std::fabs(value) > kMaxSourceNumber ? Word::OutOfRange : Word::Number;
}

// A whole number from lo to hi, converted only once it is known to fit.
bool WholeIn(double v, int lo, int hi, int& out)
{
    if (v != std::trunc(v) || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

bool ParseMaterial(const std::string& word, Material& m)
{
    if (word == "solid") m = Material::Solid;
    else if (word == "platform") m = Material::Platform;
    else if (word == "deadly") m = Material::Deadly;
    else if (word == "empty") m = Material::Empty;
    else return false;
    return true;
}

struct LineReader {
    const std::string& path;
    int line;
    std::string& error;
    bool Fail(const std::string& what)
    {
        error = path + ":" + std::to_string(line) + ": " + what;
        return false;
    }
};

bool Number(const std::string& word, double& v, LineReader& r)
{
    switch (ParseNumber(word, v)) {
    case Word::Number: return true;
    case Word::NotANumber: return r.Fail("not a number: \"" + word + "\"");
    case Word::OutOfRange: return r.Fail("number outside -1000000..1000000: \"" + word + "\"");
    }
    return false;
}

bool Numbers(const std::vector<std::string>& words, size_t from, std::vector<double>& out, LineReader& r)
{
    for (size_t i = from; i < words.size(); ++i) {
        double v;
        if (!Number(words[i], v, r)) return false;
        out.push_back(v);
    }
    return true;
}

bool Slot(double v, int& slot, LineReader& r)
{
    if (!WholeIn(v, 0, maxLevelObjects - 1, slot)) return r.Fail("slot outside 0..49");
    return true;
}

bool AddShape(LevelDesign& d, Material m, std::vector<double> pts, LineReader& r, int closeTo)
{
    if (pts.size() % 2 != 0) return r.Fail("points come in x y pairs");
    TerrainShape s;
    s.material = m;
    s.line = r.line;
    for (size_t i = 0; i < pts.size(); i += 2) {
        s.xs.push_back(pts[i]);
        s.ys.push_back(pts[i + 1]);
    }
    if (closeTo >= 0) {  // a surface line filled down to the bottom or up to the top
        if (s.xs.size() < 2) return r.Fail("a surface needs at least two points");
        for (size_t i = 1; i < s.xs.size(); ++i)
            if (s.xs[i] < s.xs[i - 1]) return r.Fail("surface points must run left to right");
        s.xs.push_back(s.xs.back());
        s.ys.push_back(closeTo);
        s.xs.push_back(s.xs.front());
        s.ys.push_back(closeTo);
    } else if (s.xs.size() < 3) {
        return r.Fail("a polygon needs at least three points");
    }
    d.shapes.push_back(s);
    return true;
}

}  // namespace

bool ObjectArgumentCount(const std::string& kind, int& minArgs, int& maxArgs, const char** wholeArgs)
{
    // `whole` marks with 'i' the values the object's factory takes as whole
    // numbers, so a fraction there would be cut off without a word.
    struct Entry {
        const char* kind;
        int lo, hi;
        const char* whole;
    };
    static const Entry entries[] = {
        {"walker", 5, 6, "iiffii"},      // x y left right speed [startLeft]
        {"bouncer", 3, 5, "iiiff"},      // x y bounce [left right]
        {"dropbouncer", 4, 6, "iiiiff"}, // x y dy bounce [left right]
        {"dropper", 4, 4, "iiff"},       // x y trigX trigY
        {"gear", 5, 5, "iiiff"},         // kind x y angle turn
        {"gearflipped", 5, 5, "iiiff"},  // kind x y angle turn
        {"cannon", 7, 8, "fffffffi"},    // pivotX pivotY fromDeg toDeg speed speed2 sweep [wrap]
        {"empty", 0, 0, ""},
    };
    for (const Entry& e : entries) {
        if (kind == e.kind) {
            minArgs = e.lo;
            maxArgs = e.hi;
            if (wholeArgs) *wholeArgs = e.whole;
            return true;
        }
    }
    return false;
}

bool ReadLevelDesign(const std::string& path, LevelDesign& d, std::string& error)
{
    std::string text;
    const FileRead read = ReadRegularFile(path.c_str(), kMaxSourceBytes, &text);
    if (read != FileRead::Ok) {
        error = path + ": " + (read == FileRead::Missing ? "cannot be read" : DescribeFileRead(read));
        return false;
    }
    return ReadLevelDesignText(text, path, d, error);
}

namespace {

// ground, ceiling, poly, rect and platform: a shape of terrain.
bool ReadShape(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    const std::string& key = w[0];
    std::vector<double> n;
    if (key == "ground" || key == "ceiling") {
        if (d.height <= 0) return r.Fail("size must come before the terrain");
        if (!Numbers(w, 1, n, r)) return false;
        return AddShape(d, Material::Solid, n, r, key == "ground" ? d.height : 0);
    }
    if (key == "poly" || key == "rect") {
        Material m;
        if (w.size() < 2 || !ParseMaterial(w[1], m)) return r.Fail(key + " needs a material: solid, platform, deadly or empty");
        if (!Numbers(w, 2, n, r)) return false;
        if (key == "rect") {
            if (n.size() != 4) return r.Fail("rect takes x y w h");
            const double x = n[0], y = n[1], ww = n[2], hh = n[3];
            if (ww <= 0 || hh <= 0) return r.Fail("rect needs a positive size");
            n = {x, y, x + ww, y, x + ww, y + hh, x, y + hh};
        }
        return AddShape(d, m, n, r, -1);
    }
    // platform
    if (!Numbers(w, 1, n, r)) return false;
    if (n.size() != 3) return r.Fail("platform takes x y width");
    const double x = n[0], y = n[1], ww = n[2];
    return AddShape(d, Material::Platform, {x, y, x + ww, y, x + ww, y + 4, x, y + 4}, r, -1);
}

bool ReadProp(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    std::vector<double> n;
    if (w.size() < 4) return r.Fail("prop takes a kind, x, y and an optional scale");
    if (!Numbers(w, 2, n, r)) return false;
    if (n.size() < 2 || n.size() > 3) return r.Fail("prop takes x y [scale]");
    Prop p;
    p.kind = w[1];
    p.x = n[0];
    p.y = n[1];
    p.scale = n.size() > 2 ? n[2] : 1.0;
    p.line = r.line;
    d.props.push_back(p);
    return true;
}

// decor SLOT FILE STYLE x y w h
bool ReadDecor(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    std::vector<double> n;
    if (w.size() != 8) return r.Fail("decor takes slot, file, style, x, y, w, h");
    DecorPicture p;
    double v = 0;
    if (!Number(w[1], v, r)) return false;
    if (!WholeIn(v, 0, maxDecorFiles - 1, p.slot))
        return r.Fail("decor slot must be a whole number from 0 to " + std::to_string(maxDecorFiles - 1));
    p.file = w[2];
    p.style = w[3];
    if (!Numbers(w, 4, n, r)) return false;
    const int far = static_cast<int>(kMaxSourceNumber);
    if (!WholeIn(n[0], -far, far, p.x) || !WholeIn(n[1], -far, far, p.y) || !WholeIn(n[2], -far, far, p.w) ||
        !WholeIn(n[3], -far, far, p.h))
        return r.Fail("decor takes whole numbers for x, y, w and h");
    if (p.w <= 0 || p.h <= 0) return r.Fail("decor needs a positive size");
    if (p.w > kMaxDecorSide || p.h > kMaxDecorSide)
        return r.Fail("decor is at most " + std::to_string(kMaxDecorSide) + " pixels on a side");
    p.line = r.line;
    d.decor.push_back(p);
    return true;
}

// sky R G B ALPHA DEPTH
bool ReadSky(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    std::vector<double> n;
    if (!Numbers(w, 1, n, r)) return false;
    if (n.size() != 5) return r.Fail("sky takes red, green, blue, an opacity and a depth");
    SkyShade& s = d.sky;
    if (!WholeIn(n[0], 0, 255, s.r) || !WholeIn(n[1], 0, 255, s.g) || !WholeIn(n[2], 0, 255, s.b))
        return r.Fail("sky takes whole numbers from 0 to 255 for red, green and blue");
    if (!(n[3] >= 0 && n[3] <= 1)) return r.Fail("sky takes an opacity from 0 to 1");
    s.alpha = n[3];
    if (!WholeIn(n[4], 1, static_cast<int>(kMaxSourceNumber), s.depth))
        return r.Fail("sky takes a whole, positive depth in pixels");
    return true;
}

bool ReadRow(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    std::vector<double> n;
    if (w.size() < 3) return r.Fail("row takes a name and numbers");
    if (!Numbers(w, 2, n, r)) return false;
    std::vector<int> values;
    const int far = static_cast<int>(kMaxSourceNumber);
    for (double v : n) {
        int whole;
        if (!WholeIn(v, -far, far, whole)) return r.Fail("row takes whole numbers");
        values.push_back(whole);
    }
    d.rows.push_back({w[1], values});
    return true;
}

// heat, variant, colour and withobjects: a mark on a slot's object.
bool ReadMark(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    const std::string& key = w[0];
    std::vector<double> n;
    if (!Numbers(w, 1, n, r)) return false;  // names the word that is not a number
    if (n.empty()) return r.Fail(key + " needs a slot");
    ObjectMark m;
    if (!Slot(n[0], m.slot, r)) return false;
    m.field = key;
    m.args.assign(n.begin() + 1, n.end());
    m.line = r.line;
    const size_t want = key == "heat" ? 1 : key == "colour" ? 3 : 0;
    if (m.args.size() != want) return r.Fail(key + " takes " + std::to_string(want) + " value(s) after the slot");
    d.marks.push_back(m);
    return true;
}

// Any other keyword names an object kind placed in a slot.
bool ReadObject(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    const std::string& key = w[0];
    std::vector<double> n;
    int lo, hi;
    const char* whole = "";
    if (!ObjectArgumentCount(key, lo, hi, &whole)) return r.Fail("unknown keyword \"" + key + "\"");
    if (!Numbers(w, 1, n, r)) return false;  // names the word that is not a number
    if (n.empty()) return r.Fail(key + " needs a slot");
    PlacedObject o;
    if (!Slot(n[0], o.slot, r)) return false;
    o.kind = key;
    o.args.assign(n.begin() + 1, n.end());
    o.line = r.line;
    const int count = static_cast<int>(o.args.size());
    if (count < lo || count > hi)
        return r.Fail(key + " takes " + std::to_string(lo) + (lo == hi ? "" : " to " + std::to_string(hi)) +
                      " numbers after the slot");
    for (int i = 0; i < count && whole[i]; ++i)
        if (whole[i] == 'i' && o.args[i] != std::trunc(o.args[i]))
            return r.Fail(key + " takes a whole number as value " + std::to_string(i + 1) + " after the slot, not " +
                          w[i + 2]);
    d.objects.push_back(o);
    return true;
}

// One statement (its words, the keyword first).
bool ReadStatement(const std::vector<std::string>& w, LevelDesign& d, LineReader& r)
{
    const std::string& key = w[0];
    std::vector<double> n;
    if (key == "record") {
        if (!Numbers(w, 1, n, r)) return false;
        if (n.size() != 1) return r.Fail("record takes one number");
        if (!WholeIn(n[0], 0, 45, d.record)) return r.Fail("record must be a whole number from 0 to 45");
    } else if (key == "size") {
        if (!Numbers(w, 1, n, r)) return false;
        if (n.size() != 2) return r.Fail("size takes width and height");
        // The record names at most this many world tiles across and down.
        if (!WholeIn(n[0], 1, maxTileCols * 1024, d.width) || !WholeIn(n[1], 1, maxTileRows * 1024, d.height) ||
            d.width % 1024 || d.height % 1024)
            return r.Fail("size must be whole tiles of 1024, at most " + std::to_string(maxTileCols) + " across and " +
                          std::to_string(maxTileRows) + " down");
    } else if (key == "folder") {
        if (w.size() != 2) return r.Fail("folder takes one name");
        d.folder = w[1];
    } else if (key == "theme") {
        if (w.size() != 2) return r.Fail("theme takes one name");
        d.theme = w[1];
    } else if (key == "draft") {
        d.draft = true;
    } else if (key == "ground" || key == "ceiling" || key == "poly" || key == "rect" || key == "platform") {
        return ReadShape(w, d, r);
    } else if (key == "prop") {
        return ReadProp(w, d, r);
    } else if (key == "decor") {
        return ReadDecor(w, d, r);
    } else if (key == "sky") {
        return ReadSky(w, d, r);
    } else if (key == "row") {
        return ReadRow(w, d, r);
    } else if (key == "heat" || key == "variant" || key == "colour" || key == "withobjects") {
        return ReadMark(w, d, r);
    } else {
        return ReadObject(w, d, r);
    }
    return true;
}

// What the whole source must have once read: record, size, folder, and no
// slot placed twice.
bool CheckWholeDesign(const LevelDesign& d, LineReader& r)
{
    if (d.record < 0 || d.record > 45) return r.Fail("missing or bad record line");
    if (d.width <= 0 || d.height <= 0 || d.width % 1024 || d.height % 1024)
        return r.Fail("size must be whole tiles of 1024");
    if (d.folder.empty()) return r.Fail("missing folder line");
    for (size_t i = 0; i < d.objects.size(); ++i)
        for (size_t j = i + 1; j < d.objects.size(); ++j)
            if (d.objects[i].slot == d.objects[j].slot) {
                r.line = d.objects[j].line;
                return r.Fail("slot " + std::to_string(d.objects[j].slot) + " placed twice");
            }
    return true;
}

}  // namespace

bool ReadLevelDesignText(const std::string& source, const std::string& path, LevelDesign& d, std::string& error)
{
    std::istringstream in(source);
    d = LevelDesign();
    d.path = path;
    std::string raw, text;
    int lineNo = 0, startLine = 0;
    LineReader r{path, 0, error};
    while (std::getline(in, raw)) {
        ++lineNo;
        const size_t hash = raw.find('#');
        if (hash != std::string::npos) raw.erase(hash);
        if (text.empty()) startLine = lineNo;
        // A line ending in a backslash continues on the next one.
        size_t end = raw.find_last_not_of(" \t\r");
        if (end != std::string::npos && raw[end] == '\\') {
            text += raw.substr(0, end) + " ";
            continue;
        }
        text += raw;
        std::istringstream words(text);
        text.clear();
        std::vector<std::string> w;
        for (std::string s; words >> s;) w.push_back(s);
        if (w.empty()) continue;
        r.line = startLine;
        if (!ReadStatement(w, d, r)) return false;
    }
    r.line = lineNo;
    return CheckWholeDesign(d, r);
}

bool ReadAllLevelDesigns(const std::string& folder, std::vector<LevelDesign>& designs, std::string& error)
{
    designs.clear();
    DIR* dir = opendir(folder.c_str());
    if (!dir) {
        error = folder + ": cannot be opened";
        return false;
    }
    std::vector<std::string> names;
    while (dirent* e = readdir(dir)) {
        const std::string name = e->d_name;
        if (name.size() > 7 && name.compare(0, 3, "rec") == 0 && name.compare(name.size() - 4, 4, ".lvl") == 0)
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        LevelDesign d;
        if (!ReadLevelDesign(folder + "/" + name, d, error)) return false;
        for (const LevelDesign& other : designs)
            if (other.record == d.record) {
                error = d.path + ": record " + std::to_string(d.record) + " already defined by " + other.path;
                return false;
            }
        designs.push_back(d);
    }
    std::sort(designs.begin(), designs.end(),
              [](const LevelDesign& a, const LevelDesign& b) { return a.record < b.record; });
    return true;
}
