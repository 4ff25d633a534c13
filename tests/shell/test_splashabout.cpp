// The splash and about windows as drawn, and the about window's opening
// and closing through the real main window.
#include "shell/aboutlayout.h"
#include "shell/aboutwindow.h"
#include "shell/mainwindow.h"

#include "app/maincontroller.h"
#include "main/program.h"
#include "shell/makerinfo.h"
#include "shell/splashlayout.h"
#include "shell/splashwindow.h"

#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"
#include "settings/settingsstore.h"
#include "shell/fonts.h"
#include "support/guitest.h"
#include "support/testenv.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <gtest/gtest.h>

#include <memory>

using namespace kirvano;

namespace {

// Rows of a label's render that hold ink, grouped into text lines: for each
// line its first row, last row and leftmost ink column.
struct InkLine
{
    int top;
    int bottom;
    int left;
};

std::vector<InkLine> inkLines(QLabel *label)
{
    const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = label->palette().color(QPalette::Window).rgb();
    std::vector<InkLine> lines;
    bool inLine = false;
    for (int y = 0; y < image.height(); ++y) {
        int left = -1;
        for (int x = 0; x < image.width() && left < 0; ++x)
            if (qGray(image.pixel(x, y)) < qGray(background) - 60)
                left = x;
        if (left >= 0 && !inLine)
            lines.push_back({y, y, left});
        if (left >= 0) {
            lines.back().bottom = y;
            lines.back().left = std::min(lines.back().left, left);
        }
        inLine = left >= 0;
    }
    return lines;
}

// The lines QLabel's word wrap makes of a label's text, trailing spaces cut.
QStringList wrappedLines(QLabel *label)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(label->contentsRect().width());
        lines << label->text().mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}

// Saves a render beside the build; KIRVANO_UPDATE_DOCS=1 also refreshes docs/.
void saveRender(QWidget *window, const QString &name)
{
    const QImage image = window->grab().toImage();
    const QString build = qEnvironmentVariable("KIRVANO_TEST_BINARY_DIR", QDir::currentPath());
    QDir().mkpath(build + "/renders");
    EXPECT_TRUE(image.save(build + "/renders/" + name));
    const QString source = qEnvironmentVariable("KIRVANO_TEST_SOURCE_DIR");
    if (qEnvironmentVariable("KIRVANO_UPDATE_DOCS") == QLatin1String("1") && !source.isEmpty()) {
        EXPECT_TRUE(image.save(source + "/docs/" + name));
    }
}

class WindowsTest : public ::testing::Test
{
protected:
    WindowsTest()
    {
        // A readable settings file, so start-up asks nothing.
        const QString folder = test::freshFolder("splashabout");
        const QString settings = folder + "/conf/config_bmb.dat";
        QDir().mkpath(folder + "/conf");
        SettingsStore(settings, folder + "/config.txt").save(Settings::defaults());
        program = std::make_unique<Program>(folder + "/app", settings);
        window = &program->mainWindow();
    }

    ~WindowsTest() override
    {
        if (splash)
            delete splash.data();
        program.reset();
        test::flushDeletes();
    }

    MainController &controller() { return program->controller(); }

    // The splash as start-up shows it.
    SplashWindow *startUp()
    {
        controller().startUp();
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *s = qobject_cast<SplashWindow *>(w); s && s->adapter() == controller().splash())
                splash = s;
        return splash;
    }

    // The main window as the hand-off leaves it: shown and enabled.
    void handedOff()
    {
        controller().handOver();
        ASSERT_TRUE(window->isVisible());
        ASSERT_TRUE(window->isEnabled());
    }

    AboutWindow *about() const { return window->findChild<AboutWindow *>(QStringLiteral("frmabout")); }

    std::unique_ptr<Program> program;
    MainWindow *window = nullptr;
    QPointer<SplashWindow> splash;
};

// ---- the pictures ----

