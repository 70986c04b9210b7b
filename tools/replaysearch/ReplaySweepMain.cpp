// fv_replaysweep: plays the level replays at many screen sizes, or from many
// start states, and lists what no replay passes.
//
//   fv_replaysweep [--levels LIST] [--widths FROM:TO:STEP] [--heights H,H,...]
//                  [--jobs N]
//   fv_replaysweep --margins N [--screen WxH] [--levels LIST] [--jobs N]
//
// The sweep: for every level and every size, is there a default replay that
// passes at difficulty 1 from the fresh start and the default seeds, and one
// (a hard replay, or a default one) that passes at difficulty 3 from the hard
// seeds? Every replay is tried at every size, whatever sizes it names. It
// prints each (level, size, difficulty) no replay passes and a line per
// level, and exits 1 when anything is unproven.
//
// The margins: every replay that names the size, at its own difficulty (and
// a default replay at difficulty 3 too where no hard replay names the size,
// as the proof does), scored from N start states spread over the random
// sequence (the same inputs kill the same objects from every state, so one
// play serves all): per replay the worst score's margin over the threshold,
// and the floor every state reaches (each kill worth at least 8 points),
// then each level's worst. Exits 1 when a margin is negative.
#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "shared/LevelRecord.h"
#include "tools/replaysearch/CommaList.h"
#include "tools/replaysearch/ReplayJobs.h"
#include "tools/replaysearch/ReplayRun.h"

namespace {

struct Replay {
    std::string file;
    ReplayScript script;
    bool hard = false;
};

std::vector<Replay> ReadReplays(const std::vector<int>& orders)
{
    std::vector<Replay> all;
    for (const char* folder : {"replays", "replays/hard"}) {
        std::vector<std::string> names;
        if (DIR* dir = opendir(folder)) {
            while (dirent* e = readdir(dir)) {
                const std::string name = e->d_name;
                if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) names.push_back(name);
            }
            closedir(dir);
        }
        std::sort(names.begin(), names.end());
        for (const std::string& name : names) {
            Replay r;
            r.file = std::string(folder) + "/" + name;
            r.hard = std::strcmp(folder, "replays/hard") == 0;
            std::string error;
            if (!ReadReplayScript(r.file, r.script, error)) {
                std::fprintf(stderr, "fv_replaysweep: %s\n", error.c_str());
                continue;
            }
            const int order = levelTable[r.script.record].playOrder;
            if (std::find(orders.begin(), orders.end(), order) != orders.end()) all.push_back(r);
        }
    }
    return all;
}

struct Options {
    std::vector<int> orders;
    std::vector<int> widths, heights;
    ScreenSize screen;
    int margins = 0;
    int jobs = 0;
};

bool ParseNumbers(const std::string& text, std::vector<int>& out)
{
    out.clear();
    for (const std::string& word : CommaSeparatedWords(text)) {
        const size_t dash = word.find('-');
        char* end = nullptr;
        const long lo = std::strtol(word.c_str(), &end, 10);
        long hi = lo;
        if (dash != std::string::npos) hi = std::strtol(word.c_str() + dash + 1, &end, 10);
        if (word.empty() || *end || lo > hi || hi - lo > 100000) return false;
        for (long v = lo; v <= hi; ++v) out.push_back(static_cast<int>(v));
    }
    return true;
}

bool ParseOptions(int argc, char** argv, Options& o)
{
    ParseNumbers("1-45", o.orders);
    for (int w = 800; w <= 1920; w += 8) o.widths.push_back(w);
    o.heights = {600, 720, 768, 900, 1024, 1050, 1080};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const char* v = i + 1 < argc ? argv[++i] : nullptr;
        int from = 0, to = 0, step = 0, used = 0;
        bool ok = v != nullptr;
        if (!ok) {
        } else if (a == "--levels") {
            ok = v == std::string("all") ? ParseNumbers("1-45", o.orders) : ParseNumbers(v, o.orders);
        } else if (a == "--widths") {
            ok = std::sscanf(v, "%d:%d:%d%n", &from, &to, &step, &used) == 3 && v[used] == '\0' && step > 0 &&
                 from >= 320 && to <= 16384 && from <= to;
            o.widths.clear();
            for (int w = from; ok && w <= to; w += step) o.widths.push_back(w);
        } else if (a == "--heights") {
            ok = ParseNumbers(v, o.heights);
        } else if (a == "--screen") {
            ok = ParseScreenSize(v, o.screen);
        } else if (a == "--margins") {
            o.margins = std::atoi(v);
            ok = o.margins > 0 && o.margins <= 1000000;
        } else if (a == "--jobs") {
            o.jobs = std::atoi(v);
            ok = o.jobs > 0 && o.jobs <= 256;
        } else {
            ok = false;
        }
        if (!ok) {
            std::fprintf(stderr,
                         "fv_replaysweep: bad argument \"%s\"\n"
                         "usage: fv_replaysweep [--levels 1-45|all] [--widths 800:1920:8] [--heights 600,720,...] "
                         "[--jobs N]\n"
                         "       fv_replaysweep --margins N [--screen 1920x1080] [--levels LIST] [--jobs N]\n"
                         "Run from the project root after a build (it plays the levels in data/).\n",
                         a.c_str());
            return false;
        }
    }
    if (o.jobs == 0) {
        const long cores = sysconf(_SC_NPROCESSORS_ONLN);
        o.jobs = cores > 0 ? static_cast<int>(cores) : 4;
    }
    return true;
}

