#pragma once

#include "platform/window.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace kirvano {

// IWindow on a top-level QWidget. Every close request, by the program, the
// close box or the system, goes through the request handler first.
class QtWindow : public QObject, public IWindow
{
    Q_OBJECT
public:
    explicit QtWindow(QWidget *window);

    void show() override;
    void hide() override;
    bool isVisible() const override;
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    void close() override;

    QWidget *widget() const { return m_window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace kirvano
