#include "aboutwindow.h"

#include "platform/qt/qtwindow.h"

namespace kirvano {

AboutWindow::AboutWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("About Kirvano"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(373, 251);
    setEnabled(false);
    m_adapter = new QtWindow(this);
}

} // namespace kirvano
