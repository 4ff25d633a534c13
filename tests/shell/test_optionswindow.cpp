// frmoption as real widgets, offscreen, driven by object names.

#include "app/maincontroller.h"
#include "main/program.h"
#include "platform/qt/qtwindow.h"
#include "settings/optionsrules.h"
#include "shell/mainwindow.h"
#include "shell/optionswindow.h"

#include "support/fakes.h"
#include "support/guitest.h"
#include "support/testenv.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

class FakeHost : public OptionsHost
{
public:
    Settings &settings() override { return values; }
    bool saveSettings() override
    {
        saved.push_back(values);
        return savesWork;
    }
    IMessageBox &messageBox() override { return messages; }

    test::FakeMessageBox messages;
    Settings values = Settings::defaults();
    std::vector<Settings> saved; // what each save was asked to write
    bool savesWork = true;
};

// Where a control was drawn, in pixels of its container.
struct Placement
{
    const char *name;
    const char *container;
    QRect rect;
    bool fitsText = false; // may grow when the substitute face is wider
};

const Placement Drawn[] = {
    {"lstopt", "frmoption", {8, 16, 65, 173}},
    {"Framelog", "frmoption", {8, 8, 313, 185}},
    {"Lblogin", "Framelog", {88, 24, 122, 16}, true},
    {"Textlog", "Framelog", {88, 64, 121, 25}},
    {"Lbkopass", "Framelog", {96, 104, 104, 16}, true},
    {"Cmdlog", "Framelog", {88, 128, 121, 25}},
    {"Frametmp", "frmoption", {80, 8, 241, 185}},
    {"Label34", "Frametmp", {96, 16, 34, 16}, true},
    {"Label2", "Frametmp", {40, 56, 73, 17}},
    {"TextMin_A", "Frametmp", {128, 48, 49, 25}},
    {"Label4", "Frametmp", {40, 96, 73, 17}},
    {"TextMin_B", "Frametmp", {128, 88, 49, 25}},
    {"Lbokmin", "Frametmp", {104, 120, 23, 20}, true},
    {"Cmdimp", "Frametmp", {80, 144, 73, 25}},
    {"Framecnt", "frmoption", {80, 8, 241, 185}},
    {"Label3", "Framecnt", {64, 16, 110, 16}, true},
    {"Label5", "Framecnt", {32, 56, 73, 17}},
    {"Lbcnt_a", "Framecnt", {128, 48, 76, 24}},
    {"Label6", "Framecnt", {32, 96, 73, 17}},
    {"Lbcnt_b", "Framecnt", {128, 88, 76, 24}},
    {"Cmdrstcnt", "Framecnt", {80, 144, 73, 25}},
    {"Framepass", "frmoption", {80, 8, 241, 185}},
    {"Textnewpass", "Framepass", {64, 72, 105, 21}},
    {"Cmdpass", "Framepass", {64, 104, 105, 25}},
    {"lbokpass", "Framepass", {24, 136, 190, 16}, true},
    {"Label1", "Framepass", {24, 160, 198, 13}, true},
};

struct Lettering
{
    const char *name;
    const char *face;
    double points;
    bool bold;
};

const Lettering Fonts[] = {
    {"frmoption", "MS Sans Serif", 8.25, false}, {"lstopt", "MS Sans Serif", 8.25, false},
    {"Framelog", "MS Sans Serif", 8.25, false},  {"Lblogin", "MS Sans Serif", 9.75, false},
    {"Textlog", "MS Sans Serif", 8.25, false},   {"Lbkopass", "MS Sans Serif", 9.75, false},
    {"Cmdlog", "MS Sans Serif", 8.25, false},    {"Frametmp", "MS Sans Serif", 8.25, false},
    {"Label34", "MS Sans Serif", 9.75, false},   {"Label2", "MS Sans Serif", 9.75, true},
    {"TextMin_A", "MS Sans Serif", 12, false},   {"Label4", "MS Sans Serif", 9.75, true},
    {"TextMin_B", "MS Sans Serif", 12, false},   {"Lbokmin", "MS Sans Serif", 12, false},
    {"Cmdimp", "MS Sans Serif", 8.25, false},    {"Label3", "MS Sans Serif", 9.75, false},
    {"Label5", "MS Sans Serif", 9.75, true},     {"Lbcnt_a", "Arial", 14.25, false},
    {"Label6", "MS Sans Serif", 9.75, true},     {"Lbcnt_b", "Arial", 14.25, false},
    {"Cmdrstcnt", "MS Sans Serif", 8.25, false}, {"Textnewpass", "MS Sans Serif", 8.25, false},
    {"Cmdpass", "MS Sans Serif", 8.25, false},   {"lbokpass", "MS Sans Serif", 9.75, false},
    {"Label1", "MS Sans Serif", 8.25, false},
};

