#include "qtwindowfactory.h"

#include "aboutwindow.h"
#include "optionswindow.h"
#include "splashwindow.h"

#include "platform/qt/qtwindow.h"

namespace kirvano {

IWindow *QtWindowFactory::createSplash(MainController &main)
{
    return (new SplashWindow(main))->adapter();
}

IWindow *QtWindowFactory::createOptions(OptionsHost &host)
{
    return (new OptionsWindow(host))->adapter();
}

IWindow *QtWindowFactory::createAbout(MainController &)
{
    return (new AboutWindow(m_main))->adapter();
}

} // namespace kirvano
