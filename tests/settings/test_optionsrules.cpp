#include "settings/optionsrules.h"
#include "settings/settingsstore.h"

#include "support/testenv.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

Settings withPassword(const char *password)
{
    Settings s = Settings::defaults();
    s.password = QString::fromLatin1(password);
    return s;
}

} // namespace

TEST(OptionsRules, LoginComparesExactlyAndAnEmptyPasswordNeedsNone)
{
    const Settings s = withPassword("Ab1z");
    EXPECT_TRUE(needsLogin(s));
    EXPECT_TRUE(passwordMatches(s, "Ab1z"));
    EXPECT_FALSE(passwordMatches(s, "ab1z")); // case matters
    EXPECT_FALSE(passwordMatches(s, "Insert password"));
    EXPECT_FALSE(passwordMatches(s, "Ab1"));

    EXPECT_FALSE(needsLogin(withPassword("")));
}

TEST(OptionsRules, MinutesTakeTheLeadingNumberAndAtLeastOne)
{
    const struct
    {
        const char *typed;
        const char *stored;
    } cases[] = {
        {"0", "1"},  {"-5", "1"},  {".5", "1"}, {"", "1"},   {"07", "7"}, {"5.", "5"},  {"3,", "3"},
        {"x9", "1"}, {"99", "99"}, {" 8", "8"}, {"+4", "4"}, {"1.", "1"}, {"12", "12"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(minutesFromText(QString::fromLatin1(c.typed)), c.stored) << c.typed;
}

TEST(OptionsRules, ResetSetsOnlyTheCountersToZero)
{
    Settings s{"5", "6", "17", "4", "pw"};
    resetCounters(s);
    EXPECT_EQ(s, (Settings{"5", "6", "0", "0", "pw"}));
}

TEST(OptionsRules, ANewPasswordIsTakenOnlyWhenTheLoginBoxAndTheFileGiveItBack)
{
    const QString folder = test::freshFolder("passwords");
    const SettingsStore store(folder + "/config_bmb.dat", folder + "/config.txt");
    // Every text of up to two characters over the ones the reading rule
    // treats apart, and longer texts that mix them, up to past the four
    // characters the login box takes.
    const QString alphabet = QStringLiteral("a \",;\t\xe8");
    QStringList candidates{QString()};
    for (QChar a : alphabet) {
        candidates << QString(a);
        for (QChar b : alphabet)
            candidates << QString(a) + b;
    }
    candidates << "\"ab"
               << " 482"
               << "48,6"
               << "ab\"c"
               << "ab  "
               << "\"\""
               << "a\"b," << QString::fromLatin1("a\tb\xe8") << "abcde"
               << "New-Pass";

    QStringList refused;
    for (const QString &password : candidates) {
        SCOPED_TRACE(password.toStdString());
        Settings s = withPassword("4826");
        if (!changePassword(s, password)) {
            refused << password;
            EXPECT_EQ(s.password, "4826");
            continue;
        }
        EXPECT_EQ(s.password, password);
        ASSERT_TRUE(store.save(s).ok);
        EXPECT_EQ(store.load()->password, password);
    }
    // Leading spaces, a leading quote, commas and more than four characters
    // are refused; the rest is kept.
    for (const char *bad : {" ", "\"ab", " 482", "48,6", "a\"b,", "abcde", "New-Pass"})
        EXPECT_TRUE(refused.contains(QString::fromLatin1(bad))) << bad;
    for (const char *good : {"", "ab\"c", "ab  ", "a\t", "a\tb\xe8"})
        EXPECT_FALSE(refused.contains(QString::fromLatin1(good))) << good;
}

TEST(OptionsRules, TheNewPasswordReplacesTheOldAtTheLogin)
{
    Settings s = withPassword("4826");
    ASSERT_TRUE(changePassword(s, "9876"));
    EXPECT_FALSE(passwordMatches(s, "4826"));
    EXPECT_TRUE(passwordMatches(s, "9876"));
}

TEST(OptionsRules, EachItemShowsItsPage)
{
    EXPECT_EQ(pageOf(-1), OptionsPage::None);
    EXPECT_EQ(pageOf(0), OptionsPage::Tempo);
    EXPECT_EQ(pageOf(1), OptionsPage::Contatore);
    EXPECT_EQ(pageOf(2), OptionsPage::Password);
    EXPECT_EQ(pageOf(3), OptionsPage::None);
}