class OptionsWindowTest : public ::testing::Test
{
protected:
    ~OptionsWindowTest() override
    {
        if (window)
            window->close();
        test::flushDeletes();
    }

    // A new dialog, not yet opened.
    OptionsWindow &create()
    {
        window = new OptionsWindow(host);
        return *window;
    }

    // Shown and enabled through its handle, as the main window's "&Option" does.
    void show()
    {
        window->adapter()->show();
        window->adapter()->setEnabled(true);
    }

    // A new dialog, opened and active.
    OptionsWindow &open()
    {
        create();
        show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        return *window;
    }

    template<typename T = QWidget>
    T *child(const char *name) const
    {
        T *w = window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_TRUE(w) << name;
        return w;
    }

    QWidget *focused() const { return QApplication::focusWidget(); }

    // Replaces a box's text by typing.
    void typeOver(const char *box, const char *text)
    {
        auto *edit = child<QLineEdit>(box);
        QTest::mouseClick(edit, Qt::LeftButton);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // The operator clicks an item of the page list.
    void choosePage(int item)
    {
        auto *list = child<QListWidget>("lstopt");
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(item)).center());
        ASSERT_EQ(list->currentRow(), item);
    }

    void click(const char *button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QString textOf(const char *control) const
    {
        if (auto *label = qobject_cast<QLabel *>(child(control)))
            return label->text();
        return child<QLineEdit>(control)->text();
    }

    void logIn()
    {
        QTest::mouseClick(child<QLineEdit>("Textlog"), Qt::LeftButton);
        QTest::keyClicks(child<QLineEdit>("Textlog"), host.values.password);
        QTest::keyClick(focused(), Qt::Key_Return);
        QCoreApplication::processEvents();
        ASSERT_TRUE(child("Framelog")->isHidden());
    }

    // The options dialog that the main window has opened.
    static OptionsWindow *shownOptions()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmoption" && w->isVisible())
                return qobject_cast<OptionsWindow *>(w);
        }
        return nullptr;
    }

    FakeHost host;
    QPointer<OptionsWindow> window;
};

} // namespace

TEST_F(OptionsWindowTest, WindowAsDrawn)
{
    OptionsWindow &w = create();
    EXPECT_EQ(w.objectName(), "frmoption");
    EXPECT_EQ(w.windowTitle(), "Option");
    EXPECT_EQ(w.parentWidget(), nullptr);
    EXPECT_TRUE(w.isWindow());
    EXPECT_EQ(w.windowType(), Qt::Window); // a taskbar entry of its own
    EXPECT_FALSE(w.isModal());
    EXPECT_TRUE(w.testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.isEnabled());

    const Qt::WindowFlags flags = w.windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(w.minimumSize(), QSize(330, 201));
    EXPECT_EQ(w.maximumSize(), QSize(330, 201));

    const QIcon icon = w.windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_TRUE(icon.availableSizes().contains(QSize(16, 16)));
    EXPECT_NE(icon.pixmap(16, 16).toImage(), QIcon(":/icons/kirvano-16.png").pixmap(16, 16).toImage());

    show();
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(w.size(), QSize(330, 201));
    const QPoint screenCentre = w.screen()->availableGeometry().center();
    EXPECT_LE((w.frameGeometry().center() - screenCentre).manhattanLength(), 1);
}

