// Every replay in replays/ plays its level on the real gameplay code, with
// the level's required Vop kind (the beginner where any kind may play) at the
// default difficulty, and must pass: the goal reached with the threshold met,
// a sprint within its time, a boss beaten. Replays in replays/hard/ play
// their level at the hardest difficulty and must pass too.
//
// A level plays differently at every screen size (walkers and bouncers move
// only while on screen, cannon balls test the view, the camera follows with
// the screen), so each replay names the sizes it proves, and every level
// must be proven at each of the proof sizes at both difficulties.
//
// A pass must not hang on one lucky random state: the kill points come from
// the random sequence at the level start, and the real game starts its first
// level from the state start-up leaves, later ones from wherever play took
// it. So a default replay must pass from the fresh-start state and seven
// plain seeds, a hard replay (and a default replay standing in for a missing
// hard one at that size) from the fresh start and three of them.
//
// Each replay also keeps the simulation's hash at each of its sizes, so that
// a change to the camera, the trail or an object's rule shows at once, by
// level, even where the level still passes.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "shared/LevelRecord.h"
#include "support/BuildFolder.h"
#include "support/RunCommand.h"
#include "tools/replaysearch/ReplayJobs.h"
#include "tools/replaysearch/ReplayRun.h"
#include "tools/replaysearch/ReplaySeeds.h"

namespace {

// (replay, difficulty played at, seed, size) that fail today; a fix must
// take its rows out: the test fails on a listed play that passes as well as
// on an unlisted one that fails. The fresh-start state is computed from all
// levels together (the music pass draws one number per object of every
// level), so adding or removing an object anywhere moves every "fresh" row.
struct KnownFailure {
    const char* replay;
    int difficulty;
    const char* seed;
    const char* screen;
};
const KnownFailure knownFailures[] = {
    // None now: a row says which replay, difficulty, seed and size.
    {nullptr, 0, nullptr, nullptr},
};

// (play order, size) that no replay proves yet. The test fails on an
// unlisted gap and on a listed one that a replay now proves.
struct KnownGap {
    int playOrder;
    const char* screen;
};
const KnownGap knownGaps[] = {
#include "ReplayKnownGaps.inc"
};

std::vector<std::string> ReplayFiles(const std::string& folder = "replays")
{
    std::vector<std::string> files;
    if (DIR* dir = opendir(folder.c_str())) {
        while (dirent* e = readdir(dir)) {
            const std::string name = e->d_name;
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0) files.push_back(folder + "/" + name);
        }
        closedir(dir);
    }
    std::sort(files.begin(), files.end());
    return files;
}

struct Replay {
    std::string file;
    ReplayScript script;
    bool hard = false;
};

// Every replay, default ones first; a file that cannot be read fails here.
std::vector<Replay> AllReplays()
{
    std::vector<Replay> all;
    for (const char* folder : {"replays", "replays/hard"})
        for (const std::string& file : ReplayFiles(folder)) {
            Replay r;
            r.file = file;
            r.hard = file.find("/hard/") != std::string::npos;
            std::string error;
            EXPECT_TRUE(ReadReplayScript(file, r.script, error)) << error;
            all.push_back(r);
        }
    return all;
}

// A hard replay of this record names this size.
bool HardReplayNames(const std::vector<Replay>& all, int record, const ScreenSize& screen)
{
    for (const Replay& r : all)
        if (r.hard && r.script.record == record && ReplayNamesScreen(r.script, screen)) return true;
    return false;
}

// One play the proof asks for.
struct Proof {
    std::string file;
    int difficulty;
    ReplaySeed seed;
    ScreenSize screen;
};

// Every replay at its difficulty from its seeds at each size it names, and
// every default replay at difficulty 3 from the hard seeds at each size no
// hard replay of its level names.
std::vector<Proof> RequiredProofs(const std::vector<Replay>& all)
{
    std::vector<Proof> proofs;
    for (const Replay& r : all)
        for (const ScreenSize& screen : r.script.screens) {
            if (r.hard) {
                for (const ReplaySeed& seed : HardReplaySeeds()) proofs.push_back({r.file, 3, seed, screen});
                continue;
            }
            for (const ReplaySeed& seed : DefaultReplaySeeds()) proofs.push_back({r.file, 1, seed, screen});
            if (!HardReplayNames(all, r.script.record, screen))
                for (const ReplaySeed& seed : HardReplaySeeds()) proofs.push_back({r.file, 3, seed, screen});
        }
    return proofs;
}

