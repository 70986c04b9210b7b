#pragma once
// A level's design source (levels/recNN.lvl) read into memory: the terrain as
// filled shapes of the collision materials, the visual props, the decoration
// pictures, and the object placements of the slots the definitions leave
// open. levels/README.md describes the text format.
#include <cstdint>
#include <string>
#include <vector>

enum class Material { Solid, Platform, Deadly, Empty };

// One filled polygon (points in world pixels, closed implicitly). Later shapes
// paint over earlier ones; Empty carves.
struct TerrainShape {
    Material material = Material::Solid;
    std::vector<double> xs, ys;
    int line = 0;
};

// A visual-only prop painted into the tiles (no collision).
struct Prop {
    std::string kind;  // tuft, flower, rock, post, crystal, sign, icicle, lamp
    double x = 0, y = 0, scale = 1;
    int line = 0;
};

// A decoration picture the record names: the generator paints it from the
// terrain inside its box (a tunnel roof, a shaft cover) or as a standalone
// picture (tree, lettering).
struct DecorPicture {
    int slot = 0;
    std::string file;   // as the record names it, e.g. "data//w10//tunnel.png"
    std::string style;  // cover, tree, letters, blank
    int x = 0, y = 0, w = 0, h = 0;
    int line = 0;
};

// The sky deepened overhead in the tiles: a colour (0..255) at `alpha` over
// the open air at the level's top, thinning to nothing at row `depth` (0: the
// tiles leave the sky to the game's own colour).
struct SkyShade {
    int r = 0, g = 0, b = 0;
    double alpha = 0;
    int depth = 0;
};

// One object of an open slot. `kind` is the source keyword; `args` its
// numbers in the order of the keyword's factory.
struct PlacedObject {
    int slot = -1;
    std::string kind;  // walker, bouncer, dropbouncer, dropper, gear, gearflipped, cannon, empty
    std::vector<double> args;
    int line = 0;
};

// A single-field mark applied after the placement.
struct ObjectMark {
    int slot = -1;
    std::string field;  // heat, variant, colour, withobjects
    std::vector<double> args;
    int line = 0;
};

struct LevelDesign {
    std::string path;
    int record = -1;
    int width = 0, height = 0;
    std::string folder;
    std::string theme = "meadow";
    bool draft = false;  // placeholder layout, not yet designed
    std::vector<TerrainShape> shapes;
    std::vector<Prop> props;
    std::vector<DecorPicture> decor;
    SkyShade sky;
    std::vector<PlacedObject> objects;
    std::vector<ObjectMark> marks;
    // Named rows of numbers the definitions read (bouncer heights of records
    // 2, 4 and 5, the record-5 bouncer spots).
    std::vector<std::pair<std::string, std::vector<int>>> rows;
};

// Reads one design source. On failure returns false and puts a message with
// the file and line into `error`. Only a regular file of at most 1 MiB is
// read, and every number must lie within -1000000..1000000.
bool ReadLevelDesign(const std::string& path, LevelDesign& design, std::string& error);
// The same for a source's text already in memory; `path` names it in messages.
bool ReadLevelDesignText(const std::string& text, const std::string& path, LevelDesign& design,
                         std::string& error);
// Reads every levels/rec*.lvl under `folder`, sorted by record id.
bool ReadAllLevelDesigns(const std::string& folder, std::vector<LevelDesign>& designs,
                         std::string& error);

// Arguments each object keyword takes (minimum, maximum), and which of them
// must be whole numbers ('i' in `wholeArgs`, one letter per argument).
bool ObjectArgumentCount(const std::string& kind, int& minArgs, int& maxArgs, const char** wholeArgs = nullptr);