TEST_F(OptionsWindowTest, ControlsSitWhereTheyWereDrawn)
{
    create();
    for (const Placement &p : Drawn) {
        SCOPED_TRACE(p.name);
        QWidget *w = child(p.name);
        ASSERT_TRUE(w);
        EXPECT_EQ(w->parentWidget()->objectName(), p.container);
        if (!p.fitsText) {
            EXPECT_EQ(w->geometry(), p.rect);
            continue;
        }
        // A label that fits its text keeps its corner and never cuts the text.
        auto *label = qobject_cast<QLabel *>(w);
        ASSERT_TRUE(label);
        EXPECT_EQ(w->pos(), p.rect.topLeft());
        EXPECT_GE(w->width(), p.rect.width());
        EXPECT_GE(w->height(), p.rect.height());
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), w->width());
        EXPECT_LE(w->width(), std::max(p.rect.width(), label->sizeHint().width()));
        EXPECT_LE(w->geometry().right(), w->parentWidget()->width());
    }
    // Nothing else is drawn but these and the list's own parts.
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (w->objectName().isEmpty() || w->parentWidget() == child("lstopt")
            || w->parentWidget()->parentWidget() == child("lstopt"))
            continue;
        const auto known = std::find_if(std::begin(Drawn), std::end(Drawn),
                                        [w](const Placement &p) { return w->objectName() == QLatin1String(p.name); });
        EXPECT_NE(known, std::end(Drawn)) << w->objectName().toStdString();
    }
}

TEST_F(OptionsWindowTest, FontsColoursAndCaptions)
{
    create();
    for (const Lettering &l : Fonts) {
        SCOPED_TRACE(l.name);
        const QFont f = qstrcmp(l.name, "frmoption") == 0 ? window->font() : child(l.name)->font();
        EXPECT_EQ(f.family(), l.face);
        EXPECT_DOUBLE_EQ(f.pointSizeF(), l.points);
        EXPECT_EQ(f.bold(), l.bold);
        EXPECT_FALSE(f.italic());
    }

    const QColor red(0xFF, 0, 0);
    for (const char *name : {"Lbkopass", "Lbokmin", "lbokpass"})
        EXPECT_EQ(child(name)->palette().color(QPalette::WindowText), red) << name;
    const QColor plain = window->palette().color(QPalette::WindowText);
    for (const char *name : {"Lblogin", "Label34", "Label2", "Label3", "Label1", "Lbcnt_a"})
        EXPECT_EQ(child(name)->palette().color(QPalette::WindowText), plain) << name;

    for (const char *name : {"Lbcnt_a", "Lbcnt_b"}) {
        SCOPED_TRACE(name);
        auto *counter = child<QLabel>(name);
        EXPECT_TRUE(counter->autoFillBackground());
        EXPECT_EQ(counter->palette().color(QPalette::Window), QApplication::palette().color(QPalette::HighlightedText));
        EXPECT_EQ(counter->frameShape(), QFrame::Box);
        EXPECT_EQ(counter->lineWidth(), 1);
        EXPECT_TRUE(counter->alignment() & Qt::AlignRight);
        EXPECT_EQ(counter->text(), "0");
    }
    EXPECT_TRUE(child<QLabel>("Lbkopass")->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(child<QLabel>("Lbokmin")->alignment() & Qt::AlignHCenter);
    for (const char *name : {"Textlog", "TextMin_A", "TextMin_B", "Textnewpass"}) {
        auto *edit = child<QLineEdit>(name);
        EXPECT_TRUE(edit->alignment() & Qt::AlignHCenter) << name;
        EXPECT_EQ(edit->echoMode(), QLineEdit::Normal) << name;
    }

    const std::pair<const char *, const char *> captions[] = {
        {"Lblogin", "Immettere Password"},
        {"Lbkopass", "Password errata !"},
        {"Label34", "Minuti"},
        {"Label2", "Gruppo A"},
        {"Label4", "Gruppo B"},
        {"Lbokmin", "OK"},
        {"Label3", "Contatore globlale"},
        {"Label5", "Gruppo A"},
        {"Label6", "Gruppo B"},
        {"lbokpass", "Password salvata consuccesso"},
        {"Label1", "Ricordati di scrivere e salvare la password"},
    };
    for (const auto &[name, text] : captions)
        EXPECT_EQ(child<QLabel>(name)->text(), text) << name;
    for (const auto &[name, text] : {std::pair{"Cmdlog", "LogIn"}, std::pair{"Cmdimp", "Imposta"},
                                     std::pair{"Cmdrstcnt", "Reset"}, std::pair{"Cmdpass", "Cambia Password"}})
        EXPECT_EQ(child<QPushButton>(name)->text(), text) << name;
    for (const auto &[name, text] : {std::pair{"Framelog", ""}, std::pair{"Frametmp", "Tempo"},
                                     std::pair{"Framecnt", "Contatore"}, std::pair{"Framepass", "Password"}})
        EXPECT_EQ(child<QGroupBox>(name)->title(), text) << name;
    EXPECT_EQ(child<QLineEdit>("Textlog")->text(), "Insert password");
    EXPECT_EQ(child<QLineEdit>("Textnewpass")->text(), "New-Password");
    EXPECT_EQ(child<QLineEdit>("TextMin_A")->text(), "0");

    auto *list = child<QListWidget>("lstopt");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Tempo");
    EXPECT_EQ(list->item(1)->text(), "Contatore");
    EXPECT_EQ(list->item(2)->text(), "Password");
}

TEST_F(OptionsWindowTest, OnlyTheLoginPanelIsInViewAtFirst)
{
    create();
    EXPECT_FALSE(child("Framelog")->isHidden());
    for (const char *name : {"Frametmp", "Framecnt", "Framepass", "Lbkopass", "Lbokmin", "lbokpass"})
        EXPECT_TRUE(child(name)->isHidden()) << name;
    for (const char *name : {"lstopt", "Lblogin", "Textlog", "Cmdlog", "Label34", "Cmdimp", "Lbcnt_a", "Textnewpass"})
        EXPECT_FALSE(child(name)->isHidden()) << name;
    EXPECT_FALSE(child("Cmdpass")->isEnabled());
    EXPECT_EQ(child<QListWidget>("lstopt")->currentRow(), -1);
    EXPECT_TRUE(child<QListWidget>("lstopt")->selectedItems().isEmpty());

    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        EXPECT_EQ(b->isDefault(), b->objectName() == "Cmdlog") << b->objectName().toStdString();
        EXPECT_FALSE(b->autoDefault()) << b->objectName().toStdString();
    }

    // The login panel lies above the list and the pages.
    show();
    const QWidget *list = child("lstopt");
    QWidget *onTop = window->childAt(list->geometry().center());
    ASSERT_TRUE(onTop);
    EXPECT_TRUE(onTop == child("Framelog") || child("Framelog")->isAncestorOf(onTop));
    const QWidget *panel = child("Framelog");
    EXPECT_EQ(window->childAt(QPoint(200, 100)) == panel || panel->isAncestorOf(window->childAt(QPoint(200, 100))),
              true);
}

