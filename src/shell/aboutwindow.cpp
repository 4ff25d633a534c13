#include "aboutwindow.h"

#include "aboutlayout.h"

#include "controlbuilder.h"
#include "fonts.h"
#include "platform/qt/qtwindow.h"

#include <QIcon>
#include <QPixmap>

namespace kirvano {

using namespace aboutlayout;

AboutWindow::AboutWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(Caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(ClientWidth), px(ClientHeight));
    setFont(designFont(WindowFont));
    // No icon in the title bar: an empty image rather than the owner's icon.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));

    buildControls(this, Controls);

    if (mainWindow)
        centreOn(mainWindow);
    setEnabled(false);
    m_adapter = new QtWindow(this);
}

void AboutWindow::centreOn(const QWidget *owner)
{
    // Client area on the owner's client area; the frame around it is
    // assumed to be like the owner's, as it is not known before showing.
    const QRect ownerClient(owner->mapToGlobal(QPoint(0, 0)), owner->size());
    const QPoint frameOffset = owner->geometry().topLeft() - owner->pos();
    QRect client(QPoint(), size());
    client.moveCenter(ownerClient.center());
    move(client.topLeft() - frameOffset);
}

} // namespace kirvano
