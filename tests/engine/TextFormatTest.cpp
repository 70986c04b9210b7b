#include "engine/TextFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TextFormat, FillsThePlacesTheCallerPasses)
{
    EXPECT_STREQ(FormatText("Best: %i", {1234}), "Best: 1234");
    EXPECT_STREQ(FormatText("Total %d points", {-5}), "Total -5 points");
    EXPECT_STREQ(FormatText("Green%sHills", {"\n"}), "Green\nHills");
    EXPECT_STREQ(FormatText("100%% done %i/%i", {3, 4}), "100% done 3/4");
    EXPECT_EQ(FormatText("x"), textBuffer);
}

TEST(TextFormat, UnexpectedConversionsStayText)
{
    // A translator's stray or hostile conversions never reach printf.
    EXPECT_STREQ(FormatText("%n%x%p %s", {"\n"}), "%n%x%p \n");
    EXPECT_STREQ(FormatText("%s and %s", {"\n"}), "\n and %s");
    EXPECT_STREQ(FormatText("%s points", {42}), "%s points");
    EXPECT_STREQ(FormatText("%i", {"text"}), "%i");
    EXPECT_STREQ(FormatText("%5i %-s %.3s", {7}), "%5i %-s %.3s");
    EXPECT_STREQ(FormatText("ends with %", {1}), "ends with %");
    EXPECT_STREQ(FormatText(nullptr, {}), "");
}

TEST(TextFormat, NeverWritesPastTheBuffer)
{
    char small[8];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(FormatTextInto(small, 6, "abc%sdef", {"XYZ"}), 5u);
    EXPECT_STREQ(small, "abcXY");
    EXPECT_EQ(small[6], '#');

    const std::string huge(1000, 'a');
    FormatText("%s%s%s", {huge.c_str(), huge.c_str(), huge.c_str()});
    EXPECT_EQ(std::strlen(textBuffer), 299u);

    // Cut before a two-byte character that would not fit whole.
    char buf[5];
    FormatTextInto(buf, sizeof buf, "abc\xC3\xA4", {});
    EXPECT_STREQ(buf, "abc");
    EXPECT_EQ(FormatTextInto(buf, 0, "abc", {}), 0u);
}

}  // namespace