TEST_F(OptionsWindowTest, TabOrder)
{
    create();
    const QStringList expected{"lstopt",  "Textnewpass", "Cmdpass",   "Cmdrstcnt", "Cmdimp",
                               "Textlog", "Cmdlog",      "TextMin_A", "TextMin_B"};
    QStringList chain;
    QWidget *w = child("lstopt");
    do {
        if (expected.contains(w->objectName()))
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != child("lstopt"));
    EXPECT_EQ(chain, expected);

    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (qobject_cast<QLabel *>(c) || qobject_cast<QGroupBox *>(c)) {
            EXPECT_EQ(c->focusPolicy(), Qt::NoFocus) << c->objectName().toStdString();
        }
    }
}

TEST_F(OptionsWindowTest, TypingThePasswordAndEnterLogsIn)
{
    open();
    // The prompt has the focus, selected, so typing replaces it.
    ASSERT_EQ(focused(), child("Textlog"));
    QTest::keyClicks(focused(), "4826");
    EXPECT_EQ(child<QLineEdit>("Textlog")->text(), "4826");
    QTest::keyClick(focused(), Qt::Key_Return);

    EXPECT_TRUE(child("Framelog")->isHidden());
    EXPECT_FALSE(child("Frametmp")->isHidden());
    EXPECT_TRUE(child("Framecnt")->isHidden());
    EXPECT_TRUE(child("Framepass")->isHidden());
    EXPECT_TRUE(child("Lbokmin")->isHidden());
    EXPECT_EQ(child<QListWidget>("lstopt")->currentRow(), 0);
    EXPECT_TRUE(child<QListWidget>("lstopt")->item(0)->isSelected());
    EXPECT_TRUE(child<QPushButton>("Cmdimp")->isDefault());
    EXPECT_FALSE(child<QPushButton>("Cmdlog")->isDefault());
    EXPECT_TRUE(host.saved.empty());
    // The focus leaves the hidden panel for the page now in view.
    QCoreApplication::processEvents();
    EXPECT_EQ(focused(), child("TextMin_A"));

    // Now Enter presses "Imposta".
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(host.saved.size(), 1u);
    EXPECT_FALSE(child("Lbokmin")->isHidden());
}

