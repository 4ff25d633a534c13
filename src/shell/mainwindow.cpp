#include "mainwindow.h"

#include "controlbuilder.h"
#include "fonts.h"
#include "ledshape.h"
#include "mainlayout.h"
#include "placement.h"
#include "titlebar.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QWindow>

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

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    using namespace mainlayout;
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Caption);
    setWindowIcon(QIcon(QStringLiteral(":/icons/kirvano-16.png")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(designFont(WindowFont));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(px(ClientWidth), px(ClientHeight));
    setCentralWidget(client);

    const BoardTable &table = boardTable();
    const BuiltControls built = buildControls(client, table.controls, table.tabOrder);
    for (int i = 0; i < StationCount; ++i) {
        m_labels[i] = built.at<QLabel>(table.labels[i]);
        m_leds[i] = built.at<LedShape>(table.leds[i]);
        m_starts[i] = built.at<QPushButton>(table.buttons[i]);
        nameStation(i + 1);
        describeStation(i + 1, Station::Phase::Ready);
    }
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    setEnabled(false);
}

void MainWindow::nameStation(int station)
{
    QPushButton *start = startButton(station);
    start->setAccessibleName(m_labels.at(station - 1)->text() + QStringLiteral(", ") + start->text());
}

void MainWindow::describeStation(int station, Station::Phase phase)
{
    startButton(station)->setAccessibleDescription(m_labels.at(station - 1)->text() + QLatin1Char(' ')
                                                   + stateWord(phase));
}

void MainWindow::addCommand(QMenu *menu, const char *name, const QString &caption, QKeySequence key,
                            void (MainWindow::*chosen)())
{
    auto *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    connect(action, &QAction::triggered, this, [this, chosen] {
        // A disabled window takes no input, shortcut keys included.
        if (isEnabled())
            Q_EMIT(this->*chosen)();
    });
}

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->setFont(QFont());

    QMenu *timer = bar->addMenu(QStringLiteral("&Timer"));
    timer->setObjectName(QStringLiteral("nmTimer"));
    addCommand(timer, "nmExit", QStringLiteral("&Exit"), {}, &MainWindow::exitChosen);

    QMenu *tools = bar->addMenu(QStringLiteral("&Strumenti"));
    tools->setObjectName(QStringLiteral("mnStrumenti"));
    addCommand(tools, "mnStopall", QStringLiteral("&Stop all"), QKeySequence(Qt::Key_F1), &MainWindow::stopAllChosen);
    addCommand(tools, "mnClearcall", QStringLiteral("&Clear call"), QKeySequence(Qt::Key_F3),
               &MainWindow::clearCallsChosen);

    QMenu *settings = bar->addMenu(QStringLiteral("&Impostazioni"));
    settings->setObjectName(QStringLiteral("nmImpostazioni"));
    addCommand(settings, "mnOption", QStringLiteral("&Option"), QKeySequence(Qt::Key_F12), &MainWindow::optionsChosen);

    QMenu *info = bar->addMenu(QStringLiteral("&Info"));
    info->setObjectName(QStringLiteral("nmInfo"));
    addCommand(info, "nmAbout", QStringLiteral("&About"), {}, &MainWindow::aboutChosen);
}

void MainWindow::setVisible(bool visible)
{
    QMainWindow::setVisible(visible);
    // Decided at the first showing, before anything has reached the screen:
    // by then Qt knows whether it draws the title bar itself.
    if (visible && !m_titleBarChosen) {
        m_titleBarChosen = true;
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
            && windowHandle()->frameMargins().top() > 0)
            useOwnTitleBar();
    }
}

void MainWindow::useOwnTitleBar()
{
    // Only the hint: with the title bar hints, Qt would keep the frame.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint); // hides the window
    auto *bar = new TitleBar(this);
    const int height = bar->sizeHint().height();
    setContentsMargins(0, height, 0, 0);
    bar->setGeometry(0, 0, width(), height);
    QMainWindow::setVisible(true);
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