TEST(Pictures, SplashPhotographIs424By246In24BitJpeg)
{
    QImageReader reader(splashlayout::PicturePath);
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << qPrintable(reader.errorString());
    EXPECT_EQ(image.size(), QSize(424, 246));
    EXPECT_FALSE(image.hasAlphaChannel());
    // Baseline frame header: 8-bit samples, three components.
    QFile file(splashlayout::PicturePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray data = file.readAll();
    const qsizetype sof = data.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GE(sof, 0);
    EXPECT_EQ(int(uchar(data[sof + 4])), 8);
    EXPECT_EQ(int(uchar(data[sof + 9])), 3);
}

TEST(Pictures, AboutLogoIs1020By1471In24BitBitmap)
{
    QImageReader reader(aboutlayout::PicturePath);
    EXPECT_EQ(reader.format(), "bmp");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << qPrintable(reader.errorString());
    EXPECT_EQ(image.size(), QSize(1020, 1471));
    QFile file(aboutlayout::PicturePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray header = file.read(30);
    ASSERT_EQ(header.size(), 30);
    EXPECT_TRUE(header.startsWith("BM"));
    EXPECT_EQ(int(uchar(header[28])) | int(uchar(header[29])) << 8, 24); // bits per pixel
}

TEST(Pictures, PicturesAreNotFlatFills)
{
    for (const QString &path : {splashlayout::PicturePath, aboutlayout::PicturePath}) {
        const QImage image = QImage(path).scaled(64, 64).convertToFormat(QImage::Format_RGB32);
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                colours.insert(image.pixel(x, y));
        EXPECT_GT(colours.size(), 500) << qPrintable(path);
    }
}

TEST(Pictures, WindowIconsAre16By16With256ColoursAndDiffer)
{
    const QImage main(QStringLiteral(":/icons/kirvano-16.png"));
    const QImage options(QStringLiteral(":/icons/option-16.png"));
    for (const QImage &icon : {main, options}) {
        ASSERT_FALSE(icon.isNull());
        EXPECT_EQ(icon.size(), QSize(16, 16));
        EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
        EXPECT_LE(icon.colorCount(), 256);
    }
    EXPECT_NE(main.convertToFormat(QImage::Format_ARGB32), options.convertToFormat(QImage::Format_ARGB32));
}

// ---- the splash window ----

TEST_F(WindowsTest, SplashIsBorderlessCentredAnd423By244)
{
    ASSERT_TRUE(startUp());
    EXPECT_EQ(splash->objectName(), "frmlogo");
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->isEnabled());
    EXPECT_TRUE(splash->isWindow());
    EXPECT_EQ(splash->size(), QSize(423, 244));
    EXPECT_EQ(splash->minimumSize(), splash->maximumSize());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    // A splash or tool window has no taskbar entry.
    EXPECT_TRUE(splash->windowType() == Qt::SplashScreen || splash->windowType() == Qt::Tool);
    EXPECT_TRUE(splash->testAttribute(Qt::WA_DeleteOnClose));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((splash->frameGeometry().center() - screen.center()).manhattanLength(), 1);
}

TEST_F(WindowsTest, SplashLabelsHaveTheirTextsFontsAndPlaces)
{
    ASSERT_TRUE(startUp());
    struct Expected
    {
        const char *name;
        QString text;
        QRect rect;
        const char *face;
        double points;
        Qt::Alignment alignment;
        bool fitsText;
    };
    const Expected labels[] = {
        {"Label1", "Kirvano ® ", {32, 64, 167, 40}, "Comic Sans MS", 21.75, Qt::AlignHCenter, true},
        {"Label2", " vers.:1.3.0", {200, 80, 77, 18}, "Arial", 11.25, Qt::AlignHCenter, true},
        {"Label6", maker::Web + "\n" + maker::Mail, {32, 160, 201, 47}, "Arial", 12, Qt::AlignLeft, false},
        {"Label3", maker::Rights, {32, 208, 281, 17}, "Arial", 9.75, Qt::AlignLeft, false},
    };
    for (const Expected &e : labels) {
        SCOPED_TRACE(e.name);
        auto *label = splash->findChild<QLabel *>(e.name);
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), e.text);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_EQ(label->font().family(), e.face);
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), e.points);
        EXPECT_EQ(label->font().weight(), QFont::Bold);
        EXPECT_FALSE(label->font().italic());
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, e.alignment);
        if (e.fitsText) {
            EXPECT_EQ(label->pos(), e.rect.topLeft());
            EXPECT_EQ(label->size(), label->sizeHint());
            EXPECT_FALSE(label->wordWrap());
        } else {
            EXPECT_EQ(label->geometry(), e.rect);
        }
        EXPECT_TRUE(label->isVisible());
    }
    // Both maker lines and the notice are whole in their boxes.
    auto *lines = splash->findChild<QLabel *>("Label6");
    EXPECT_LE(2 * QFontMetrics(lines->font()).lineSpacing(), lines->height());
    auto *notice = splash->findChild<QLabel *>("Label3");
    EXPECT_LE(QFontMetrics(notice->font()).horizontalAdvance(notice->text()), notice->width());
}

