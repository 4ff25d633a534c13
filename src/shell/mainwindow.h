#pragma once

#include "app/maincontroller.h"

#include <QMainWindow>

#include <memory>
#include <vector>

class QAction;
class QLabel;
class QPushButton;

namespace kirvano {

class LedShape;
class QtButton;
class QtMediaPlayer;
class QtMessageBox;
class QtTimer;
class QtWindow;
class WindowFactory;

// frmMain: the station board as drawn, wired to its controller. The
// window is created disabled with Timerplay and Timerlogo running; the
// hand-off from the splash enables and shows it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // appFolder: where the program's sounds are; settingsPath: the settings file.
    MainWindow(const QString &appFolder, const QString &settingsPath, QWidget *parent = nullptr);
    ~MainWindow() override;

    MainController &controller() { return *m_controller; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Tile
    {
        QLabel *label;
        LedShape *led;
        QPushButton *button;
        QtButton *buttonAdapter;
        QtTimer *timer;
    };

    void buildMenus();
    void buildBoard(QWidget *client);
    QAction *addCommand(QMenu *menu, const char *name, const QString &caption, QKeySequence key,
                        void (MainController::*command)());
    void describeStations();

    std::vector<Tile> m_tiles;
    QtTimer *m_Timerplay = nullptr;
    QtTimer *m_Timerlogo = nullptr;
    QtMediaPlayer *m_wmp1 = nullptr;
    QtWindow *m_window = nullptr;
    std::unique_ptr<QtMessageBox> m_messageBox;
    std::unique_ptr<WindowFactory> m_factory;
    std::unique_ptr<MainController> m_controller;
    bool m_placed = false;
};

} // namespace kirvano