int KnownFailureIndex(const Proof& p)
{
    for (size_t i = 0; i < sizeof knownFailures / sizeof knownFailures[0]; ++i) {
        const KnownFailure& k = knownFailures[i];
        if (k.screen && p.file == k.replay && p.difficulty == k.difficulty && SeedName(p.seed) == k.seed &&
            ScreenName(p.screen) == k.screen)
            return static_cast<int>(i);
    }
    return -1;
}

std::string Outcome(const ReplayResult& r, int threshold)
{
    if (r.passed) return "passed, score " + std::to_string(r.score) + " of " + std::to_string(threshold);
    if (r.died) return "died at " + std::to_string(r.playerX) + "," + std::to_string(r.playerY) + " after " +
                       std::to_string(r.ticks) + " ticks";
    if (!r.finished) return "never reached the goal (ended at " + std::to_string(r.playerX) + "," +
                            std::to_string(r.playerY) + ")";
    return "finished short: " + std::to_string(r.killScore) + " + " + std::to_string(r.timeBonus) + " of " +
           std::to_string(threshold);
}

int Workers()
{
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 0 ? static_cast<int>(std::min(cores, 8L)) : 4;
}

TEST(Replays, ThereIsAReplayForTheFirstLevel)
{
    const std::vector<std::string> files = ReplayFiles();
    EXPECT_NE(std::find(files.begin(), files.end(), "replays/order01-rec07.txt"), files.end());
}

// orderNN-recMM.txt, or orderNN-recMM-TAG.txt for a level's further replays.
bool NamedFor(const std::string& file, const LevelRecord& r)
{
    char expected[32];
    std::snprintf(expected, sizeof expected, "order%02d-rec%02d", r.playOrder, r.recordId);
    const std::string name = file.substr(file.rfind('/') + 1);
    if (name.compare(0, std::strlen(expected), expected) != 0) return false;
    const std::string rest = name.substr(std::strlen(expected));
    if (rest == ".txt") return true;
    if (rest.size() < 6 || rest[0] != '-') return false;
    for (size_t i = 1; i + 4 < rest.size(); ++i)
        if (!std::islower(static_cast<unsigned char>(rest[i])) && !std::isdigit(static_cast<unsigned char>(rest[i])))
            return false;
    return true;
}

TEST(Replays, EveryReplayIsNamedAndHeadedForItsLevel)
{
    PrepareReplayWorld();
    for (const Replay& r : AllReplays()) {
        SCOPED_TRACE(r.file);
        const LevelRecord& rec = levelTable[r.script.record];
        EXPECT_EQ(r.script.kind, rec.requiredKind == 0 ? 1 : rec.requiredKind)
            << "replays must use the level's required kind";
        EXPECT_EQ(r.script.difficulty, r.hard ? 3 : 1);
        EXPECT_TRUE(NamedFor(r.file, rec)) << "named after its play order and record (orderNN-recMM[-tag].txt)";
        EXPECT_FALSE(r.script.screens.empty()) << "a replay names the screen sizes it proves (a screens line)";
        for (size_t i = 0; i < r.script.screens.size(); ++i)
            for (size_t j = i + 1; j < r.script.screens.size(); ++j)
                EXPECT_NE(r.script.screens[i], r.script.screens[j]) << "a size named twice";
        for (const ReplayStep& s : r.script.steps)
            EXPECT_FALSE(s.back || s.restart) << "a level replay plays one attempt: no back or restart keys";
    }
}

TEST(Replays, EveryLevelIsProvenAtEveryProofSize)
{
    PrepareReplayWorld();
    const std::vector<Replay> all = AllReplays();
    std::vector<bool> listedSeen(sizeof knownGaps / sizeof knownGaps[0], false);
    for (int order = 1; order <= 45; ++order)
        for (const ScreenSize& screen : proofScreenSizes) {
            bool proven = false;
            for (const Replay& r : all)
                proven = proven || (!r.hard && levelTable[r.script.record].playOrder == order && ReplayNamesScreen(r.script, screen));
            int listed = -1;
            for (size_t k = 0; k < sizeof knownGaps / sizeof knownGaps[0]; ++k)
                if (knownGaps[k].screen && knownGaps[k].playOrder == order && ScreenName(screen) == knownGaps[k].screen)
                    listed = static_cast<int>(k);
            if (listed >= 0) listedSeen[static_cast<size_t>(listed)] = true;
            if (listed < 0)
                EXPECT_TRUE(proven) << "no replay proves play order " << order << " at " << ScreenName(screen)
                                    << "; or list it in tests/levels/ReplayKnownGaps.inc: {" << order << ", \""
                                    << ScreenName(screen) << "\"},";
            else
                EXPECT_FALSE(proven) << "play order " << order << " is proven at " << ScreenName(screen)
                                     << " now: take its row out of tests/levels/ReplayKnownGaps.inc";
        }
    for (size_t k = 0; k < listedSeen.size(); ++k) {
        if (knownGaps[k].screen == nullptr) continue;
        EXPECT_TRUE(listedSeen[k]) << "the known gap {" << knownGaps[k].playOrder << ", " << knownGaps[k].screen
                                   << "} names no proof size";
    }
}

