// fv_levelgen: builds every level's pictures from its design source.
//
//   fv_levelgen [--levels DIR] [--out DIR] [--only REC]
//       collision picture, world tiles and decoration pictures of each design
//       into DIR/<folder>/ (default levels/ into data/); a level whose source
//       and generator have not changed since its last build is skipped.
//   fv_levelgen --placements FILE
//       writes the object placements (game/LevelPlacements.cpp).
//   fv_levelgen --check-placements FILE
//       exit status 1 when FILE differs from what the sources give.
//   --preview DIR (with a build): a quarter-size picture of each level.
#include <cairo.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tools/levelgen/CollisionRaster.h"
#include "tools/levelgen/DecorArt.h"
#include "tools/levelgen/LevelArt.h"
#include "tools/levelgen/LevelSource.h"
#include "tools/levelgen/PlacementWriter.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool MakeFolders(const std::string& path)
{
    for (size_t i = 1; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == '/') {
            const std::string part = path.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    return true;
}

// "data//w10//tunnel.png" -> "w10/tunnel.png" (relative to the data folder).
std::string DataRelative(const std::string& name)
{
    std::string s;
    for (size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '/' && !s.empty() && s.back() == '/') continue;
        s += name[i];
    }
    if (s.compare(0, 5, "data/") == 0) s.erase(0, 5);
    return s;
}

unsigned long long Fnv(const std::string& s, unsigned long long h = 1469598103934665603ULL)
{
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string GeneratorStamp()
{
    struct stat st {};
    char exe[4096];
    const ssize_t n = readlink("/proc/self/exe", exe, sizeof exe - 1);
    if (n > 0) {
        exe[n] = 0;
        if (stat(exe, &st) == 0) return std::to_string(static_cast<long long>(st.st_mtime)) + ":" + std::to_string(st.st_size);
    }
    return "unknown";
}

bool BuildLevel(const LevelDesign& d, const std::string& out, const std::string& stamp, bool& skipped)
{
    const std::string folder = out + "/" + d.folder;
    const std::string stampPath = folder + "/.levelgen-stamp";
    const std::string want = stamp + ":" + std::to_string(Fnv(ReadFile(d.path)));
    skipped = false;
    if (ReadFile(stampPath) == want) {
        skipped = true;
        return true;
    }
    if (!MakeFolders(folder)) {
        std::fprintf(stderr, "fv_levelgen: cannot create %s\n", folder.c_str());
        return false;
    }
    const std::vector<uint32_t> coll = RasteriseCollision(d);
    if (!WriteArgbPng(folder + "/coll.png", coll.data(), d.width, d.height)) {
        std::fprintf(stderr, "fv_levelgen: cannot write %s/coll.png\n", folder.c_str());
        return false;
    }
    const TerrainField field = AnalyseTerrain(d, coll);
    std::vector<uint32_t> pixels;
    for (int r = 0; r < d.height / 1024; ++r)
        for (int c = 0; c < d.width / 1024; ++c) {
            PaintTile(d, field, r, c, pixels);
            const std::string path = out + "/" + TileFileName(d.record, d.folder, r, c);
            if (!WriteArgbPng(path, pixels.data(), 1024, 1024)) {
                std::fprintf(stderr, "fv_levelgen: cannot write %s\n", path.c_str());
                return false;
            }
        }
    for (const DecorPicture& dec : d.decor) {
        int w = 0, h = 0;
        std::string error;
        if (!PaintDecor(d, field, dec, pixels, w, h, error)) {
            std::fprintf(stderr, "fv_levelgen: %s: %s\n", d.path.c_str(), error.c_str());
            return false;
        }
        const std::string path = out + "/" + DataRelative(dec.file);
        const size_t slash = path.rfind('/');
        if (slash != std::string::npos && !MakeFolders(path.substr(0, slash))) return false;
        if (!WriteArgbPng(path, pixels.data(), w, h)) {
            std::fprintf(stderr, "fv_levelgen: cannot write %s\n", path.c_str());
            return false;
        }
    }
    std::ofstream(stampPath, std::ios::binary) << want;
    return true;
}

// A half-size picture of the whole level over a sky, with the objects marked
// (red walkers, orange bouncers, purple droppers, grey gears, black cannons),
// for looking at a design without starting the game.
void WritePreview(const LevelDesign& d, const std::string& out, const std::string& path, double scale)
{
    const int w = static_cast<int>(d.width * scale), h = static_cast<int>(d.height * scale);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.62, 0.80, 0.95);
    cairo_paint(cr);
    cairo_scale(cr, scale, scale);
    for (int r = 0; r < d.height / 1024; ++r)
        for (int c = 0; c < d.width / 1024; ++c) {
            const std::string tile = out + "/" + TileFileName(d.record, d.folder, r, c);
            cairo_surface_t* t = cairo_image_surface_create_from_png(tile.c_str());
            if (cairo_surface_status(t) != CAIRO_STATUS_SUCCESS)
                std::fprintf(stderr, "fv_levelgen: the preview misses the tile %s\n", tile.c_str());
            cairo_set_source_surface(cr, t, c * 1024, r * 1024);
            cairo_paint(cr);
            cairo_surface_destroy(t);
        }
    for (const PlacedObject& o : d.objects) {
        if (o.kind == "empty") continue;
        double x = o.args.size() > 1 ? o.args[0] : 0, y = o.args.size() > 1 ? o.args[1] : 0, rad = 40;
        if (o.kind == "walker") cairo_set_source_rgb(cr, 0.9, 0.1, 0.1);
        else if (o.kind == "bouncer" || o.kind == "dropbouncer") { cairo_set_source_rgb(cr, 1, 0.5, 0); y -= 30; }
        else if (o.kind == "dropper") { cairo_set_source_rgb(cr, 0.6, 0.1, 0.8); y += 25; }
        else if (o.kind == "cannon") cairo_set_source_rgb(cr, 0, 0, 0);
        else {
            const double hh = (o.args[0] == 30 || o.args[0] == 40) ? 249 : 122;
            x = o.args[1] + hh;
            y = (o.kind == "gearflipped" ? 1024 - o.args[2] : o.args[2]) + hh;
            rad = hh == 249 ? 285 : 159;
            cairo_set_source_rgba(cr, 0.3, 0.3, 0.3, 0.5);
        }
        cairo_arc(cr, x, y, rad, 0, 6.2832);
        cairo_fill(cr);
    }
    cairo_destroy(cr);
    if (cairo_surface_write_to_png(s, path.c_str()) != CAIRO_STATUS_SUCCESS)
        std::fprintf(stderr, "fv_levelgen: cannot write the preview %s\n", path.c_str());
    else
        std::printf("fv_levelgen: preview %s\n", path.c_str());
    cairo_surface_destroy(s);
}

}  // namespace

