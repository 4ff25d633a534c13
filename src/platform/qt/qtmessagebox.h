#pragma once

#include "platform/messagebox.h"

#include <QPointer>
#include <QWidget>

namespace kirvano {

// IMessageBox on QMessageBox. exec() runs a nested event loop, so timers
// keep ticking while the operator reads.
class QtMessageBox : public IMessageBox
{
public:
    explicit QtMessageBox(QWidget *parent = nullptr) : m_parent(parent) {}

    MessageAnswer show(const QString &prompt, MessageButtons buttons, MessageIcon icon, const QString &title) override;
    void showLater(const QString &prompt, MessageIcon icon, const QString &title) override;

private:
    QPointer<QWidget> m_parent;
    QObject m_later; // the queued boxes go with the adapter
};

} // namespace kirvano
