#include "qtmessagebox.h"

#include "transientparent.h"

#include <QMessageBox>

namespace kirvano {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MessageAnswer QtMessageBox::show(const QString &prompt, MessageButtons buttons, MessageIcon icon, const QString &title)
{
    // A box owned by a disabled window would take no input either: while a
    // dialog has the main window disabled, the box stands on its own.
    QWidget *parent = m_parent && m_parent->isVisible() && m_parent->isEnabled() ? m_parent.data() : nullptr;
    QMessageBox box(parent);
    box.setObjectName(QStringLiteral("MsgBox"));
    box.setWindowTitle(title);
    // Line ends are CR LF in the system's texts; the label wants plain LF.
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setIcon(qtIcon(icon));
    if (!parent)
        makeTransientFor(&box, m_parent);

    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtMessageBox::showLater(const QString &prompt, MessageIcon icon, const QString &title)
{
    QMetaObject::invokeMethod(
        &m_later, [this, prompt, icon, title] { show(prompt, MessageButtons::Ok, icon, title); }, Qt::QueuedConnection);
}

} // namespace kirvano
