#include "qtmessagebox.h"

#include <QMessageBox>

namespace kirvano {

int QtMessageBox::show(const QString &prompt, int flags, const QString &title)
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

    switch (flags & mb::IconMask) {
    case mb::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case mb::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case mb::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        break;
    }

    if ((flags & 0x0F) == mb::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? mb::Yes : mb::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return mb::Ok;
}

void QtMessageBox::showLater(const QString &prompt, int flags, const QString &title)
{
    QMetaObject::invokeMethod(
        &m_later, [this, prompt, flags, title] { show(prompt, flags, title); }, Qt::QueuedConnection);
}

} // namespace kirvano
