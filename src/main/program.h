#pragma once

#include <QString>

#include <memory>

namespace kirvano {

class MainController;
class MainWindow;
class QtMessageBox;
class WindowFactory;

// The board put together: the main window, the Qt adapters of its timers,
// player, message box and START buttons, the window factory and the
// controller that drives them. Nothing runs until startUp().
class Program
{
public:
    // appFolder: where the program's sounds are; settingsPath: the settings file.
    Program(const QString &appFolder, const QString &settingsPath);
    ~Program();

    MainWindow &mainWindow() { return *m_mainWindow; }
    MainController &controller() { return *m_controller; }

private:
    // Gone in the reverse order: the controller holds adapters that belong
    // to the main window.
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<QtMessageBox> m_messageBox;
    std::unique_ptr<WindowFactory> m_windows;
    std::unique_ptr<MainController> m_controller;
};

} // namespace kirvano
