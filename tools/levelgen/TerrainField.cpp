#include "tools/levelgen/TerrainField.h"

#include <algorithm>

#include "tools/levelgen/CollisionRaster.h"

TerrainField AnalyseTerrain(const LevelDesign& d, const std::vector<uint32_t>& coll)
{
    TerrainField f;
    f.width = d.width;
    f.height = d.height;
    f.coll = &coll;
    const size_t n = static_cast<size_t>(d.width) * d.height;
    f.depth.assign(n, 0);
    f.topRun.assign(n, 255);
    const int W = d.width, H = d.height;
    // Chamfer distance (3-4 weights, divided by 3) from non-solid pixels; the
    // world's outside counts as solid so that borders get no rim.
    std::vector<uint16_t> dist(n, 0);
    const uint16_t far = 60000;
    for (size_t i = 0; i < n; ++i) dist[i] = coll[i] == collSolid ? far : 0;
    auto at = [&](int x, int y) -> uint16_t { return (x < 0 || y < 0 || x >= W || y >= H) ? far : dist[static_cast<size_t>(y) * W + x]; };
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            uint16_t& v = dist[static_cast<size_t>(y) * W + x];
            if (!v) continue;
            int m = v;
            m = std::min(m, at(x - 1, y) + 3);
            m = std::min(m, at(x, y - 1) + 3);
            m = std::min(m, at(x - 1, y - 1) + 4);
            m = std::min(m, at(x + 1, y - 1) + 4);
            v = static_cast<uint16_t>(m);
        }
    for (int y = H - 1; y >= 0; --y)
        for (int x = W - 1; x >= 0; --x) {
            uint16_t& v = dist[static_cast<size_t>(y) * W + x];
            if (!v) continue;
            int m = v;
            m = std::min(m, at(x + 1, y) + 3);
            m = std::min(m, at(x, y + 1) + 3);
            m = std::min(m, at(x + 1, y + 1) + 4);
            m = std::min(m, at(x - 1, y + 1) + 4);
            v = static_cast<uint16_t>(m);
        }
    for (size_t i = 0; i < n; ++i) f.depth[i] = static_cast<uint8_t>(std::min<int>(255, (dist[i] + 2) / 3));
    f.firstSolid.assign(static_cast<size_t>(W), H);
    for (int x = 0; x < W; ++x)
        for (int y = 0; y < H; ++y)
            if (coll[static_cast<size_t>(y) * W + x] == collSolid) {
                f.firstSolid[x] = y;
                break;
            }
    // Solid runs from an exposed top downward.
    for (int x = 0; x < W; ++x) {
        int run = 255;
        for (int y = 0; y < H; ++y) {
            const size_t i = static_cast<size_t>(y) * W + x;
            if (coll[i] != collSolid) {
                run = -1;
                continue;
            }
            if (run < 0) run = 0;  // a top exposed to air
            if (run < 255) ++run;
            f.topRun[i] = static_cast<uint8_t>(run);
            if (run == 1 && y > 0 && x % 23 == 0) {
                f.surfaceX.push_back(x);
                f.surfaceY.push_back(y);
            }
        }
    }
    return f;
}
