#pragma once

#include "stationcontext.h"
#include "stationparams.h"

#include "platform/button.h"
#include "platform/shape.h"
#include "platform/timer.h"

namespace kirvano {

namespace led {
constexpr Colour Green = 0x00C000;  // Ready: idle, or arming before the first tick
constexpr Colour Yellow = 0x00FFFF; // Running
constexpr Colour Red = 0x0000FF;    // Expired
} // namespace led

constexpr int ArmingInterval = 5000;
constexpr int MinuteInterval = 60000;

// One station's state machine. Its LED shows the phase: green while ready
// or arming, yellow while running, red once expired.
class Station
{
public:
    enum class Phase { Ready, Arming, Running, Expired };

    Station(const StationParams &params, IShape &led, IButton &button, ITimer &timer, StationContext &context);
    Station(const Station &) = delete;
    Station &operator=(const Station &) = delete;

    // START click: sell a unit, ask before stopping a run, acknowledge an alarm.
    void onStartClicked();
    // The station timer's tick: end of arming, then one tick a minute.
    void onTimerTick();
    // Back to Ready and idle, alarm silenced.
    void reset();

    Phase phase() const { return m_phase; }
    // Raised after every change of phase.
    Callback<void(Phase)> onPhaseChanged;

    const StationParams &params() const { return m_params; }
    int units() const { return m_units; }
    int elapsed() const { return m_elapsed; }
    double bookedMinutes() const;
    QString soundPath() const;

    IButton &button() const { return m_button; }
    ITimer &timer() const { return m_timer; }

private:
    void book();
    void showCaption();
    void setPhase(Phase phase);

    const StationParams &m_params;
    IShape &m_led;
    IButton &m_button;
    ITimer &m_timer;
    StationContext &m_context;
    Phase m_phase = Phase::Ready;
    int m_units = 0;
    int m_elapsed = 0;
};

} // namespace kirvano
