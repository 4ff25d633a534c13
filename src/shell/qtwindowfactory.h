#pragma once

#include "app/windowfactory.h"

class QWidget;

namespace kirvano {

// Makes the real secondary windows. Each deletes itself once closed.
class QtWindowFactory : public WindowFactory
{
public:
    explicit QtWindowFactory(QWidget *mainWindow) : m_mainWindow(mainWindow) {}

    IWindow *createSplash(Callback<void()> handOff) override;
    IWindow *createOptions(OptionsHost &host) override;
    IWindow *createAbout() override;

private:
    QWidget *m_mainWindow;
};

} // namespace kirvano
