#include "shell/mainwindow.h"

#include "app/maincontroller.h"
#include "main/program.h"

#include "platform/qt/qtmediaplayer.h"
#include "platform/qt/qttimer.h"
#include "shell/ledshape.h"
#include "station/station.h"
#include "support/guitest.h"
#include "support/testenv.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace kirvano;

namespace {

class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        folder = test::freshFolder("mainwindow");
        QDir().mkpath(folder + "/conf");
        QFile f(folder + "/conf/config_bmb.dat");
        f.open(QIODevice::WriteOnly);
        f.write("1\r\n1\r\n0\r\n0\r\n4826\r\n");
        f.close();
        program = std::make_unique<Program>(folder + "/app", folder + "/conf/config_bmb.dat");
        window = &program->mainWindow();
    }

    template<typename T>
    T *child(const QString &name) const
    {
        T *w = window->findChild<T *>(name);
        EXPECT_TRUE(w) << name.toStdString();
        return w;
    }

    // Start-up and the splash's hand-off, without waiting for real seconds.
    void bringUp()
    {
        program->controller().startUp();
        program->controller().handOver();
    }

    // Threads of this process but Qt's own pool, which QApplication ends.
    static int threadCount()
    {
        int count = 0;
        const QDir tasks(QStringLiteral("/proc/self/task"));
        for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
            count += comm.open(QIODevice::ReadOnly) && !comm.readAll().startsWith("Thread (pooled)");
        }
        return count;
    }

    const int threadsBefore = threadCount();
    QString folder;
    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
};

} // namespace

TEST_F(MainWindowTest, WindowAsDrawn)
{
    EXPECT_EQ(window->objectName(), "frmMain");
    EXPECT_EQ(window->windowTitle(), "Kirvano  v. 1.3.0  by Marbolin");
    EXPECT_FALSE(window->isEnabled()); // created disabled
    EXPECT_FALSE(window->windowIcon().isNull());
    EXPECT_EQ(window->centralWidget()->size(), QSize(826, 441));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);

    bringUp();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(window->minimumSize(), window->maximumSize()); // fixed size
    EXPECT_EQ(window->size().width(), 826);
    EXPECT_EQ(window->size().height(), 441 + window->menuBar()->height());
}

TEST_F(MainWindowTest, FramesBandsAndTilesSitWhereTheyWereDrawn)
{
    auto *a = child<QGroupBox>("FraTimer1");
    auto *b = child<QGroupBox>("FraTimer2");
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->title(), "Gruppo A");
    EXPECT_EQ(b->title(), "Gruppo B");
    EXPECT_EQ(a->geometry(), QRect(8, 0, 809, 217));
    EXPECT_EQ(b->geometry(), QRect(8, 216, 809, 217));
    EXPECT_EQ(a->font().bold(), true);

    const struct
    {
        const char *name;
        QGroupBox *frame;
        int top;
    } bands[] = {{"Shape1", a, 32}, {"Shape2", a, 128}, {"Shape3", b, 32}, {"Shape4", b, 128}};
    for (const auto &band : bands) {
        auto *shape = child<LedShape>(band.name);
        ASSERT_TRUE(shape);
        EXPECT_EQ(shape->parentWidget(), band.frame);
        EXPECT_EQ(shape->geometry(), QRect(24, band.top, 761, 81));
        EXPECT_EQ(shape->fillColor(), 0x800000u);
    }

    for (int n = 1; n <= 32; ++n) {
        SCOPED_TRACE(n);
        const int k = (n - 1) % 16;
        // Tiles are 96 pixels apart, eight to a row, two rows to a frame.
        const int x = 96 * (k % 8);
        const int y = 96 * (k / 8);
        QGroupBox *frame = n <= 16 ? a : b;
        const QString labelName = (n == 9 || n == 10) ? QString("Name%1").arg(n) : QString("Nome%1").arg(n);
        auto *label = child<QLabel>(labelName);
        auto *led = child<LedShape>(QString("Led%1").arg(n));
        auto *start = child<QPushButton>(QString("CmdStart%1").arg(n));
        ASSERT_TRUE(label && led && start);
        EXPECT_EQ(label->parentWidget(), frame);
        EXPECT_EQ(label->geometry(), QRect(40 + x, 16 + y, n <= 9 ? 55 : 58, 16));
        EXPECT_EQ(label->text(), n < 10 ? QString("TIMER  %1").arg(n) : QString("TIMER %1").arg(n));
        EXPECT_EQ(label->font().pointSizeF(), 9.75);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(led->geometry(), QRect(32 + x, 40 + y, 73, 65));
        EXPECT_EQ(led->fillColor(), led::Green);
        EXPECT_EQ(start->geometry(), QRect(40 + x, 48 + y, 57, 49));
        // The button lies inside its LED with an 8-pixel rim on every side.
        EXPECT_EQ(led->geometry().adjusted(8, 8, -8, -8), start->geometry());
        EXPECT_EQ(start->text(), "START");
        EXPECT_EQ(start->font().pointSizeF(), 8.25);
        EXPECT_TRUE(start->font().bold());
        EXPECT_EQ(start->toolTip(), n % 8 == 0 ? QString() : QString("On/Off Timer"));
        EXPECT_EQ(start->accessibleDescription(), label->text() + " pronto");
        auto *timer = window->findChild<QtTimer *>(QString("Timer%1").arg(n));
        ASSERT_TRUE(timer);
        EXPECT_FALSE(timer->isEnabled());

        // Stacking: START above its LED, the LED above its band.
        const QWidgetList order = frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        EXPECT_GT(order.indexOf(start), order.indexOf(led));
        EXPECT_GT(order.indexOf(led), order.indexOf(child<LedShape>(bands[(n - 1) / 8].name)));
    }
    // The first row's band is drawn over the strip of the second row's labels it reaches.
    const QWidgetList order = a->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    EXPECT_GT(order.indexOf(child<LedShape>("Shape1")), order.indexOf(child<QLabel>("Name9")));
}