TEST_F(WindowsTest, SplashFontsFallBackToInstalledFaces)
{
    ASSERT_TRUE(startUp());
    if (hasFamily("Comic Neue")) {
        EXPECT_EQ(QFontInfo(splash->findChild<QLabel *>("Label1")->font()).family(), "Comic Neue");
    }
    if (hasFamily("Liberation Sans")) {
        EXPECT_EQ(QFontInfo(splash->findChild<QLabel *>("Label2")->font()).family(), "Liberation Sans");
    }
}

TEST_F(WindowsTest, SplashLabelsAreTransparentWithHighlightTextLetters)
{
    ASSERT_TRUE(startUp());
    const QImage shown = splash->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(splashlayout::PicturePath).convertToFormat(QImage::Format_RGB32);
    const QRgb letters = QGuiApplication::palette().color(QPalette::HighlightedText).rgb();
    for (const char *name : {"Label1", "Label2", "Label6", "Label3"}) {
        SCOPED_TRACE(name);
        auto *label = splash->findChild<QLabel *>(name);
        ASSERT_TRUE(label);
        EXPECT_FALSE(label->autoFillBackground());
        EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb(), letters);
        // Between the letters the photograph shows; the letters themselves
        // are drawn in the highlight-text colour.
        int photo = 0;
        int ink = 0;
        const QRect r = label->geometry();
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                photo += shown.pixel(x, y) == picture.pixel(x, y);
                ink += shown.pixel(x, y) == letters;
            }
        }
        EXPECT_GT(photo, r.width() * r.height() / 2);
        EXPECT_GT(ink, 10);
    }
}

TEST_F(WindowsTest, SplashDrawsThePhotographUnscaledFromTheCorner)
{
    ASSERT_TRUE(startUp());
    const QImage shown = splash->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = QImage(splashlayout::PicturePath).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(423, 244));
    // Outside the labels every pixel is the photograph's own, up to the last
    // column and row shown; the picture's last column and two rows are cut.
    QRegion labels;
    for (QLabel *label : splash->findChildren<QLabel *>())
        labels += label->geometry();
    int different = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!labels.contains(QPoint(x, y)) && shown.pixel(x, y) != picture.pixel(x, y))
                ++different;
    EXPECT_EQ(different, 0);
    EXPECT_EQ(shown.pixel(422, 243), picture.pixel(422, 243));
    saveRender(splash, "splash.png");
}

TEST_F(WindowsTest, SplashTimerIsItsOwnTimer1At2000MsRunning)
{
    ASSERT_TRUE(startUp());
    auto *timer = splash->findChild<QtTimer *>("Timer1");
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->interval(), 2000);
    EXPECT_TRUE(timer->isEnabled());
    // Not station 1's timer of the main window.
    EXPECT_NE(timer, window->findChild<QtTimer *>("Timer1"));
}

TEST_F(WindowsTest, SplashTakesNoInput)
{
    ASSERT_TRUE(startUp());
    const QRect where = splash->geometry();
    for (QWidget *target : {static_cast<QWidget *>(splash.data()), splash->findChild<QWidget *>("Label1"),
                            splash->findChild<QWidget *>("Label6")}) {
        QTest::mouseClick(target, Qt::LeftButton);
        QTest::mouseDClick(target, Qt::LeftButton);
        QTest::mouseClick(target, Qt::RightButton);
    }
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_F1, Qt::Key_F12})
        QTest::keyClick(splash, key);
    QTest::keyClick(splash, Qt::Key_F4, Qt::AltModifier);
    QCoreApplication::processEvents();
    test::flushDeletes();
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->geometry(), where);
    EXPECT_EQ(controller().splash(), splash->adapter());
    EXPECT_TRUE(splash->findChild<QtTimer *>("Timer1")->isEnabled());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(WindowsTest, SplashHandsOverToTheMainWindowAfterTwoSeconds)
{
    ASSERT_TRUE(startUp());
    QTest::qWait(1500);
    EXPECT_TRUE(splash);
    EXPECT_FALSE(window->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 2500); // gone and deleted
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
    EXPECT_EQ(controller().splash(), nullptr);
}

TEST_F(WindowsTest, AClosedSplashDoesNothingMore)
{
    // An early close request of the main window closes the splash while
    // the exit question is open; its deletion waits for that question.
    ASSERT_TRUE(startUp());
    QPointer<SplashWindow> closed = splash;
    ASSERT_TRUE(closed->close());
    ASSERT_TRUE(closed); // not deleted yet
    EXPECT_FALSE(closed->findChild<QtTimer *>("Timer1")->isEnabled());
    EXPECT_EQ(controller().splash(), nullptr);
}

// ---- the about window ----

