// The options dialog's behaviour on fake controls, opened from a real
// MainController whose stations run on the virtual clock.

#include "settings/optionsdialog.h"
#include "settings/optionsrules.h"

#include "support/mainharness.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace kirvano;
using namespace kirvano::test;

namespace {

using Ui = FakeOptionsControls;

Settings settingsOf(const char *minA, const char *minB, const char *cntA, const char *cntB, const char *pass)
{
    return {QString::fromLatin1(minA), QString::fromLatin1(minB), QString::fromLatin1(cntA),
            QString::fromLatin1(cntB), QString::fromLatin1(pass)};
}

class OptionsDialogTest : public ::testing::Test
{
protected:
    // Starts the program with `initial` in its settings file, past the hand-off.
    void start(const Settings &initial)
    {
        h.writeSettings(SettingsStore::settingsBytes(initial));
        main.Form_Load();
        h.clock.advance(5000);
        ASSERT_TRUE(h.frmMain.isEnabled());
        ASSERT_EQ(h.messages.count(), 0);
    }

    // "&Option": a new dialog over the main window.
    Ui &openOptions()
    {
        main.mnOption_Click();
        return *h.windows.options;
    }

    Ui &openAndLogIn()
    {
        Ui &ui = openOptions();
        ui.Textlog.clickIn();
        ui.Textlog.type(main.settings().strPass);
        ui.Cmdlog.click();
        return ui;
    }

    // Sells `units` at a station and lets it start its run.
    void sell(int station, int units)
    {
        for (int i = 0; i < units; ++i)
            h.start(station).click();
        h.clock.advance(5000);
    }

    QByteArray fileBytes() const { return h.settingsBytes(); }

    static void setMinutes(FakeTextBox &box, const QString &text)
    {
        box.clickIn();
        box.setText(QString());
        box.type(text);
    }