TEST_F(MainWindowTest, TimersAndPlayerAtCreation)
{
    auto *play = window->findChild<QtTimer *>("Timerplay");
    auto *logo = window->findChild<QtTimer *>("Timerlogo");
    ASSERT_TRUE(play && logo);
    EXPECT_TRUE(play->isEnabled());
    EXPECT_EQ(play->interval(), 10);
    EXPECT_TRUE(logo->isEnabled());
    EXPECT_EQ(logo->interval(), 5000);
    auto *player = window->findChild<QtMediaPlayer *>("wmp1");
    ASSERT_TRUE(player);
    EXPECT_EQ(window->findChildren<QWidget *>("wmp1").size(), 0); // nothing of it is ever seen
}

TEST_F(MainWindowTest, MenuBarWithAccessKeysAndShortcuts)
{
    const QList<QAction *> menus = window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 4);
    QStringList titles;
    for (QAction *m : menus)
        titles << m->text();
    EXPECT_EQ(titles, QStringList({"&Timer", "&Strumenti", "&Impostazioni", "&Info"}));
    const struct
    {
        const char *name;
        const char *caption;
        QKeySequence key;
    } items[] = {{"nmExit", "&Exit", {}},
                 {"mnStopall", "&Stop all", QKeySequence(Qt::Key_F1)},
                 {"mnClearcall", "&Clear call", QKeySequence(Qt::Key_F3)},
                 {"mnOption", "&Option", QKeySequence(Qt::Key_F12)},
                 {"nmAbout", "&About", {}}};
    for (const auto &item : items) {
        auto *action = window->findChild<QAction *>(item.name);
        ASSERT_TRUE(action) << item.name;
        EXPECT_EQ(action->text(), item.caption);
        EXPECT_EQ(action->shortcut(), item.key);
        EXPECT_TRUE(action->isEnabled());
        EXPECT_FALSE(action->isCheckable());
    }
}

TEST_F(MainWindowTest, TabWalksTheStartButtonsInStationOrder)
{
    bringUp();
    QApplication::setActiveWindow(window);
    auto *first = child<QPushButton>("CmdStart1");
    first->setFocus();
    for (int n = 2; n <= 32; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), QString("CmdStart%1").arg(n));
    }
    for (auto *w : window->findChildren<QWidget *>()) {
        if (!qobject_cast<QPushButton *>(w) && w->focusPolicy() != Qt::NoFocus && !w->inherits("QMenuBar"))
            ADD_FAILURE() << "takes focus: " << w->objectName().toStdString();
    }
}