TEST_F(OptionsWindowTest, AWrongPasswordShowsTheMessageUntilTheTextChanges)
{
    open();
    // Enter on a fresh dialog presses "LogIn" with the prompt as the text.
    QTest::keyClick(window, Qt::Key_Return);
    EXPECT_FALSE(child("Lbkopass")->isHidden());
    EXPECT_FALSE(child("Framelog")->isHidden());

    auto *box = child<QLineEdit>("Textlog");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(box->text(), "");
    EXPECT_TRUE(child("Lbkopass")->isHidden());

    QTest::keyClicks(box, "4827");
    click("Cmdlog");
    EXPECT_FALSE(child("Lbkopass")->isHidden());
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_TRUE(child("Lbkopass")->isHidden());
    EXPECT_EQ(box->text(), "482");

    // A change by the program hides it as well.
    click("Cmdlog");
    ASSERT_FALSE(child("Lbkopass")->isHidden());
    box->setText("48");
    EXPECT_TRUE(child("Lbkopass")->isHidden());

    QTest::keyClicks(box, "26");
    click("Cmdlog");
    QCoreApplication::processEvents();
    EXPECT_TRUE(child("Framelog")->isHidden());
    EXPECT_EQ(focused(), child("TextMin_A")); // not the hidden button
}

TEST_F(OptionsWindowTest, TypingRespectsTheLimits)
{
    host.values.password = "12345";
    open();
    auto *login = child<QLineEdit>("Textlog");
    QTest::mouseClick(login, Qt::LeftButton);
    QTest::keyClicks(login, "123456");
    EXPECT_EQ(login->text(), "1234");
    QTest::keyClick(login, Qt::Key_Return);
    EXPECT_FALSE(child("Lbkopass")->isHidden()); // a five-character password cannot be reached
    EXPECT_EQ(child<QListWidget>("lstopt")->currentRow(), -1);

    host.values.password = "1234";
    QTest::keyClick(login, Qt::Key_Return);
    ASSERT_TRUE(child("Framelog")->isHidden());

    typeOver("TextMin_A", "123");
    EXPECT_EQ(textOf("TextMin_A"), "12");
    typeOver("TextMin_B", "456");
    EXPECT_EQ(textOf("TextMin_B"), "45");

    choosePage(2);
    auto *newPass = child<QLineEdit>("Textnewpass");
    EXPECT_EQ(newPass->text(), "New-Password");
    QTest::mouseClick(newPass, Qt::LeftButton);
    QTest::keyClicks(newPass, "abcdef");
    EXPECT_EQ(newPass->text(), "abcd");
}

TEST_F(OptionsWindowTest, ShowingFillsTheBoxesAndTheCountersFromTheSettings)
{
    host.values = {"3", "120", "17", "4", "4826"};
    open();
    EXPECT_EQ(textOf("TextMin_A"), "3");
    EXPECT_EQ(textOf("TextMin_B"), "12"); // cut to the two-character limit
    EXPECT_EQ(textOf("Lbcnt_a"), "17");
    EXPECT_EQ(textOf("Lbcnt_b"), "4");

    // A second "&Option" while it is open fills it again.
    host.values.minutesA = "9";
    host.values.counterA = "18";
    show();
    EXPECT_EQ(textOf("TextMin_A"), "9");
    EXPECT_EQ(textOf("Lbcnt_a"), "18");
}

TEST_F(OptionsWindowTest, ALongUnitLengthShowsItsFirstTwoCharacters)
{
    host.values.minutesA = "120";
    open();
    EXPECT_EQ(textOf("TextMin_A"), "12");
    logIn();
    click("Cmdimp");
    EXPECT_EQ(host.values.minutesA, "12");
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back().minutesA, "12");
    EXPECT_EQ(textOf("TextMin_A"), "12");
}

