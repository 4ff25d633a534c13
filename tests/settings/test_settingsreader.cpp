#include "settings/settingsreader.h"

#include <gtest/gtest.h>

using namespace kirvano;

namespace {
Settings S(const char *a, const char *b, const char *c, const char *d, const char *e)
{
    return {QString::fromLatin1(a), QString::fromLatin1(b), QString::fromLatin1(c), QString::fromLatin1(d),
            QString::fromLatin1(e)};
}
} // namespace

TEST(SettingsReader, ReadsFiveLinesWithAnyLineEnd)
{
    EXPECT_EQ(readSettingsFields("1\r\n1\r\n0\r\n0\r\n4826\r\n"), S("1", "1", "0", "0", "4826"));
    EXPECT_EQ(readSettingsFields("15\n20\n3\n4\nabcd"), S("15", "20", "3", "4", "abcd"));
    EXPECT_EQ(readSettingsFields("1\r2\r3\r4\r5\r"), S("1", "2", "3", "4", "5"));
}

TEST(SettingsReader, CommasSplitFieldsOnOneLine)
{
    // "1,5" gives both minutes; the next lines shift up, the fifth line is ignored.
    EXPECT_EQ(readSettingsFields("1,5\r\n7\r\n8\r\npw\r\nlost\r\n"), S("1", "5", "7", "8", "pw"));
}

TEST(SettingsReader, QuotesSpacesAndEmptyLines)
{
    EXPECT_EQ(readSettingsFields("  1\r\n   \r\n\"a,b\"\r\n\"x\"junk\r\n pass word \r\n"),
              S("1", "", "a,b", "x", "pass word "));
    EXPECT_EQ(readSettingsFields("1\r\n1\r\n0\r\n0\r\n\r\n"), S("1", "1", "0", "0", ""));
    // A quote without an end runs to the end of the data.
    EXPECT_EQ(readSettingsFields("1\r\n1\r\n0\r\n0\r\n\"abc"), S("1", "1", "0", "0", "abc"));
}

TEST(SettingsReader, FailsWhenTheDataEndsBeforeTheFifthField)
{
    EXPECT_FALSE(readSettingsFields(""));
    EXPECT_FALSE(readSettingsFields("1\r\n1\r\n0\r\n0\r\n"));
    EXPECT_FALSE(readSettingsFields("1\r\n1\r\n0\r\n0\r\n   "));
    EXPECT_FALSE(readSettingsFields("1,2,3,4"));
    EXPECT_FALSE(readSettingsFields("1,2,3,4,"));
}

TEST(SettingsReader, OneBytePerCharacter)
{
    const QByteArray data("1\r\n1\r\n0\r\n0\r\n\xe8\xe0\x00z\r\n", 18);
    auto s = readSettingsFields(data);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->password, QString::fromUtf8("\xc3\xa8\xc3\xa0") + QChar(0) + QLatin1Char('z'));
}
