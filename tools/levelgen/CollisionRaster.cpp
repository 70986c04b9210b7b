#include "tools/levelgen/CollisionRaster.h"

#include <algorithm>
#include <cmath>

uint32_t CollisionColour(Material m)
{
    switch (m) {
    case Material::Solid: return collSolid;
    case Material::Platform: return collPlatform;
    case Material::Deadly: return collDeadly;
    default: return collEmpty;
    }
}

void FillPolygon(std::vector<uint32_t>& pixels, int width, int height, const std::vector<double>& xs,
                 const std::vector<double>& ys, uint32_t colour)
{
    const size_t n = xs.size();
    if (n < 3) return;
    double minY = ys[0], maxY = ys[0];
    for (double y : ys) {
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    const int y0 = std::max(0, static_cast<int>(std::floor(minY)));
    const int y1 = std::min(height - 1, static_cast<int>(std::ceil(maxY)));
    struct Crossing {
        double x;
        int dir;
    };
    std::vector<Crossing> cross;
    for (int py = y0; py <= y1; ++py) {
        const double cy = py + 0.5;
        cross.clear();
        for (size_t i = 0; i < n; ++i) {
            const size_t j = (i + 1) % n;
            const double ay = ys[i], by = ys[j];
            if ((ay <= cy && by > cy) || (by <= cy && ay > cy)) {
                const double t = (cy - ay) / (by - ay);
                cross.push_back({xs[i] + t * (xs[j] - xs[i]), by > ay ? 1 : -1});
            }
        }
        std::sort(cross.begin(), cross.end(), [](const Crossing& a, const Crossing& b) { return a.x < b.x; });
        int winding = 0;
        double spanStart = 0;
        uint32_t* row = pixels.data() + static_cast<size_t>(py) * width;
        for (const Crossing& c : cross) {
            const int before = winding;
            winding += c.dir;
            if (before == 0 && winding != 0) {
                spanStart = c.x;
            } else if (before != 0 && winding == 0) {
                // pixels whose centre lies in [spanStart, c.x)
                const int px0 = std::max(0, static_cast<int>(std::ceil(spanStart - 0.5)));
                const int px1 = std::min(width - 1, static_cast<int>(std::ceil(c.x - 0.5)) - 1);
                for (int px = px0; px <= px1; ++px) row[px] = colour;
            }
        }
    }
}

std::vector<uint32_t> RasteriseCollision(const LevelDesign& d)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(d.width) * d.height, collEmpty);
    for (const TerrainShape& s : d.shapes) FillPolygon(pixels, d.width, d.height, s.xs, s.ys, CollisionColour(s.material));
    return pixels;
}