TEST_F(OptionsWindowTest, ImpostaPutsTheStoredMinutesInTheBoxesAndSaysOK)
{
    host.values.minutesB = "6";
    open();
    logIn();
    typeOver("TextMin_A", "07");
    typeOver("TextMin_B", ".5");
    click("Cmdimp");
    EXPECT_EQ(textOf("TextMin_A"), "7");
    EXPECT_EQ(textOf("TextMin_B"), "1");
    EXPECT_EQ(host.values.minutesA, "7");
    EXPECT_EQ(host.values.minutesB, "1");
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back(), host.values);
    EXPECT_FALSE(child("Lbokmin")->isHidden());

    // "OK" stays until "Tempo" is chosen again.
    choosePage(1);
    EXPECT_FALSE(child("Lbokmin")->isHidden());
    choosePage(0);
    EXPECT_TRUE(child("Lbokmin")->isHidden());
}

TEST_F(OptionsWindowTest, ImpostaSavesTheCountersAsTheyAreNowThoughTheLabelsKeepTheirs)
{
    host.values = {"5", "5", "10", "20", "4826"};
    open();
    logIn();
    // Stations run on while the dialog is open.
    host.values.counterA = "12";
    host.values.counterB = "23";
    typeOver("TextMin_A", "15");
    click("Cmdimp");
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back(), (Settings{"15", "5", "12", "23", "4826"}));
    EXPECT_EQ(textOf("Lbcnt_a"), "10"); // not refreshed
    EXPECT_EQ(textOf("Lbcnt_b"), "20");
}

TEST_F(OptionsWindowTest, ResetSetsBothCountersToZeroWithoutAQuestion)
{
    host.values = {"1", "1", "10", "20", "4826"};
    open();
    logIn();
    host.values.counterA = "11"; // a station ran meanwhile
    choosePage(1);
    EXPECT_FALSE(child("Framecnt")->isHidden());
    EXPECT_TRUE(child("Frametmp")->isHidden());
    EXPECT_TRUE(child("Framepass")->isHidden());
    EXPECT_EQ(textOf("Lbcnt_a"), "10");

    click("Cmdrstcnt");
    EXPECT_EQ(textOf("Lbcnt_a"), "0");
    EXPECT_EQ(textOf("Lbcnt_b"), "0");
    EXPECT_EQ(host.values, (Settings{"1", "1", "0", "0", "4826"}));
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back(), host.values);
    EXPECT_EQ(host.messages.count(), 0);
}

TEST_F(OptionsWindowTest, ThePasswordPageOpensWithTheButtonDisabled)
{
    open();
    logIn();
    choosePage(2);
    EXPECT_FALSE(child("Framepass")->isHidden());
    EXPECT_TRUE(child("Frametmp")->isHidden());
    EXPECT_TRUE(child("Framecnt")->isHidden());
    auto *button = child<QPushButton>("Cmdpass");
    EXPECT_FALSE(button->isEnabled());

    QTest::mouseClick(child<QLineEdit>("Textnewpass"), Qt::LeftButton);
    EXPECT_EQ(textOf("Textnewpass"), "");
    EXPECT_TRUE(button->isEnabled());
    EXPECT_TRUE(button->isDefault());
    QTest::keyClicks(child<QLineEdit>("Textnewpass"), "77");
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_EQ(host.values.password, "77");
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back().password, "77");
    EXPECT_FALSE(child("lbokpass")->isHidden());
    EXPECT_TRUE(button->isEnabled()); // it can be stored again

    auto *list = child<QListWidget>("lstopt");
    QTest::keyClick(list, Qt::Key_Up); // keyboard selection works as well
    EXPECT_EQ(list->currentRow(), 1);
    EXPECT_FALSE(child("Framecnt")->isHidden());
    list->setCurrentRow(2);
    EXPECT_TRUE(child("lbokpass")->isHidden());
    EXPECT_EQ(textOf("Textnewpass"), "New-Password");
    EXPECT_FALSE(button->isEnabled());

    // The limit is back after the prompt went in.
    QTest::mouseClick(child<QLineEdit>("Textnewpass"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>("Textnewpass"), "98765");
    EXPECT_EQ(textOf("Textnewpass"), "9876");
}

TEST_F(OptionsWindowTest, ClickingIntoTheNewPasswordAndPressingTheButtonStoresAnEmptyOne)
{
    open();
    logIn();
    choosePage(2);
    QTest::mouseClick(child<QLineEdit>("Textnewpass"), Qt::LeftButton);
    click("Cmdpass");
    EXPECT_EQ(host.values.password, "");
    ASSERT_EQ(host.saved.size(), 1u);
    EXPECT_EQ(host.saved.back().password, "");
}

