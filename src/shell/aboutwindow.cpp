#include "aboutwindow.h"

#include "aboutlayout.h"

#include "fonts.h"
#include "platform/qt/qtwindow.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace kirvano {

using namespace aboutlayout;

namespace {

void addControl(const ControlSpec &drawn, QWidget *window)
{
    auto *control = new QLabel(window);
    control->setObjectName(QString::fromLatin1(drawn.name));
    switch (drawn.kind) {
    case Picture:
        control->setPixmap(QPixmap(drawn.text));
        control->setScaledContents((drawn.flags & Stretched) != 0);
        break;
    case Label:
        // Plain text keeps the runs of spaces that break the lines; rich
        // text would collapse them.
        control->setText(drawn.text);
        control->setTextFormat(Qt::PlainText);
        control->setWordWrap(true);
        control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control->setAutoFillBackground(true);
        break;
    }
    if (drawn.font.face)
        control->setFont(designFont(drawn.font));
    control->setGeometry(drawn.rect.toPixels());
}

} // namespace

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

    for (const ControlSpec &drawn : Controls)
        addControl(drawn, this);

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