TEST_F(WindowsTest, AboutIsCreatedHiddenAndDisabled)
{
    auto *fresh = new AboutWindow(window);
    QPointer<AboutWindow> guard(fresh);
    EXPECT_FALSE(fresh->isVisible());
    EXPECT_FALSE(fresh->isEnabled());
    EXPECT_EQ(fresh->parentWidget(), window);
    EXPECT_TRUE(fresh->testAttribute(Qt::WA_DeleteOnClose));
    delete fresh;
}

TEST_F(WindowsTest, AboutIsAFixedDialogWithOnlyACloseBoxCentredOnTheMainWindow)
{
    handedOff();
    controller().openAbout();
    AboutWindow *w = about();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->windowTitle(), "About Kirvano");
    EXPECT_EQ(w->size(), QSize(373, 251));
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_EQ(w->windowType(), Qt::Dialog);
    const Qt::WindowFlags flags = w->windowFlags();
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowContextHelpButtonHint);
    // Owned by the main window: no taskbar entry of its own.
    EXPECT_EQ(w->parentWidget(), window);
    EXPECT_LE((w->geometry().center() - window->geometry().center()).manhattanLength(), 1);
    // No icon of its own, and not the main window's either.
    const QImage icon = w->windowIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            ASSERT_EQ(qAlpha(icon.pixel(x, y)), 0);
    EXPECT_EQ(w->font().family(), "MS Sans Serif");
    EXPECT_DOUBLE_EQ(w->font().pointSizeF(), 8.25);
    EXPECT_EQ(w->font().weight(), QFont::Normal);
}

TEST_F(WindowsTest, AboutShowsTheLogoStretchedIntoImage1)
{
    handedOff();
    controller().openAbout();
    AboutWindow *w = about();
    ASSERT_TRUE(w);
    auto *image = w->findChild<QLabel *>("Image1");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->geometry(), QRect(8, 8, 134, 229));
    EXPECT_TRUE(image->hasScaledContents());
    EXPECT_EQ(image->pixmap().size(), QSize(1020, 1471));
    // The whole picture fills the box, squeezed more across than down.
    const QImage shown = w->grab().toImage().copy(image->geometry()).convertToFormat(QImage::Format_RGB32);
    const QImage expected = QImage(aboutlayout::PicturePath)
                                .scaled(image->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    long long error = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            error += std::abs(qGray(shown.pixel(x, y)) - qGray(expected.pixel(x, y)));
    EXPECT_LT(error / (shown.width() * shown.height()), 4);
}

TEST_F(WindowsTest, AboutLabelsHaveTheirTextsAndBoxes)
{
    handedOff();
    controller().openAbout();
    AboutWindow *w = about();
    ASSERT_TRUE(w);
    const QString description = "Kirvano,software per gestione playground, parchi e attrazioni a tempo."
                                + QString(28, ' ') + "Version: 1.3.0" + QString(14, ' ');
    struct Expected
    {
        const char *name;
        QString text; // null: checked line by line below
        QRect rect;
    };
    const Expected labels[] = {
        {"Label1", description, {152, 8, 209, 41}},
        {"Label2", QString(), {152, 56, 209, 65}},
        {"Label4", maker::Web + "\n" + maker::Mail, {152, 136, 209, 29}},
        {"Label3", maker::Rights, {152, 232, 217, 17}},
    };
    for (const Expected &e : labels) {
        SCOPED_TRACE(e.name);
        auto *label = w->findChild<QLabel *>(e.name);
        ASSERT_TRUE(label);
        if (!e.text.isNull()) {
            EXPECT_EQ(label->text(), e.text);
        }
        EXPECT_EQ(label->geometry(), e.rect);
        EXPECT_EQ(label->textFormat(), Qt::PlainText);
        EXPECT_TRUE(label->wordWrap());
        EXPECT_TRUE(label->autoFillBackground());
        EXPECT_EQ(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        // The window's font, not one of its own.
        EXPECT_FALSE(label->testAttribute(Qt::WA_SetFont));
        EXPECT_EQ(label->font(), w->font());
    }
    // The same maker's notice as on the splash.
    EXPECT_EQ(w->findChild<QLabel *>("Label3")->text(), maker::Rights);
}

TEST_F(WindowsTest, AboutLabelsBreakTheirLinesAtTheRunsOfSpaces)
{
    handedOff();
    controller().openAbout();
    AboutWindow *w = about();
    ASSERT_TRUE(w);
    auto *description = w->findChild<QLabel *>("Label1");
    const QStringList lines = wrappedLines(description);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.back(), "Version: 1.3.0");
    EXPECT_EQ(lines.join(' '), "Kirvano,software per gestione playground, parchi e attrazioni a tempo. Version: 1.3.0");
    EXPECT_EQ(wrappedLines(w->findChild<QLabel *>("Label2")),
              QStringList({"Programma ideato e sviluppato da:", "Marbolin", "Distribuito da:", "Marbolin - Italia"}));

    // What is drawn: as many lines as laid out, all inside the box, and
    // every line, the version's too, starting at the left edge.
    const std::pair<const char *, size_t> drawn[] = {
        {"Label1", size_t(lines.size())}, {"Label2", 4u}, {"Label4", 2u}, {"Label3", 1u}};
    for (const auto &[name, count] : drawn) {
        SCOPED_TRACE(name);
        auto *label = w->findChild<QLabel *>(name);
        const std::vector<InkLine> ink = inkLines(label);
        ASSERT_EQ(ink.size(), count);
        for (const InkLine &line : ink)
            EXPECT_LE(line.left, 2);
        EXPECT_LT(ink.back().bottom, label->height());
    }
}