TEST_F(OptionsWindowTest, APasswordTheFileWouldNotGiveBackIsRefused)
{
    open();
    logIn();
    choosePage(2);
    QTest::mouseClick(child<QLineEdit>("Textnewpass"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>("Textnewpass"), "48,6");
    click("Cmdpass");
    ASSERT_EQ(host.messages.count(), 1);
    EXPECT_EQ(host.messages.shown[0].prompt, UnstorablePasswordText);
    EXPECT_TRUE(host.messages.shown[0].is(MessageButtons::Ok, MessageIcon::Exclamation));
    EXPECT_EQ(host.messages.shown[0].title, "Kirvano");
    EXPECT_EQ(host.values.password, "4826");
    EXPECT_TRUE(host.saved.empty());
    EXPECT_TRUE(child("lbokpass")->isHidden());
}

TEST_F(OptionsWindowTest, AFailedSaveIsNotConfirmedAndTheDialogGoesOn)
{
    open();
    logIn();
    host.savesWork = false;
    typeOver("TextMin_A", "9");
    click("Cmdimp");
    EXPECT_EQ(host.values.minutesA, "9");      // it holds in memory
    EXPECT_TRUE(child("Lbokmin")->isHidden()); // but is not confirmed as saved

    choosePage(1);
    click("Cmdrstcnt");
    choosePage(2);
    QTest::mouseClick(child<QLineEdit>("Textnewpass"), Qt::LeftButton);
    click("Cmdpass");
    EXPECT_TRUE(child("lbokpass")->isHidden());
    EXPECT_TRUE(window->isVisible());

    // Once saving works again, the next command saves and confirms.
    host.savesWork = true;
    click("Cmdpass");
    EXPECT_FALSE(child("lbokpass")->isHidden());
    EXPECT_EQ(host.saved.back(), (Settings{"9", "1", "0", "0", ""}));
}

TEST_F(OptionsWindowTest, AnEmptyPasswordOpensOnTempoWithNothingSelected)
{
    host.values.password = "";
    open();
    EXPECT_TRUE(child("Framelog")->isHidden());
    EXPECT_FALSE(child("Frametmp")->isHidden());
    EXPECT_TRUE(child("Lbokmin")->isHidden());
    EXPECT_TRUE(child<QPushButton>("Cmdlog")->isDefault());
    EXPECT_FALSE(child<QPushButton>("Cmdimp")->isDefault());
    auto *list = child<QListWidget>("lstopt");

    // The list can take the focus now, but does not choose an item by itself.
    list->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(focused(), list);
    QTest::keyClick(window, Qt::Key_Tab);
    QTest::keyClick(window, Qt::Key_Backtab);
    EXPECT_EQ(list->currentRow(), -1);
    EXPECT_FALSE(list->currentIndex().isValid());

    // Enter does not press "Imposta": the default is still the hidden "LogIn".
    QTest::keyClick(focused(), Qt::Key_Return);
    child<QLineEdit>("TextMin_A")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(focused(), Qt::Key_Return);
    EXPECT_TRUE(host.saved.empty());
    EXPECT_TRUE(child("Lbokmin")->isHidden());
    EXPECT_FALSE(window->isHidden());
}

TEST_F(OptionsWindowTest, TheCoveredListTakesNoFocus)
{
    open();
    QStringList reached;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        reached << focused()->objectName();
    }
    EXPECT_EQ(reached, (QStringList{"Cmdlog", "Textlog", "Cmdlog", "Textlog", "Cmdlog", "Textlog"}));
    EXPECT_EQ(child<QListWidget>("lstopt")->currentRow(), -1);
    EXPECT_TRUE(child("Frametmp")->isHidden());
}