int Sweep(const Options& o, const std::vector<Replay>& replays)
{
    std::vector<ScreenSize> sizes;
    for (int h : o.heights)
        for (int w : o.widths) sizes.push_back(ScreenSize{w, h});
    // Every replay at every size: at difficulty 1 (default replays) and 3 (all).
    struct Play {
        size_t replay, size;
        int difficulty;
    };
    std::vector<Play> plays;
    std::vector<ReplayJob> jobs;
    for (size_t r = 0; r < replays.size(); ++r)
        for (size_t s = 0; s < sizes.size(); ++s)
            for (int difficulty : {1, 3}) {
                if (replays[r].hard && difficulty == 1) continue;
                ReplayJob job;
                job.script = replays[r].script;
                job.script.difficulty = difficulty;
                job.screen = sizes[s];
                job.idleTicks = 120;
                job.scoredFrom = RequiredReplaySeeds(difficulty);
                plays.push_back({r, s, difficulty});
                jobs.push_back(job);
            }
    std::fprintf(stderr, "fv_replaysweep: %zu plays of %zu replays at %zu sizes on %d workers\n", jobs.size(),
                 replays.size(), sizes.size(), o.jobs);
    std::vector<ReplayResult> results;
    if (!PlayReplaysInParallel(jobs, o.jobs, results)) {
        std::fprintf(stderr, "fv_replaysweep: could not play every replay\n");
        return 2;
    }
    // proven[order][size][difficulty 1 or 3]
    std::map<int, std::vector<std::pair<bool, bool>>> proven;
    for (int order : o.orders) proven[order].assign(sizes.size(), {false, false});
    for (size_t k = 0; k < plays.size(); ++k) {
        const int order = levelTable[replays[plays[k].replay].script.record].playOrder;
        std::pair<bool, bool>& p = proven[order][plays[k].size];
        if (!results[k].passedFromAll) continue;
        (plays[k].difficulty == 1 ? p.first : p.second) = true;
    }
    int unproven = 0;
    for (const auto& level : proven) {
        std::string d1, d3;
        int n1 = 0, n3 = 0;
        for (size_t s = 0; s < sizes.size(); ++s) {
            if (!level.second[s].first) d1 += " " + ScreenName(sizes[s]), ++n1;
            if (!level.second[s].second) d3 += " " + ScreenName(sizes[s]), ++n3;
        }
        unproven += n1 + n3;
        int record = -1;
        for (int r = 0; r < filledLevelRecords; ++r)
            if (levelTable[r].playOrder == level.first) record = r;
        std::printf("play order %2d (record %2d): %s", level.first, record,
                    n1 + n3 == 0 ? "every size passes at both difficulties\n" : "\n");
        if (n1) std::printf("  difficulty 1, %d of %zu sizes unproven:%s\n", n1, sizes.size(), d1.c_str());
        if (n3) std::printf("  difficulty 3, %d of %zu sizes unproven:%s\n", n3, sizes.size(), d3.c_str());
    }
    std::printf("unproven (level, size, difficulty): %d of %zu\n", unproven, 2 * sizes.size() * proven.size());
    return unproven == 0 ? 0 : 1;
}

// Start states spread over the whole sequence, the same every run.
std::vector<ReplaySeed> MarginStates(int count)
{
    std::vector<ReplaySeed> seeds = {FreshStartSeed()};
    uint32_t x = 2463534242u;
    for (int i = 1; i < count; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        seeds.push_back(PlainSeed(x));
    }
    return seeds;
}

