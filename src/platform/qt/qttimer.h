#pragma once

#include "platform/timer.h"

#include <QObject>
#include <QTimer>

namespace kirvano {

// ITimer on a precise QTimer: a coarse timer may be 5% late, three seconds a minute.
class QtTimer : public QObject, public ITimer
{
    Q_OBJECT
public:
    QtTimer(const QString &name, int interval, bool enabled, QObject *parent);

    void setInterval(int ms) override;
    int interval() const override { return m_timer.interval(); }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_timer.isActive(); }

private:
    QTimer m_timer{this};
};

} // namespace kirvano
