#include "station.h"

#include "platform/messagebox.h"
#include "settings/numbertext.h"

#include <QDir>

namespace kirvano {

Station::Station(const StationParams &params, IShape &led, IButton &button, ITimer &timer, StationContext &context)
    : m_params(params)
    , m_led(led)
    , m_button(button)
    , m_timer(timer)
    , m_context(context)
{
    m_button.onClick([this] { onStartClicked(); });
    m_timer.onTick([this] { onTimerTick(); });
}

double Station::bookedMinutes() const
{
    return m_units * textToNumber(m_context.settings.minutes(m_params.group), m_context.locale);
}

QString Station::soundPath() const
{
    QString name = m_params.soundFileName;
    name.replace(QLatin1Char('\\'), QDir::separator());
    return m_context.appFolder + name;
}

void Station::showCaption()
{
    m_button.setCaption(numberToText(bookedMinutes(), m_context.locale) + QLatin1Char('/')
                        + QString::number(m_elapsed));
}

namespace {

Colour colourOf(Station::Phase phase)
{
    switch (phase) {
    case Station::Phase::Running:
        return led::Yellow;
    case Station::Phase::Expired:
        return led::Red;
    case Station::Phase::Ready:
    case Station::Phase::Arming:
        break;
    }
    return led::Green;
}

} // namespace

void Station::setPhase(Phase phase)
{
    if (phase == m_phase)
        return;
    const Colour before = colourOf(m_phase);
    m_phase = phase;
    if (colourOf(phase) != before)
        m_led.setFillColor(colourOf(phase));
    onPhaseChanged.fire(phase);
}

void Station::onStartClicked()
{
    switch (m_phase) {
    case Phase::Expired:
        reset();
        break;
    case Phase::Ready:
    case Phase::Arming:
        book();
        break;
    case Phase::Running:
        // Ticks go on while the question is open; the answer applies to
        // whatever state the station has reached by then.
        if (m_context.messageBox.show(m_params.stopQuestion, MessageButtons::YesNo, MessageIcon::Question)
            == MessageAnswer::Yes)
            reset();
        break;
    }
}

void Station::book()
{
    ++m_units;
    if (m_units > 3) {
        // A fourth click within one arming phase cancels the sale.
        reset();
        return;
    }
    m_elapsed = 0;
    // Setting the interval restarts the countdown: every click starts the wait again.
    m_timer.setInterval(ArmingInterval);
    m_timer.setEnabled(true);
    setPhase(Phase::Arming);
    m_button.setFontName(QStringLiteral("Digital-7"));
    m_button.setFontSize(15);
    showCaption();
}

void Station::onTimerTick()
{
    bool counted = false;
    if (m_phase == Phase::Ready || m_phase == Phase::Arming) {
        // First tick: the arming phase is over and the run begins.
        m_timer.setInterval(MinuteInterval);
        setPhase(Phase::Running);
        QString &counter = m_context.settings.counter(m_params.group);
        counter = numberToText(textToNumber(counter, m_context.locale) + m_units, m_context.locale);
        counted = true;
    } else {
        ++m_elapsed;
        showCaption();
    }

    if (m_elapsed >= bookedMinutes()) {
        m_timer.setEnabled(false);
        setPhase(Phase::Expired);
        m_context.soundQueue[m_params.soundSlot()] = soundPath();
    }

    // Saved once the tick is complete, so a counted unit survives a power cut.
    if (counted)
        m_context.onCountersChanged.fire();
}

void Station::reset()
{
    m_units = 0;
    m_timer.setEnabled(false);
    setPhase(Phase::Ready);
    m_button.setFontName(QStringLiteral("Arial"));
    m_button.setFontSize(8);
    m_button.setCaption(QStringLiteral("START"));
    m_context.soundQueue[m_params.soundSlot()].clear();
}

} // namespace kirvano