TEST_F(WindowsTest, AboutOpensOverADisabledMainWindowAndItsCloseBoxGivesItBack)
{
    handedOff();
    controller().openAbout();
    QPointer<AboutWindow> w = about();
    ASSERT_TRUE(w);
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(w->isEnabled());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(window->isVisible());
    saveRender(w, "about.png");

    EXPECT_TRUE(w->close());
    test::flushDeletes();
    EXPECT_FALSE(w);
    EXPECT_EQ(controller().aboutWindow(), nullptr);
    EXPECT_TRUE(window->isEnabled());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowsTest, AboutChosenAgainWhileOpenStaysTheOnlyOne)
{
    handedOff();
    controller().openAbout();
    QPointer<AboutWindow> first = about();
    ASSERT_TRUE(first);
    // The hand-off timer's tick gives the main window back while About is open.
    window->findChild<QtTimer *>("Timerlogo")->onTick.fire();
    EXPECT_TRUE(window->isEnabled());
    controller().openAbout();
    test::flushDeletes();
    EXPECT_EQ(window->findChildren<AboutWindow *>().size(), 1);
    EXPECT_EQ(about(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->isEnabled());
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(WindowsTest, AboutReopensFreshWithTheSameContent)
{
    handedOff();
    controller().openAbout();
    QPointer<AboutWindow> first = about();
    ASSERT_TRUE(first);
    const QImage before = first->grab().toImage();
    first->close();
    test::flushDeletes();
    ASSERT_FALSE(first);

    controller().openAbout();
    AboutWindow *second = about();
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->isVisible());
    EXPECT_TRUE(second->isEnabled());
    EXPECT_EQ(second->grab().toImage(), before);
    EXPECT_FALSE(window->isEnabled());
}

TEST_F(WindowsTest, TheCloseBoxOfTheDisabledMainWindowDoesNothing)
{
    handedOff();
    controller().openAbout();
    QPointer<AboutWindow> w = about();
    ASSERT_TRUE(w);
    // Were the question asked anyway, it is answered No, so the test ends.
    test::BoxAnswerer answerer(QMessageBox::No);
    // The window manager's close box and Alt+F4 arrive as a spontaneous event.
    QCloseEvent closeBox;
    QSpontaneKeyEvent::setSpontaneous(&closeBox);
    qApp->notify(window, &closeBox); // sendEvent would clear the flag
    EXPECT_FALSE(closeBox.isAccepted());
    QCoreApplication::processEvents();
    test::flushDeletes();
    EXPECT_EQ(answerer.texts, QStringList());
    EXPECT_TRUE(w && w->isVisible());
    EXPECT_FALSE(window->isEnabled());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowsTest, ASessionCloseOfTheMainWindowClosesAboutFirstThenAsks)
{
    handedOff();
    controller().openAbout();
    QPointer<AboutWindow> w = about();
    ASSERT_TRUE(w);
    bool aboutShownWhenAsked = true;
    bool mainEnabledWhenAsked = false;
    test::BoxAnswerer answerer(QMessageBox::No);
    answerer.onShow = [&](QMessageBox &) {
        aboutShownWhenAsked = w && w->isVisible();
        mainEnabledWhenAsked = window->isEnabled();
    };
    // Log-out and shut-down close the windows without the operator's input.
    EXPECT_FALSE(window->close());
    EXPECT_EQ(answerer.texts, QStringList{MainController::ExitQuestion});
    EXPECT_FALSE(aboutShownWhenAsked);
    EXPECT_TRUE(mainEnabledWhenAsked);
    test::flushDeletes();
    EXPECT_FALSE(w);
    EXPECT_EQ(controller().aboutWindow(), nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isEnabled());
}

} // namespace
