#include "aboutwindow.h"

#include "makerinfo.h"
#include "version.h"

#include "platform/qt/fonts.h"
#include "platform/qt/qtwindow.h"

#include <QIcon>
#include <QLabel>
#include <QPixmap>

namespace kirvano {

namespace {

QString spaces(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Runs of spaces long enough to push the next words onto a line of their own.
constexpr int LineBreak = 60;

} // namespace

const QString AboutWindow::PicturePath = QStringLiteral(":/pictures/about-logo.bmp");

const QString AboutWindow::Description =
    QStringLiteral("Kirvano,software per gestione playground, parchi e attrazioni a tempo.") + spaces(28)
    + QStringLiteral("Version: " KIRVANO_VERSION) + spaces(14);

const QString AboutWindow::Credits = QStringLiteral("Programma ideato e sviluppato da:") + spaces(LineBreak)
    + QStringLiteral("Marbolin") + spaces(LineBreak) + QStringLiteral("Distribuito da:") + spaces(LineBreak)
    + QStringLiteral("Marbolin - Italia");

AboutWindow::AboutWindow(QWidget *mainWindow)
    : QWidget(mainWindow, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(QStringLiteral("About Kirvano"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(ClientWidth), px(ClientHeight));
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    // No icon in the title bar: an empty image rather than the owner's icon.
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    setWindowIcon(QIcon(blank));

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(PicturePath));
    image->setScaledContents(true); // stretched, proportions not kept
    image->setGeometry(TwipRect{120, 120, 2010, 3435}.toPixels());

    addLabel("Label1", Description, {2280, 120, 3135, 615});
    addLabel("Label2", Credits, {2280, 840, 3135, 975});
    addLabel("Label4", maker::Web + QLatin1Char('\n') + maker::Mail, {2280, 2040, 3135, 435});
    addLabel("Label3", maker::Rights, {2280, 3480, 3255, 255});

    if (mainWindow)
        centreOn(mainWindow);
    setEnabled(false);
    m_adapter = new QtWindow(this);
}

QLabel *AboutWindow::addLabel(const char *name, const QString &text, TwipRect rect)
{
    // Plain text keeps the runs of spaces that break the lines; rich text
    // would collapse them.
    auto *label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    label->setGeometry(rect.toPixels());
    return label;
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
