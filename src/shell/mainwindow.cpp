#include "mainwindow.h"

#include "mainlayout.h"
#include "placement.h"
#include "qtwindowfactory.h"

#include "fonts.h"
#include "ledshape.h"
#include "platform/qt/qtbutton.h"
#include "platform/qt/qtmediaplayer.h"
#include "platform/qt/qtmessagebox.h"
#include "platform/qt/qttimer.h"
#include "platform/qt/qtwindow.h"
#include "station/station.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kirvano {

namespace {

QString stateWord(Station::Phase phase)
{
    switch (phase) {
    case Station::Phase::Running:
        return QStringLiteral("in corso");
    case Station::Phase::Expired:
        return QStringLiteral("scaduto");
    case Station::Phase::Ready:
    case Station::Phase::Arming:
        break;
    }
    return QStringLiteral("pronto");
}

} // namespace

MainWindow::MainWindow(const QString &appFolder, const QString &settingsPath, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(mainlayout::Caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kirvano-16.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(designFont(mainlayout::WindowFont));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(mainlayout::ClientWidth), px(mainlayout::ClientHeight));
    setCentralWidget(client);

    // The player comes first in the tab order, but it is no widget: it has
    // no user interface at all, so it is never seen.
    m_wmp1 = new QtMediaPlayer(this);
    m_Timerplay = new QtTimer(QStringLiteral("Timerplay"), mainlayout::TimerplayInterval, true, this);
    m_Timerlogo = new QtTimer(QStringLiteral("Timerlogo"), mainlayout::TimerlogoInterval, true, this);

    buildBoard(client);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_window = new QtWindow(this);
    m_messageBox = std::make_unique<QtMessageBox>(this);
    m_factory = std::make_unique<QtWindowFactory>(this);

    MainControls controls{
        *m_window, *m_Timerplay, *m_Timerlogo, *m_wmp1, *m_messageBox, [this](const StationParams &p) {
            const Tile &t = m_tiles.at(p.number - 1);
            return StationControls{*t.led, *t.buttonAdapter, *t.timer};
        }};
    m_controller = std::make_unique<MainController>(controls, *m_factory, SettingsStore(settingsPath), appFolder);
    describeStations();

    setEnabled(false);
}

MainWindow::~MainWindow()
{
    // The controller holds adapters owned by child widgets: it goes first.
    m_controller.reset();
}

void MainWindow::buildBoard(QWidget *client)
{
    const QFont labelFont = designFont(mainlayout::LabelFont);
    const QFont startFont = designFont(mainlayout::StartFont);

    std::array<QGroupBox *, 2> frames{};
    for (size_t i = 0; i < mainlayout::Frames.size(); ++i) {
        const auto &drawn = mainlayout::Frames[i];
        auto *frame = new QGroupBox(QString::fromLatin1(drawn.caption), client);
        frame->setObjectName(QString::fromLatin1(drawn.name));
        frame->setGeometry(drawn.rect.toPixels());
        frame->setFocusPolicy(Qt::NoFocus);
        frames[i] = frame;
    }

    std::array<LedShape *, 4> bands{};
    for (size_t i = 0; i < mainlayout::Bands.size(); ++i) {
        const auto &drawn = mainlayout::Bands[i];
        bands[i] = new LedShape(mainlayout::BandColour, frames[drawn.frame]);
        bands[i]->setObjectName(QString::fromLatin1(drawn.name));
        bands[i]->setGeometry(drawn.rect.toPixels());
    }

    for (const StationParams &p : stationTable()) {
        const mainlayout::TileSpec drawn = mainlayout::tile(p.number);
        QGroupBox *frame = frames[drawn.frame];
        Tile t{};

        t.led = new LedShape(led::Green, frame);
        t.led->setObjectName(p.ledName());
        t.led->setGeometry(drawn.led.toPixels());

        t.label = new QLabel(p.labelText, frame);
        t.label->setObjectName(p.labelName);
        t.label->setFont(labelFont);
        t.label->setGeometry(drawn.label.toPixels());
        t.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        t.label->setAutoFillBackground(true);

        t.timer = new QtTimer(p.timerName(), mainlayout::designedStationInterval(p.number), false, this);
        m_tiles.push_back(t);
    }

    // Stacking, bottom to top in each frame: the second row's band and
    // labels, the first row's band (it reaches one pixel row into those
    // labels and is drawn over them), the LEDs and first-row labels; the
    // START buttons, made last, lie above everything.
    for (int f = 0; f < 2; ++f) {
        const int first = f * 16;
        auto row = [&](int r, auto member) {
            for (int i = 0; i < 8; ++i)
                (m_tiles[first + r * 8 + i].*member)->raise();
        };
        bands[f * 2 + 1]->raise();
        row(1, &Tile::label);
        bands[f * 2]->raise();
        row(0, &Tile::led);
        row(0, &Tile::label);
        row(1, &Tile::led);
    }

    QWidget *previous = nullptr;
    for (const StationParams &p : stationTable()) {
        const mainlayout::TileSpec drawn = mainlayout::tile(p.number);
        Tile &t = m_tiles[p.number - 1];
        t.button = new QPushButton(QStringLiteral("START"), frames[drawn.frame]);
        t.button->setObjectName(p.startName());
        t.button->setFont(startFont);
        t.button->setGeometry(drawn.button.toPixels());
        t.button->setFocusPolicy(Qt::StrongFocus);
        t.button->setAutoDefault(false);
        if (p.hasTooltip)
            t.button->setToolTip(QStringLiteral("On/Off Timer"));
        t.buttonAdapter = new QtButton(t.button, [button = t.button](const QString &face, double points) {
            return captionFont(face, points, true, button->text(), button->width());
        });
        if (previous)
            setTabOrder(previous, t.button);
        previous = t.button;
    }
}