// The plays that prove the size: each replay naming it at its difficulty,
// and the default ones at difficulty 3 where no hard replay of the level
// names it.
std::vector<ReplayJob> MarginJobs(const Options& o, const std::vector<Replay>& replays, std::vector<size_t>& of)
{
    std::vector<int> hardOrders;
    for (const Replay& r : replays)
        if (r.hard && ReplayNamesScreen(r.script, o.screen)) hardOrders.push_back(levelTable[r.script.record].playOrder);
    const std::vector<ReplaySeed> states = MarginStates(o.margins);
    std::vector<ReplayJob> jobs;
    for (size_t i = 0; i < replays.size(); ++i) {
        if (!ReplayNamesScreen(replays[i].script, o.screen)) continue;
        const int order = levelTable[replays[i].script.record].playOrder;
        const bool alsoHard = !replays[i].hard &&
                              std::find(hardOrders.begin(), hardOrders.end(), order) == hardOrders.end();
        std::vector<int> difficulties = {replays[i].hard ? 3 : 1};
        if (alsoHard) difficulties.push_back(3);
        for (int difficulty : difficulties) {
            ReplayJob job;
            job.script = replays[i].script;
            job.script.difficulty = difficulty;
            job.screen = o.screen;
            job.idleTicks = 120;
            job.scoredFrom = states;
            jobs.push_back(job);
            of.push_back(i);
        }
    }
    return jobs;
}

int Margins(const Options& o, const std::vector<Replay>& replays)
{
    std::vector<size_t> of;
    const std::vector<ReplayJob> jobs = MarginJobs(o, replays, of);
    std::vector<ReplayResult> results;
    if (!PlayReplaysInParallel(jobs, o.jobs, results)) {
        std::fprintf(stderr, "fv_replaysweep: could not play every replay\n");
        return 2;
    }
    int negative = 0;
    std::map<int, std::pair<int, std::string>> worstOfLevel;  // play order -> its worst margin, and as printed
    std::printf("# replay\tscreen\tdifficulty\tthreshold\tkills\ttime bonus\tworst margin over %d states\t"
                "floor margin (8 a kill)\n",
                o.margins);
    for (size_t k = 0; k < jobs.size(); ++k) {
        const Replay& replay = replays[of[k]];
        const LevelRecord& rec = levelTable[replay.script.record];
        const ReplayResult& r = results[k];
        const bool unscored = rec.bossLevel;
        const int floorScore = rec.sprintLevel ? r.timeBonus : 8 * r.kills + r.timeBonus;
        const bool done = r.finished && !r.died;
        const int worst = r.lowestScore - rec.thresholdPoints, floor = floorScore - rec.thresholdPoints;
        if (!done || (!unscored && worst < 0)) ++negative;
        // A failed play ranks below any margin, a beaten boss above.
        std::string shown, floorShown;
        int value;
        if (!done) {
            shown = r.died ? "died" : "never reached the goal", floorShown = "-", value = -(1 << 30);
        } else if (unscored) {
            shown = floorShown = "boss beaten", value = 1 << 30;
        } else {
            shown = std::to_string(worst), floorShown = std::to_string(floor), value = worst;
        }
        std::printf("%s\t%s\t%d\t%d\t%d\t%d\t%s\t%s\n", replay.file.c_str(), ScreenName(o.screen).c_str(),
                    jobs[k].script.difficulty, rec.thresholdPoints, r.kills, r.timeBonus, shown.c_str(),
                    floorShown.c_str());
        auto level = worstOfLevel.find(rec.playOrder);
        if (level == worstOfLevel.end() || value < level->second.first) worstOfLevel[rec.playOrder] = {value, shown};
    }
    std::printf("# play order\tworst margin at %s over both difficulties\n", ScreenName(o.screen).c_str());
    for (int order : o.orders) {
        auto level = worstOfLevel.find(order);
        std::printf("%d\t%s\n", order, level != worstOfLevel.end() ? level->second.second.c_str() : "no replay names it");
    }
    std::printf("replays with a negative margin or no finish: %d of %zu plays\n", negative, jobs.size());
    return negative == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Options o;
    if (!ParseOptions(argc, argv, o)) return 2;
    PrepareReplayWorld();
    const std::vector<Replay> replays = ReadReplays(o.orders);
    return o.margins > 0 ? Margins(o, replays) : Sweep(o, replays);
}