// The proof itself, all plays at once on every core. The outcome of every
// play goes to artifacts/proof/replays.tsv for the proof report.
TEST(Replays, EveryReplayPassesFromEachOfItsSeedsAtEachOfItsSizes)
{
    PrepareReplayWorld();
    const std::vector<Replay> all = AllReplays();
    const std::vector<Proof> proofs = RequiredProofs(all);
    std::vector<ReplayJob> jobs;
    for (const Proof& p : proofs) {
        ReplayJob job;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(p.file, job.script, error)) << error;
        job.script.difficulty = p.difficulty;
        job.seed = p.seed;
        job.screen = p.screen;
        job.idleTicks = 120;
        jobs.push_back(job);
    }
    std::vector<ReplayResult> results;
    ASSERT_TRUE(PlayReplaysInParallel(jobs, Workers(), results));

    mkdir("artifacts", 0755);
    mkdir("artifacts/proof", 0755);
    std::ofstream table("artifacts/proof/replays.tsv");
    table << "# replay\trecord\tplay order\tdifficulty\tseed\tscreen\tpassed\tkill score\ttime bonus\tthreshold\tkills\t"
             "rule\n";
    std::vector<bool> listedSeen(sizeof knownFailures / sizeof knownFailures[0], false);
    for (size_t i = 0; i < proofs.size(); ++i) {
        const Proof& p = proofs[i];
        const ReplayResult& r = results[i];
        const LevelRecord& rec = levelTable[jobs[i].script.record];
        const int known = KnownFailureIndex(p);
        if (known >= 0) listedSeen[static_cast<size_t>(known)] = true;
        table << p.file << '\t' << rec.recordId << '\t' << rec.playOrder << '\t' << p.difficulty << '\t'
              << SeedName(p.seed) << '\t' << ScreenName(p.screen) << '\t' << (r.passed ? "yes" : "no") << '\t'
              << r.killScore << '\t' << r.timeBonus << '\t' << rec.thresholdPoints << '\t' << r.kills << '\t'
              << (rec.bossLevel ? "boss" : rec.sprintLevel ? "sprint" : "score") << '\n';
        const std::string what = p.file + " at difficulty " + std::to_string(p.difficulty) + " from seed " +
                                 SeedName(p.seed) + " at " + ScreenName(p.screen) + ": " +
                                 Outcome(r, rec.thresholdPoints);
        if (known < 0)
            EXPECT_TRUE(r.passed) << what;
        else
            EXPECT_FALSE(r.passed) << what << "; it is listed as a known failure: take its row out of the table";
    }
    for (size_t k = 0; k < listedSeen.size(); ++k) {
        if (knownFailures[k].screen == nullptr) continue;
        EXPECT_TRUE(listedSeen[k]) << "the known failure " << knownFailures[k].replay << " at difficulty "
                                   << knownFailures[k].difficulty << " from seed " << knownFailures[k].seed << " at "
                                   << knownFailures[k].screen << " names no play the proof makes";
    }
}

// A replay's whole outcome, not only its pass: the hash of the simulation
// from a fresh start at each size it names, as fv_replay prints it.
TEST(Replays, EveryReplayKeepsItsLevelsHashAtEachOfItsSizes)
{
    PrepareReplayWorld();
    const std::vector<Replay> all = AllReplays();
    std::vector<ReplayJob> jobs;
    std::vector<size_t> owner;
    for (size_t i = 0; i < all.size(); ++i) {
        for (const ReplayHash& h : all[i].script.hashes)
            EXPECT_TRUE(ReplayNamesScreen(all[i].script, h.screen))
                << all[i].file << " keeps a hash for " << ScreenName(h.screen) << ", a size it does not name";
        for (const ScreenSize& screen : all[i].script.screens) {
            ReplayJob job;
            job.script = all[i].script;
            job.screen = screen;
            job.asGame = true;
            jobs.push_back(job);
            owner.push_back(i);
        }
    }
    std::vector<ReplayResult> results;
    ASSERT_TRUE(PlayReplaysInParallel(jobs, Workers(), results));
    for (size_t k = 0; k < jobs.size(); ++k) {
        const Replay& r = all[owner[k]];
        const LevelRecord& rec = levelTable[r.script.record];
        uint64_t kept = 0;
        char got[20];
        std::snprintf(got, sizeof got, "%016llx", static_cast<unsigned long long>(results[k].hash));
        const std::string where = r.file + " (record " + std::to_string(rec.recordId) + ", play order " +
                                  std::to_string(rec.playOrder) + ") at " + ScreenName(jobs[k].screen);
        const std::string mend = "; if the level was changed on purpose, rewrite its hashes from the project root "
                                 "with build/tools/replay/fv_replay --rehash " + r.file;
        if (!FindReplayHash(r.script, jobs[k].screen, &kept)) {
            ADD_FAILURE() << where << " keeps no hash (it plays to " << got << ")" << mend;
            continue;
        }
        EXPECT_EQ(kept, results[k].hash) << where << ": the level now plays to hash " << got
                                         << ", not the one the replay keeps" << mend;
    }
}

