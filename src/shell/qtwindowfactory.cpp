#include "qtwindowfactory.h"

#include "aboutwindow.h"
#include "optionswindow.h"
#include "splashwindow.h"

#include "platform/qt/qtwindow.h"
#include "platform/qt/transientparent.h"

namespace kirvano {

IWindow *QtWindowFactory::createSplash(Callback<void()> handOff)
{
    return (new SplashWindow(std::move(handOff)))->adapter();
}

IWindow *QtWindowFactory::createOptions(OptionsHost &host)
{
    auto *options = new OptionsWindow(host);
    makeTransientFor(options, m_mainWindow);
    return options->adapter();
}

IWindow *QtWindowFactory::createAbout()
{
    return (new AboutWindow(m_mainWindow))->adapter();
}

} // namespace kirvano