TEST_F(MainWindowTest, ClickingStartSellsAndTheStateReachesAssistiveTechnology)
{
    bringUp();
    auto *start = child<QPushButton>("CmdStart32");
    QTest::mouseClick(start, Qt::LeftButton);
    QTest::mouseClick(start, Qt::LeftButton);
    EXPECT_EQ(start->text(), "2/0"); // group B, one minute per unit
    EXPECT_EQ(child<LedShape>("Led32")->fillColor(), led::Green);

    auto *one = child<QPushButton>("CmdStart1");
    QTest::mouseClick(one, Qt::LeftButton);
    EXPECT_EQ(one->text(), "1/0");
    EXPECT_EQ(program->controller().board().station(1).units(), 1);
    auto spoken = [one](QAccessible::Text what) { return QAccessible::queryAccessibleInterface(one)->text(what); };
    EXPECT_EQ(spoken(QAccessible::Name), "TIMER  1, 1/0");
    program->controller().board().station(1).onTimerTick(); // the run begins
    EXPECT_EQ(spoken(QAccessible::Description), "TIMER  1 in corso");
    EXPECT_EQ(program->controller().settings().counterA, "1");

    // A running station asks before it stops.
    test::BoxAnswerer answerer(QMessageBox::Yes);
    QTest::mouseClick(one, Qt::LeftButton);
    EXPECT_EQ(answerer.texts, QStringList{"Stop Timer1?"});
    EXPECT_EQ(one->text(), "START");
    EXPECT_EQ(spoken(QAccessible::Name), "TIMER  1, START");
    EXPECT_EQ(spoken(QAccessible::Description), "TIMER  1 pronto");
}

TEST_F(MainWindowTest, CaptionsFitTheButtonInTheSevenSegmentFace)
{
    bringUp();
    program->controller().settings().minutesA = "15";
    auto *start = child<QPushButton>("CmdStart5");
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(start, Qt::LeftButton);
    auto &station = program->controller().board().station(5);
    station.onTimerTick();
    for (int i = 0; i < 45; ++i)
        station.onTimerTick();
    EXPECT_EQ(start->text(), "45/45");
    EXPECT_EQ(child<LedShape>("Led5")->fillColor(), led::Red);
    EXPECT_EQ(start->accessibleDescription(), "TIMER  5 scaduto");
    EXPECT_LE(QFontMetrics(start->font()).horizontalAdvance(start->text()), start->width() - 4);
    EXPECT_GE(start->font().pointSizeF(), 8.0); // still legible
}

TEST_F(MainWindowTest, ShortcutsWorkOnlyWhileTheWindowIsEnabled)
{
    bringUp();
    QApplication::setActiveWindow(window);
    window->activateWindow();
    auto &board = program->controller().board();
    program->controller().settings().minutesA = "0";
    QTest::mouseClick(child<QPushButton>("CmdStart3"), Qt::LeftButton);
    board.station(3).onTimerTick();
    ASSERT_EQ(child<LedShape>("Led3")->fillColor(), led::Red);

    window->setEnabled(false);
    QTest::keyClick(window, Qt::Key_F3);
    EXPECT_EQ(child<LedShape>("Led3")->fillColor(), led::Red);
    child<QAction>("mnClearcall")->trigger(); // not even through the action
    EXPECT_EQ(child<LedShape>("Led3")->fillColor(), led::Red);

    window->setEnabled(true);
    QTest::keyClick(window, Qt::Key_F3);
    EXPECT_EQ(child<LedShape>("Led3")->fillColor(), led::Green);

    QTest::mouseClick(child<QPushButton>("CmdStart4"), Qt::LeftButton);
    QTest::keyClick(window, Qt::Key_F1);
    EXPECT_EQ(child<QPushButton>("CmdStart4")->text(), "START");
}

TEST_F(MainWindowTest, ExitQuestionAnsweredNoThenYes)
{
    bringUp();
    program->controller().settings().counterB = "17";
    auto answerer = std::make_unique<test::BoxAnswerer>(QMessageBox::No);
    EXPECT_FALSE(window->close());
    EXPECT_EQ(answerer->texts, QStringList{"Attenzione vuoi uscire?"});
    EXPECT_TRUE(window->isVisible());
    QFile f(folder + "/conf/config_bmb.dat");
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("1\r\n1\r\n0\r\n17\r\n4826\r\n"));

    answerer = std::make_unique<test::BoxAnswerer>(QMessageBox::Yes);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());

    // The program ends as main() lets the window go: no thread of its sound may outlive it.
    program.reset();
    EXPECT_EQ(threadCount(), threadsBefore);
}

TEST_F(MainWindowTest, RenderForTheReadme)
{
    bringUp();
    const QString out = qEnvironmentVariable("KIRVANO_DOCS_DIR");
    if (out.isEmpty())
        GTEST_SKIP() << "set KIRVANO_DOCS_DIR to write docs/mainwindow.png";
    EXPECT_TRUE(window->grab().save(out + "/mainwindow.png"));
}