// A screen reader hears the station and what its button shows ("45/12" or
// "START"), and on request the station's state; both follow every change.
void MainWindow::describeStations()
{
    for (const StationParams &p : stationTable()) {
        const Tile &t = m_tiles[p.number - 1];
        Station &station = m_controller->board().station(p.number);
        auto name = [t, text = p.labelText] {
            t.button->setAccessibleName(text + QStringLiteral(", ") + t.button->text());
        };
        auto description = [t, text = p.labelText](Station::Phase phase) {
            t.button->setAccessibleDescription(text + QLatin1Char(' ') + stateWord(phase));
        };
        name();
        description(station.phase());
        t.buttonAdapter->captionChanged = name;
        station.onPhaseChanged(description);
    }
}

QAction *MainWindow::addCommand(QMenu *menu, const char *name, const QString &caption, QKeySequence key,
                                void (MainController::*command)())
{
    auto *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, [this, command] {
        // A disabled window takes no input, shortcut keys included.
        if (isEnabled())
            (m_controller.get()->*command)();
    });
    return action;
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setFont(QFont());

    QMenu *timer = bar->addMenu(QStringLiteral("&Timer"));
    timer->setObjectName(QStringLiteral("nmTimer"));
    addCommand(timer, "nmExit", QStringLiteral("&Exit"), {}, &MainController::nmExit_Click);

    QMenu *tools = bar->addMenu(QStringLiteral("&Strumenti"));
    tools->setObjectName(QStringLiteral("mnStrumenti"));
    addCommand(tools, "mnStopall", QStringLiteral("&Stop all"), QKeySequence(Qt::Key_F1),
               &MainController::mnStopall_Click);
    addCommand(tools, "mnClearcall", QStringLiteral("&Clear call"), QKeySequence(Qt::Key_F3),
               &MainController::mnClearcall_Click);

    QMenu *settings = bar->addMenu(QStringLiteral("&Impostazioni"));
    settings->setObjectName(QStringLiteral("nmImpostazioni"));
    addCommand(settings, "mnOption", QStringLiteral("&Option"), QKeySequence(Qt::Key_F12),
               &MainController::mnOption_Click);

    QMenu *info = bar->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("nmInfo"));
    QAction *about = info->addAction(QStringLiteral("&About"));
    about->setObjectName(QStringLiteral("nmAbout"));
    connect(about, &QAction::triggered, this, [this] {
        if (isEnabled())
            m_controller->nmAbout_Click(1);
    });
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(this);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Reached only once the close request has been accepted.
    QMainWindow::closeEvent(event);
    if (event->isAccepted())
        QCoreApplication::quit();
}

} // namespace kirvano
