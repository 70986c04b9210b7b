// Finding the folder that holds data/: the working folder first, then the
// executable's folder and the ones above it up to the checkout; a folder
// named data without the game's picture folders does not count, while a
// damaged file inside the game's own does not hide it.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/GameFolder.h"
#include "support/TestFiles.h"

namespace {

class GameFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = testfiles::MakeTempDir("fv-folder-");
        ASSERT_FALSE(root.empty());
        checkout = root + "/checkout";
        for (const std::string& dir : {checkout, checkout + "/build", checkout + "/build/sub",
                                       root + "/elsewhere", root + "/other"})
            ASSERT_EQ(mkdir(dir.c_str(), 0755), 0) << dir;
        MakeData(checkout);
    }
    void TearDown() override
    {
        std::error_code ignored;
        if (!root.empty())
            std::filesystem::remove_all(root, ignored);
    }
    static void MakeData(const std::string& folder)
    {
        for (const char* sub : {"/data", "/data/sprite", "/data/menusprite"})
            ASSERT_EQ(mkdir((folder + sub).c_str(), 0755), 0) << folder + sub;
    }
    bool Find(const std::string& working, const std::string& executable, const std::string& source)
    {
        return FindGameFolder(working.c_str(), executable.c_str(), source.c_str(), found,
                              sizeof found, looked, sizeof looked);
    }
    std::string root, checkout;
    char found[kGameFolderCapacity];
    char looked[kGameFolderLookedCapacity];
};

TEST_F(GameFolder, TheWorkingFolderComesFirst)
{
    MakeData(root + "/elsewhere");
    ASSERT_TRUE(Find(root + "/elsewhere", checkout + "/build/florpvops", checkout));
    EXPECT_EQ(std::string(found), root + "/elsewhere");
}

TEST_F(GameFolder, TheBuildFolderLeadsUpToTheCheckout)
{
    ASSERT_TRUE(Find(root + "/elsewhere", checkout + "/build/sub/florpvops", checkout));
    EXPECT_EQ(std::string(found), checkout);
    EXPECT_EQ(std::string(looked), root + "/elsewhere/data, " + checkout + "/build/sub/data, " +
                                       checkout + "/build/data, " + checkout + "/data");
}

TEST_F(GameFolder, TheSearchStopsAtTheCheckout)
{
    // data/ above the checkout is not the game's to take.
    rename((checkout + "/data").c_str(), (root + "/data").c_str());
    EXPECT_FALSE(Find(root + "/elsewhere", checkout + "/build/sub/florpvops", checkout));
    EXPECT_EQ(std::string(found), "");
    EXPECT_EQ(std::string(looked).find(root + "/data"), std::string::npos) << looked;
}

TEST_F(GameFolder, AnExecutableOutsideTheCheckoutLooksBesideItAndOneFolderUp)
{
    MakeData(root + "/other");
    ASSERT_TRUE(Find(root + "/elsewhere", root + "/other/florpvops", checkout));
    EXPECT_EQ(std::string(found), root + "/other");

    ASSERT_EQ(mkdir((root + "/other/bin").c_str(), 0755), 0);
    ASSERT_TRUE(Find(root + "/elsewhere", root + "/other/bin/florpvops", checkout));
    EXPECT_EQ(std::string(found), root + "/other");

    ASSERT_EQ(mkdir((root + "/other/bin/deeper").c_str(), 0755), 0);
    EXPECT_FALSE(Find(root + "/elsewhere", root + "/other/bin/deeper/florpvops", checkout));
    EXPECT_EQ(std::string(looked), root + "/elsewhere/data, " + root + "/other/bin/deeper/data, " +
                                       root + "/other/bin/data");
}

// Only the checkout itself and the folders inside it lead up to the
// checkout; a sibling whose name merely begins with the checkout's does not,
// and the search never climbs past where it may look.
TEST_F(GameFolder, OnlyFoldersInsideTheCheckoutLeadUpToIt)
{
    MakeData(root);  // a data folder above everything: never the game's
    for (const std::string& dir : {root + "/checkout-old", root + "/checkout-old/build"})
        ASSERT_EQ(mkdir(dir.c_str(), 0755), 0) << dir;
    const struct {
        std::string executable, source;
        bool found;
        std::string looked;
    } cases[] = {
        {root + "/checkout-old/build/florpvops", checkout, false,
         root + "/checkout-old/build/data, " + root + "/checkout-old/data"},
        {root + "/checkout/build/florpvops", checkout + "/", true,
         root + "/checkout/build/data, " + checkout + "/data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.executable + " with the checkout at " + c.source);
        const bool found = Find(root + "/other", c.executable, c.source);
        EXPECT_EQ(std::string(looked), root + "/other/data, " + c.looked);
        EXPECT_EQ(found && std::string(this->found) == checkout, c.found);
    }
}

TEST_F(GameFolder, AFolderNamedDataWithoutTheGamesFoldersIsPassedOver)
{
    mkdir((root + "/elsewhere/data").c_str(), 0755);
    mkdir((root + "/elsewhere/data/sprite").c_str(), 0755);
    ASSERT_TRUE(Find(root + "/elsewhere", checkout + "/build/florpvops", checkout));
    EXPECT_EQ(std::string(found), checkout);

    // A file where the folder should be does not count.
    std::FILE* f = std::fopen((root + "/other/data").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_FALSE(Find(root + "/other", root + "/other/florpvops", checkout));
}

TEST_F(GameFolder, TheGamesFolderCountsWhateverStandsWhereItsFontBelongs)
{
    // Missing, a folder, a FIFO, a link loop: the font's reader names it.
    const std::string font = checkout + "/data/FVf.ttf";
    ASSERT_TRUE(Find(checkout, "", ""));
    ASSERT_EQ(mkdir(font.c_str(), 0755), 0);
    EXPECT_TRUE(Find(checkout, "", ""));
    ASSERT_EQ(rmdir(font.c_str()), 0);
    ASSERT_EQ(mkfifo(font.c_str(), 0644), 0);
    EXPECT_TRUE(Find(checkout, "", ""));
    ASSERT_EQ(unlink(font.c_str()), 0);
    ASSERT_EQ(symlink("FVf.ttf", font.c_str()), 0);
    EXPECT_TRUE(Find(checkout, "", ""));
    EXPECT_EQ(std::string(found), checkout);
}

TEST_F(GameFolder, NoUsablePathsFindNothingWithoutFault)
{
    EXPECT_FALSE(FindGameFolder("", "", "", found, sizeof found, looked, sizeof looked));
    EXPECT_FALSE(FindGameFolder(nullptr, nullptr, nullptr, found, sizeof found, looked, sizeof looked));
    EXPECT_FALSE(Find(root + "/other", "florpvops", ""));  // a relative path is not followed
    EXPECT_EQ(std::string(looked), root + "/other/data");
    // A found folder too long for the caller's buffer is not handed back cut.
    char tiny[8];
    EXPECT_FALSE(FindGameFolder(checkout.c_str(), "", "", tiny, sizeof tiny, looked, sizeof looked));
    // The list of folders is cut to its buffer, not overrun.
    char shortList[12];
    EXPECT_TRUE(FindGameFolder((root + "/other").c_str(), (checkout + "/build/florpvops").c_str(),
                               checkout.c_str(), found, sizeof found, shortList, sizeof shortList));
    EXPECT_LT(std::string(shortList).size(), sizeof shortList);
}

}  // namespace