// The replay search scores a candidate from every seed at once, trusting
// that the same inputs kill the same objects whatever the random state, so
// that only the kill points differ.
TEST(Replays, TheSameInputsKillTheSameObjectsFromEverySeed)
{
    PrepareReplayWorld();
    for (const char* file : {"replays/order22-rec44.txt", "replays/order15-rec16.txt", "replays/order26-rec33.txt"}) {
        SCOPED_TRACE(file);
        ReplayScript script;
        std::string error;
        ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
        const ScreenSize screen = script.screens.empty() ? ScreenSize{} : script.screens[0];
        std::vector<int> played;
        for (const ReplaySeed& seed : DefaultReplaySeeds())
            played.push_back(PlayReplay(script, 0, nullptr, nullptr, seed, screen).killScore);
        PlayReplay(script, 0, nullptr, nullptr, FreshStartSeed(), screen);
        const std::vector<ReplaySeed> seeds = DefaultReplaySeeds();
        for (size_t i = 0; i < seeds.size(); ++i)
            EXPECT_EQ(KillScoreFrom(seeds[i]), played[i]) << "from seed " << SeedName(seeds[i]);
    }
}

std::string RunTool(const std::string& arguments)
{
    const std::string tool = testfiles::InBuildFolder("tools/replay/fv_replay");
    return testfiles::RunCommand(tool + " " + arguments + " 2>/dev/null").output;
}

int ReportNumber(const std::string& report, const std::string& key)
{
    const size_t at = report.find(key);
    return at == std::string::npos ? -1 : std::atoi(report.c_str() + at + key.size());
}

// The replay tool must start a level as this test does and score a replay
// exactly as it does, or a replay checked with the tool could fail here.
TEST(Replays, TheReplayToolAgreesWithTheReplayTest)
{
    if (access(testfiles::InBuildFolder("tools/replay/fv_replay").c_str(), X_OK) != 0)
        GTEST_SKIP() << "fv_replay not built";

    // A level with many kills, so that any drift in the random kill points shows.
    const std::string file = "replays/order22-rec44.txt";
    ReplayScript script;
    std::string error;
    ASSERT_TRUE(ReadReplayScript(file, script, error)) << error;
    PrepareReplayWorld();

    const std::string screen = " --screen " + ScreenName(script.screens.empty() ? ScreenSize{} : script.screens[0]);
    const ScreenSize size = script.screens.empty() ? ScreenSize{} : script.screens[0];
    const std::string fresh = RunTool("--script " + file + screen);
    const std::string expected = "random state: fresh start (state " + std::to_string(ReplayStartState(FreshStartSeed())) + ")";
    EXPECT_NE(fresh.find(expected), std::string::npos) << fresh;
    EXPECT_EQ(ReportNumber(fresh, "kill score: "), PlayReplay(script, 0, nullptr, nullptr, FreshStartSeed(), size).killScore)
        << fresh;

    const std::string seeded = RunTool("--script " + file + " --seed 99" + screen);
    EXPECT_NE(seeded.find("random state: seed 99"), std::string::npos) << seeded;
    EXPECT_EQ(ReportNumber(seeded, "kill score: "), PlayReplay(script, 0, nullptr, nullptr, PlainSeed(99), size).killScore);

    // The seed list plays each seed as a single run would.
    const std::string all = RunTool("--script " + file + " --seeds fresh,99" + screen);
    const size_t second = all.find("seed 99:");
    ASSERT_NE(second, std::string::npos) << all;
    EXPECT_EQ(ReportNumber(all.substr(second), "kill score "), ReportNumber(seeded, "kill score: ")) << all;
}

}  // namespace