    MainHarness h{QStringLiteral("options")};
    MainController &main = *h.main;
};

TEST_F(OptionsDialogTest, OpeningFillsTheBoxesAndTakesTheMainWindowsInput)
{
    start(settingsOf("3", "120", "17", "4", "4826"));
    Ui &ui = openOptions();

    EXPECT_TRUE(ui.frmoption.isVisible());
    EXPECT_TRUE(ui.frmoption.isEnabled());
    EXPECT_FALSE(h.frmMain.isEnabled());
    EXPECT_EQ(ui.TextMin_A.text(), "3");
    EXPECT_EQ(ui.TextMin_B.text(), "12"); // cut to the two-character limit
    EXPECT_EQ(ui.Lbcnt_a.text(), "17");
    EXPECT_EQ(ui.Lbcnt_b.text(), "4");
    EXPECT_TRUE(ui.Framelog.isVisible());
    EXPECT_EQ(ui.Textlog.text(), "Insert password");
    EXPECT_EQ(ui.lstopt.currentIndex(), -1);
    EXPECT_FALSE(ui.Frametmp.isVisible());
    EXPECT_EQ(ui.Textlog.maxLength(), 4);
    EXPECT_EQ(ui.Textnewpass.maxLength(), 4);
    EXPECT_EQ(ui.TextMin_A.maxLength(), 2);
    EXPECT_EQ(ui.TextMin_B.maxLength(), 2);
}

TEST_F(OptionsDialogTest, TheRightPasswordLeadsToTheTempoPage)
{
    start(settingsOf("1", "1", "0", "0", "Ab1z"));
    Ui &ui = openOptions();

    // Case matters; the prompt itself is compared when nothing was typed.
    ui.Cmdlog.click();
    EXPECT_TRUE(ui.Lbkopass.isVisible());
    EXPECT_TRUE(ui.Framelog.isVisible());
    ui.Textlog.clickIn();
    EXPECT_EQ(ui.Textlog.text(), "");
    EXPECT_FALSE(ui.Lbkopass.isVisible());
    ui.Textlog.type(QStringLiteral("ab1z"));
    ui.Cmdlog.click();
    EXPECT_TRUE(ui.Lbkopass.isVisible());
    EXPECT_EQ(ui.lstopt.currentIndex(), -1);

    // Any change hides the message again.
    ui.Textlog.setText(QStringLiteral("Ab1"));
    EXPECT_FALSE(ui.Lbkopass.isVisible());
    ui.Textlog.type(QStringLiteral("z"));
    ui.Cmdlog.click();

    EXPECT_FALSE(ui.Framelog.isVisible());
    EXPECT_EQ(ui.lstopt.currentIndex(), 0);
    EXPECT_TRUE(ui.Frametmp.isVisible());
    EXPECT_FALSE(ui.Framecnt.isVisible());
    EXPECT_FALSE(ui.Framepass.isVisible());
    EXPECT_TRUE(ui.Cmdimp.isDefault());
    EXPECT_FALSE(ui.Lbokmin.isVisible());
}

TEST_F(OptionsDialogTest, AFiveCharacterPasswordCannotBeTyped)
{
    start(settingsOf("1", "1", "0", "0", "12345"));
    Ui &ui = openOptions();
    ui.Textlog.clickIn();
    ui.Textlog.type(QStringLiteral("12345"));
    EXPECT_EQ(ui.Textlog.text(), "1234");
    ui.Cmdlog.click();
    EXPECT_TRUE(ui.Lbkopass.isVisible());
    EXPECT_TRUE(ui.Framelog.isVisible());
    EXPECT_EQ(ui.lstopt.currentIndex(), -1);
}

TEST_F(OptionsDialogTest, ImpostaStoresMinutesByTheLeadingNumberRule)
{
    start(settingsOf("4", "6", "0", "0", "4826"));
    Ui &ui = openAndLogIn();

    const struct
    {
        const char *typed;
        const char *stored;
    } cases[] = {
        {"0", "1"}, {"-5", "1"}, {".5", "1"}, {"", "1"},  {"07", "7"}, {"5.", "5"},
        {"3,", "3"}, {"x9", "1"}, {"99", "99"}, {" 8", "8"}, {"+4", "4"}, {"1.", "1"},
    };
    for (const auto &c : cases) {
        setMinutes(ui.TextMin_A, QString::fromLatin1(c.typed));
        setMinutes(ui.TextMin_B, QStringLiteral("12"));
        ui.Cmdimp.click();
        const QString stored = QString::fromLatin1(c.stored);
        EXPECT_EQ(ui.TextMin_A.text(), stored) << c.typed;
        EXPECT_EQ(main.settings().strMin_a, stored) << c.typed;
        EXPECT_EQ(main.settings().strMin_b, "12") << c.typed;
        EXPECT_TRUE(fileBytes().startsWith((stored + QStringLiteral("\r\n12\r\n")).toLatin1())) << c.typed;
        EXPECT_TRUE(ui.Lbokmin.isVisible()) << c.typed;
    }
    // "OK" stays until "Tempo" is chosen again.
    ui.lstopt.choose(1);
    ui.lstopt.choose(0);
    EXPECT_FALSE(ui.Lbokmin.isVisible());
}

TEST_F(OptionsDialogTest, ALongUnitLengthShowsAndStoresItsFirstTwoCharacters)
{
    start(settingsOf("120", "45", "0", "0", "4826"));
    Ui &ui = openAndLogIn();
    EXPECT_EQ(ui.TextMin_A.text(), "12");
    ui.Cmdimp.click();
    EXPECT_EQ(main.settings().strMin_a, "12");
    EXPECT_EQ(fileBytes(), QByteArray("12\r\n45\r\n0\r\n0\r\n4826\r\n"));
}

TEST_F(OptionsDialogTest, ImpostaSavesTheCountersAsTheyAreNow)
{
    start(settingsOf("5", "5", "10", "20", "4826"));
    Ui &ui = openAndLogIn();

    // Stations keep running while the dialog is open.
    sell(1, 2);
    sell(20, 3);
    EXPECT_EQ(main.settings().strCnt_a, "12");
    EXPECT_EQ(main.settings().StrCnt_b, "23");
    EXPECT_EQ(ui.Lbcnt_a.text(), "10"); // the labels are not refreshed

    setMinutes(ui.TextMin_A, QStringLiteral("15"));
    ui.Cmdimp.click();
    EXPECT_EQ(fileBytes(), QByteArray("15\r\n5\r\n12\r\n23\r\n4826\r\n"));
    EXPECT_TRUE(h.reportBytes().startsWith("Tempo Gruppo A = 15\r\n"));

    // The new length holds for the next sale.
    h.start(3).click();
    EXPECT_EQ(h.start(3).caption(), "15/0");
}

TEST_F(OptionsDialogTest, ResetSetsBothCountersToZeroWhateverTheyHaveBecome)
{
    start(settingsOf("1", "1", "10", "20", "4826"));
    Ui &ui = openAndLogIn();
    sell(2, 1);
    ui.lstopt.choose(1);
    EXPECT_TRUE(ui.Framecnt.isVisible());
    EXPECT_FALSE(ui.Frametmp.isVisible());
    EXPECT_EQ(ui.Lbcnt_a.text(), "10");

    ui.Cmdrstcnt.click();
    EXPECT_EQ(ui.Lbcnt_a.text(), "0");
    EXPECT_EQ(ui.Lbcnt_b.text(), "0");
    EXPECT_EQ(main.settings().strCnt_a, "0");
    EXPECT_EQ(main.settings().StrCnt_b, "0");
    EXPECT_EQ(fileBytes(), QByteArray("1\r\n1\r\n0\r\n0\r\n4826\r\n"));
    EXPECT_EQ(h.messages.count(), 0); // no question first

    // A run that starts afterwards adds to "0".
    sell(18, 2);
    EXPECT_EQ(main.settings().StrCnt_b, "2");
    EXPECT_EQ(main.settings().strCnt_a, "0");
}

TEST_F(OptionsDialogTest, ThePasswordPageStoresANewPassword)
{
    start(settingsOf("1", "1", "0", "0", "4826"));
    Ui &ui = openAndLogIn();

    ui.lstopt.choose(2);
    EXPECT_TRUE(ui.Framepass.isVisible());
    EXPECT_FALSE(ui.Frametmp.isVisible());
    EXPECT_EQ(ui.Textnewpass.text(), "New-Password");
    EXPECT_FALSE(ui.Cmdpass.isEnabled());

    ui.Textnewpass.clickIn();
    ui.Textnewpass.type(QStringLiteral("98765"));
    EXPECT_EQ(ui.Textnewpass.text(), "9876");
    EXPECT_TRUE(ui.Cmdpass.isEnabled());
    EXPECT_TRUE(ui.Cmdpass.isDefault());
    ui.Cmdpass.click();
    EXPECT_EQ(main.settings().strPass, "9876");
    EXPECT_EQ(fileBytes(), QByteArray("1\r\n1\r\n0\r\n0\r\n9876\r\n"));
    EXPECT_TRUE(ui.lbokpass.isVisible());
    EXPECT_TRUE(ui.Cmdpass.isEnabled()); // it can be stored again

    // Choosing the page again restores the prompt and disables the button.
    ui.lstopt.choose(0);
    ui.lstopt.choose(2);
    EXPECT_FALSE(ui.lbokpass.isVisible());
    EXPECT_EQ(ui.Textnewpass.text(), "New-Password");
    EXPECT_FALSE(ui.Cmdpass.isEnabled());
    EXPECT_EQ(ui.Textnewpass.maxLength(), 4);

    // The next opening asks for the new password.
    ui.frmoption.close();
    Ui &again = openOptions();
    again.Textlog.clickIn();
    again.Textlog.type(QStringLiteral("4826"));
    again.Cmdlog.click();
    EXPECT_TRUE(again.Lbkopass.isVisible());
    again.Textlog.clickIn();
    again.Textlog.type(QStringLiteral("9876"));
    again.Cmdlog.click();
    EXPECT_FALSE(again.Framelog.isVisible());
}

TEST_F(OptionsDialogTest, EveryPasswordTheDialogTakesReadsBackFromTheFile)
{
    start(settingsOf("1", "1", "0", "0", "4826"));
    Ui &ui = openAndLogIn();
    ui.lstopt.choose(2);
    // Every text of up to two characters over the ones the reading rule
    // treats apart, and longer texts that mix them.
    const QString alphabet = QStringLiteral("a \",;\t\xe8");
    QStringList candidates{QString()};
    for (QChar a : alphabet) {
        candidates << QString(a);
        for (QChar b : alphabet)
            candidates << QString(a) + b;
    }
    candidates << "\"ab" << " 482" << "48,6" << "ab\"c" << "ab  " << "\"\"" << "a\"b,";

    QStringList refused;
    for (const QString &password : candidates) {
        const QString before = main.settings().strPass;
        const int boxes = h.messages.count();
        ui.Textnewpass.clickIn();
        ui.Textnewpass.type(password);
        ui.Cmdpass.click();
        if (h.messages.count() > boxes) {
            refused << password;
            EXPECT_EQ(h.messages.shown.back().prompt, UnstorablePasswordText);
            EXPECT_EQ(h.messages.shown.back().flags, mb::OkOnly | mb::Exclamation);
            EXPECT_EQ(main.settings().strPass, before) << password.toStdString();
            EXPECT_EQ(SettingsStore(h.settingsPath()).load()->strPass, before);
        } else {
            EXPECT_EQ(main.settings().strPass, password);
            EXPECT_EQ(SettingsStore(h.settingsPath()).load()->strPass, password) << password.toStdString();
        }
    }
    // Leading spaces, a leading quote and commas are refused; the rest is kept.
    for (const char *bad : {" ", "\"ab", " 482", "48,6", "a\"b,"})
        EXPECT_TRUE(refused.contains(QString::fromLatin1(bad))) << bad;
    for (const char *good : {"", "ab\"c", "ab  ", "a\t"})
        EXPECT_FALSE(refused.contains(QString::fromLatin1(good))) << good;
}

TEST_F(OptionsDialogTest, AnEmptyPasswordSkipsTheLoginNextTime)
{
    start(settingsOf("2", "3", "0", "0", "4826"));
    Ui &ui = openAndLogIn();
    ui.lstopt.choose(2);

    // Clicking into the box empties it, a change that enables the button.
    ui.Textnewpass.clickIn();
    EXPECT_EQ(ui.Textnewpass.text(), "");
    EXPECT_TRUE(ui.Cmdpass.isEnabled());
    ui.Cmdpass.click();
    EXPECT_EQ(main.settings().strPass, "");
    EXPECT_EQ(fileBytes(), QByteArray("2\r\n3\r\n0\r\n0\r\n\r\n"));
    ui.frmoption.close();

    Ui &again = openOptions();
    EXPECT_FALSE(again.Framelog.isVisible());
    EXPECT_TRUE(again.Frametmp.isVisible());
    EXPECT_EQ(again.lstopt.currentIndex(), -1);
    EXPECT_FALSE(again.Cmdimp.isDefault());
    EXPECT_TRUE(again.Cmdlog.isDefault());
    EXPECT_FALSE(again.Lbokmin.isVisible());
    EXPECT_EQ(again.TextMin_A.text(), "2");
    EXPECT_FALSE(h.frmMain.isEnabled());
}

TEST_F(OptionsDialogTest, AnEmptyPasswordReadFromTheFileSkipsTheLogin)
{
    start(settingsOf("2", "3", "0", "0", ""));
    Ui &ui = openOptions();
    EXPECT_FALSE(ui.Framelog.isVisible());
    EXPECT_TRUE(ui.Frametmp.isVisible());
    EXPECT_EQ(ui.lstopt.currentIndex(), -1);
}

TEST_F(OptionsDialogTest, ClosingDuringLoginChangesNothing)
{
    start(settingsOf("7", "8", "9", "10", "4826"));
    const QByteArray before = fileBytes();
    Ui &ui = openOptions();
    ui.Textlog.clickIn();
    ui.Textlog.type(QStringLiteral("48"));
    ui.frmoption.close();

    EXPECT_TRUE(ui.frmoption.closed());
    EXPECT_TRUE(h.frmMain.isEnabled());
    EXPECT_EQ(main.frmoption(), nullptr);
    EXPECT_EQ(main.settings(), settingsOf("7", "8", "9", "10", "4826"));
    EXPECT_EQ(fileBytes(), before);
}

TEST_F(OptionsDialogTest, EachOpeningStartsAfresh)
{
    start(settingsOf("7", "8", "0", "0", "4826"));
    Ui *ui = &openAndLogIn();
    setMinutes(ui->TextMin_A, QStringLiteral("30")); // never confirmed
    ui->lstopt.choose(2);
    ui->Textnewpass.clickIn();
    ui->frmoption.close();
    EXPECT_EQ(main.settings().strMin_a, "7");
    EXPECT_EQ(main.settings().strPass, "4826");

    ui = &openOptions();
    EXPECT_EQ(h.windows.optionsMade, 2);
    EXPECT_TRUE(ui->Framelog.isVisible());
    EXPECT_EQ(ui->TextMin_A.text(), "7");
    EXPECT_EQ(ui->lstopt.currentIndex(), -1);

    // The main window's close request closes the dialog too.
    h.messages.answerNext(mb::No);
    h.frmMain.close();
    EXPECT_TRUE(ui->frmoption.closed());
    EXPECT_EQ(main.frmoption(), nullptr);
    EXPECT_TRUE(h.frmMain.isEnabled());
}

TEST_F(OptionsDialogTest, AFailedSaveIsReportedOnceAndTheDialogGoesOn)
{
    start(settingsOf("1", "1", "0", "0", "4826"));
    Ui &ui = openAndLogIn();
    // A folder where the settings file should be: every save fails.
    ASSERT_TRUE(QFile::remove(h.settingsPath()));
    ASSERT_TRUE(QDir().mkdir(h.settingsPath()));

    setMinutes(ui.TextMin_A, QStringLiteral("9"));
    ui.Cmdimp.click();
    ASSERT_EQ(h.messages.count(), 1);
    EXPECT_TRUE(h.messages.shown[0].prompt.contains(QDir::toNativeSeparators(h.settingsPath())));
    EXPECT_EQ(h.messages.shown[0].flags, mb::OkOnly | mb::Critical);
    EXPECT_EQ(main.settings().strMin_a, "9"); // it holds in memory
    EXPECT_FALSE(ui.Lbokmin.isVisible());         // but is not confirmed as saved

    ui.lstopt.choose(1);
    ui.Cmdrstcnt.click();
    ui.lstopt.choose(2);
    ui.Textnewpass.clickIn();
    ui.Cmdpass.click();
    EXPECT_FALSE(ui.lbokpass.isVisible());
    EXPECT_EQ(h.messages.count(), 1);
    EXPECT_TRUE(ui.frmoption.isVisible());

    // Once the disk takes the file again, the next command saves and confirms.
    ASSERT_TRUE(QDir().rmdir(h.settingsPath()));
    ui.Cmdpass.click();
    EXPECT_TRUE(ui.lbokpass.isVisible());
    EXPECT_EQ(fileBytes(), QByteArray("9\r\n1\r\n0\r\n0\r\n\r\n"));
}

} // namespace
