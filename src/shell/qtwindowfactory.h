#pragma once

#include "app/windowfactory.h"

class QWidget;

namespace kirvano {

// Makes the real secondary windows. Each deletes itself once closed.
class QtWindowFactory : public WindowFactory
{
public:
    explicit QtWindowFactory(QWidget *mainWindow) : m_main(mainWindow) {}

    IWindow *createSplash(MainController &main) override;
    IWindow *createOptions(OptionsHost &host) override;
    IWindow *createAbout(MainController &main) override;

private:
    QWidget *m_main;
};

} // namespace kirvano