int main(int argc, char** argv)
{
    std::string levels = "levels", out = "data", placements, check, preview;
    int only = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "--levels" && hasValue) levels = argv[++i];
        else if (a == "--out" && hasValue) out = argv[++i];
        else if (a == "--placements" && hasValue) placements = argv[++i];
        else if (a == "--check-placements" && hasValue) check = argv[++i];
        else if (a == "--only" && hasValue) only = std::atoi(argv[++i]);
        else if (a == "--preview" && hasValue) preview = argv[++i];
        else {
            std::fprintf(stderr, "usage: fv_levelgen [--levels DIR] [--out DIR] [--only REC] | --placements FILE | "
                                 "--check-placements FILE\n");
            return 2;
        }
    }
    std::vector<LevelDesign> designs;
    std::string error;
    if (!ReadAllLevelDesigns(levels, designs, error)) {
        std::fprintf(stderr, "fv_levelgen: %s\n", error.c_str());
        return 1;
    }
    if (!placements.empty() || !check.empty()) {
        const std::string text = GeneratePlacementSource(designs);
        if (!check.empty()) {
            if (ReadFile(check) != text) {
                std::fprintf(stderr, "fv_levelgen: %s is out of date with %s/\n", check.c_str(), levels.c_str());
                return 1;
            }
            return 0;
        }
        if (ReadFile(placements) == text) return 0;  // unchanged: keep its time stamp
        std::ofstream f(placements, std::ios::binary);
        f << text;
        return f.good() ? 0 : 1;
    }
    const std::string stamp = GeneratorStamp();
    std::atomic<size_t> next{0};
    std::atomic<int> failures{0}, built{0};
    unsigned threads = std::thread::hardware_concurrency();
    if (threads == 0) threads = 4;
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t)
        pool.emplace_back([&] {
            for (size_t i = next++; i < designs.size(); i = next++) {
                if (only >= 0 && designs[i].record != only) continue;
                bool skipped = false;
                if (!BuildLevel(designs[i], out, stamp, skipped)) ++failures;
                else if (!skipped) ++built;
            }
        });
    for (std::thread& t : pool) t.join();
    if (!preview.empty() && !MakeFolders(preview)) {
        std::fprintf(stderr, "fv_levelgen: cannot make the preview folder %s\n", preview.c_str());
        return 1;
    }
    if (!preview.empty())
        for (const LevelDesign& d : designs)
            if (only < 0 || d.record == only)
                WritePreview(d, out, preview + "/rec" + std::to_string(d.record) + ".png", 0.25);
    std::printf("fv_levelgen: %d level(s) built, %zu design(s)\n", built.load(), designs.size());
    return failures ? 1 : 0;
}
