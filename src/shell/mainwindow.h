#pragma once

#include "station/station.h"

#include <QMainWindow>

#include <array>

class QLabel;
class QPushButton;

namespace kirvano {

class LedShape;

// frmMain: the station board as drawn, with its menus. It is created
// disabled; the hand-off from the splash enables and shows it.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    QPushButton *startButton(int station) const { return m_starts.at(station - 1); }
    LedShape *led(int station) const { return m_leds.at(station - 1); }

    // A screen reader hears the station and what its button shows ("45/12"
    // or "START"), and on request the station's state; both are to follow
    // every change.
    void nameStation(int station);
    void describeStation(int station, Station::Phase phase);

    void setVisible(bool visible) override;

Q_SIGNALS:
    // The menu commands, only while the window takes input.
    void exitChosen();
    void stopAllChosen();
    void clearCallsChosen();
    void optionsChosen();
    void aboutChosen();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void useOwnTitleBar();
    void addCommand(QMenu *menu, const char *name, const QString &caption, QKeySequence key,
                    void (MainWindow::*chosen)());

    std::array<QLabel *, StationCount> m_labels{};
    std::array<LedShape *, StationCount> m_leds{};
    std::array<QPushButton *, StationCount> m_starts{};
    bool m_placed = false;
    bool m_titleBarChosen = false;
};

} // namespace kirvano