TEST_F(OptionsWindowTest, EveryWayOfClosingGoesThroughTheCloseRequest)
{
    using Closer = std::function<void(OptionsWindow &)>;
    const std::pair<const char *, Closer> ways[] = {
        {"Escape", [](OptionsWindow &w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"close", [](OptionsWindow &w) { w.close(); }},
        {"reject", [](OptionsWindow &w) { w.reject(); }},
        {"accept", [](OptionsWindow &w) { w.accept(); }},
        {"done", [](OptionsWindow &w) { w.done(3); }},
        {"handle", [](OptionsWindow &w) { w.adapter()->close(); }},
    };
    for (const auto &[name, closeIt] : ways) {
        SCOPED_TRACE(name);
        open();
        int requests = 0;
        window->adapter()->onCloseRequest([&requests] {
            ++requests;
            return true;
        });
        closeIt(*window);
        EXPECT_EQ(requests, 1);
        test::flushDeletes();
        EXPECT_TRUE(window.isNull()); // gone, and built afresh next time
    }
}

TEST_F(OptionsWindowTest, ClosingSavesNothing)
{
    host.values = {"7", "8", "9", "10", "4826"};
    const Settings before = host.values;
    // During the login.
    open();
    QTest::mouseClick(child<QLineEdit>("Textlog"), Qt::LeftButton);
    QTest::keyClicks(child<QLineEdit>("Textlog"), "48");
    window->close();
    test::flushDeletes();
    EXPECT_TRUE(host.saved.empty());
    EXPECT_EQ(host.values, before);

    // With edits that were never confirmed.
    open();
    logIn();
    typeOver("TextMin_A", "30");
    choosePage(2);
    QTest::mouseClick(child<QLineEdit>("Textnewpass"), Qt::LeftButton);
    window->close();
    test::flushDeletes();
    EXPECT_TRUE(host.saved.empty());
    EXPECT_EQ(host.values, before);
}

TEST_F(OptionsWindowTest, FromTheMainWindow)
{
    const QString folder = test::freshFolder("optionswindow");
    const QString settingsPath = folder + "/conf/config_bmb.dat";
    QDir().mkpath(folder + "/conf");
    {
        QFile f(settingsPath);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\r\n1\r\n0\r\n0\r\n4826\r\n");
    }
    Program program(folder + "/app", settingsPath);
    MainWindow &mainWindow = program.mainWindow();
    program.controller().startUp();
    program.controller().handOver();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));

    QTest::keyClick(&mainWindow, Qt::Key_F12);
    window = shownOptions();
    ASSERT_TRUE(window);
    EXPECT_FALSE(mainWindow.isEnabled());
    EXPECT_TRUE(window->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));

    QTest::keyClicks(focused(), "4826");
    QTest::keyClick(focused(), Qt::Key_Return);
    QCoreApplication::processEvents();
    ASSERT_FALSE(child("Frametmp")->isHidden());
    auto *minutes = child<QLineEdit>("TextMin_A");
    ASSERT_EQ(focused(), minutes);
    minutes->selectAll();
    QTest::keyClicks(minutes, "15");
    QTest::mouseClick(child<QPushButton>("Cmdimp"), Qt::LeftButton);
    {
        QFile f(settingsPath);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), QByteArray("15\r\n1\r\n0\r\n0\r\n4826\r\n"));
    }

    window->close();
    test::flushDeletes();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(mainWindow.isEnabled());
    EXPECT_EQ(program.controller().optionsDialog(), nullptr);
    auto *start = mainWindow.findChild<QPushButton *>("CmdStart1");
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), "15/0");
    program.controller().stopAll();

    // The next opening starts afresh, from the settings as they are now.
    mainWindow.activateWindow(); // the window manager's part
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    QTest::keyClick(&mainWindow, Qt::Key_F12);
    window = shownOptions();
    ASSERT_TRUE(window);
    EXPECT_FALSE(child("Framelog")->isHidden());
    EXPECT_TRUE(child("Frametmp")->isHidden());
    EXPECT_EQ(child<QLineEdit>("Textlog")->text(), "Insert password");
    EXPECT_EQ(child<QLineEdit>("TextMin_A")->text(), "15");
    EXPECT_EQ(child<QListWidget>("lstopt")->currentRow(), -1);
    window->close(); // while its host is still there
    test::flushDeletes();
    EXPECT_TRUE(mainWindow.isEnabled());
}

TEST_F(OptionsWindowTest, RenderForTheDocs)
{
    const QString out = qEnvironmentVariable("KIRVANO_DOCS_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "set KIRVANO_DOCS_DIR to write docs/options-login.png and docs/options-tempo.png";
    host.values.minutesA = "15";
    host.values.counterA = "128";
    open();
    EXPECT_TRUE(window->grab().save(out + "/options-login.png"));
    logIn();
    EXPECT_TRUE(window->grab().save(out + "/options-tempo.png"));
}
