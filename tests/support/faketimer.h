#pragma once

#include "virtualclock.h"

#include "platform/timer.h"

#include <QString>

namespace kirvano::test {

class FakeTimer : public ITimer
{
public:
    explicit FakeTimer(VirtualClock &clock, int interval = 0, bool enabled = false, QString name = {});
    ~FakeTimer() override;

    void setInterval(int ms) override;
    int interval() const override { return m_interval; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override { return m_enabled; }

    const QString &name() const { return m_name; }
    qint64 deadline() const { return m_deadline; }
    int ticks() const { return m_ticks; }
    // How many times the countdown was (re)started.
    int restarts() const { return m_restarts; }

private:
    friend class VirtualClock;
    void restart();
    void fire();

    VirtualClock &m_clock;
    QString m_name;
    int m_interval = 0;
    bool m_enabled = false;
    bool m_inHandler = false;
    qint64 m_deadline = 0;
    int m_ticks = 0;
    int m_restarts = 0;
};

} // namespace kirvano::test
