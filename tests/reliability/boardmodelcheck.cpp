#include "boardmodelcheck.h"

#include "settings/optionsrules.h"

#include <QDir>

#include <algorithm>
#include <sstream>

namespace kirvano::test {

namespace {

constexpr qint64 Second = 1000;
constexpr qint64 Minute = 60 * Second;
constexpr qint64 Hour = 60 * Minute;
constexpr qint64 HandOff = 2000; // the splash hands over; the operator can click from here on

std::string text(const QString &s)
{
    return '"' + s.toStdString() + '"';
}

// What "Imposta" stores from what a two-character minutes box holds: the
// leading number (spaces ignored, optional sign, digits, optional point and
// digits), 1 when that is below 1, as plain digits.
QString storedMinutes(const QString &box)
{
    QString t = box;
    t.remove(QLatin1Char(' ')).remove(QLatin1Char('\t'));
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t = t.mid(1);
    }
    qsizetype digits = 0;
    while (digits < t.size() && t.at(digits) >= QLatin1Char('0') && t.at(digits) <= QLatin1Char('9'))
        ++digits;
    double value = digits > 0 ? t.left(digits).toDouble() : 0;
    if (digits + 1 < t.size() && t.at(digits) == QLatin1Char('.') && t.at(digits + 1).isDigit())
        value += t.mid(digits).left(2).toDouble(); // two characters at most: ".5"
    if (negative)
        value = -value;
    return value < 1 ? QStringLiteral("1") : QString::number(static_cast<int>(value));
}

QByteArray settingsFile(const BoardModel &model, const QString &password)
{
    return (model.minutes(0) + QStringLiteral("\r\n") + model.minutes(1) + QStringLiteral("\r\n") + model.counter(0)
            + QStringLiteral("\r\n") + model.counter(1) + QStringLiteral("\r\n") + password + QStringLiteral("\r\n"))
        .toLatin1();
}

} // namespace

void BoardModelCheck::Coverage::add(const Coverage &o)
{
    clicks += o.clicks;
    questionsYes += o.questionsYes;
    questionsNo += o.questionsNo;
    yesAfterExpiry += o.yesAfterExpiry;
    cancels += o.cancels;
    stopAlls += o.stopAlls;
    clearedByClearCall += o.clearedByClearCall;
    optionsSessions += o.optionsSessions;
    counterResets += o.counterResets;
    expiries += o.expiries;
    plays += o.plays;
}

BoardModelCheck::BoardModelCheck(quint64 seed) : m_seed(seed), m_random(seed)
{
    static const char *startMinutes[] = {"1", "1", "2", "3", "5", "0", "1.5", "0.5", "10", "45"};
    static const char *passwords[] = {"4826", "", "ab", "1234"};
    const QString minutesA = QString::fromLatin1(startMinutes[between(0, 9)]);
    const QString minutesB = QString::fromLatin1(startMinutes[between(0, 9)]);
    const qint64 counterA = between(0, 99999);
    const qint64 counterB = chance(20) ? 0 : between(0, 99999);
    m_password = QString::fromLatin1(passwords[between(0, 3)]);
    // One sequence in eight covers a whole working day of eight hours, the
    // others up to an hour: idle time is the costly part to simulate.
    m_horizon = HandOff + (chance(12) ? 8 * Hour : between(5, 60) * Minute);
    for (int i = 0; i < 4; ++i)
        m_focus.push_back(static_cast<int>(i < 2 ? between(1, 16) : between(17, 32)));

    m_h = std::make_unique<MainHarness>(QStringLiteral("model"));
    BoardModel::Station designed;
    designed.led = m_h->colour(1);
    designed.timerEnabled = m_h->stationTimer(1).isEnabled();
    designed.interval = m_h->stationTimer(1).interval();
    designed.caption = m_h->start(1).caption();
    designed.fontName = m_h->start(1).fontName();
    designed.fontSize = m_h->start(1).fontSize();
    m_model = std::make_unique<BoardModel>(designed, m_h->folder + QStringLiteral("/app"), minutesA, minutesB, counterA,
                                           counterB);
    m_h->writeSettings(settingsFile(*m_model, m_password));
    note("settings " + text(minutesA) + " " + text(minutesB) + " " + std::to_string(counterA) + " "
         + std::to_string(counterB) + " " + text(m_password) + ", until t=" + std::to_string(m_horizon));
}

BoardModelCheck::~BoardModelCheck()
{
    const QString folder = m_h->folder;
    m_h.reset();
    QDir(folder).removeRecursively();
}

qint64 BoardModelCheck::between(qint64 low, qint64 high)
{
    return low + static_cast<qint64>(m_random() % static_cast<quint64>(high - low + 1));
}

bool BoardModelCheck::chance(int percent)
{
    return between(1, 100) <= percent;
}

int BoardModelCheck::pickStation()
{
    // Mostly a few stations, so that clicks, ticks and questions meet.
    if (chance(60))
        return m_focus[static_cast<std::size_t>(between(0, 3))];
    return static_cast<int>(between(1, 32));
}

BoardModelCheck::Question BoardModelCheck::pickQuestion(int n)
{
    Question q;
    q.yes = chance(50);
    const BoardModel::Station &s = m_model->station(n);
    const int kind = static_cast<int>(between(0, 99));
    if (kind < 35)
        q.delay = between(0, 2000);
    else if (kind < 60)
        q.delay = between(1, 3) * Minute;
    else if (kind < 85 && s.timerEnabled)
        q.delay = std::max<qint64>(0, s.deadline - m_model->now() + between(-1, 1)); // around its next tick
    else
        q.delay = between(5, 20) * Minute; // it may expire while the question is open
    return q;
}

void BoardModelCheck::note(std::string line)
{
    m_log.push_back("t=" + std::to_string(m_h->clock.now()) + " " + std::move(line));
}

std::string BoardModelCheck::fail(const std::string &what) const
{
    std::ostringstream out;
    out << "seed " << m_seed << ", after step " << m_log.size() - 1 << " at t=" << m_h->clock.now() << ": " << what
        << "\nlast steps:";
    const std::size_t from = m_log.size() > 25 ? m_log.size() - 25 : 0;
    if (from > 0)
        out << "\n  " << m_log.front() << "\n  ...";
    for (std::size_t i = from; i < m_log.size(); ++i)
        out << "\n  " << m_log[i];
    return out.str();
}

std::string BoardModelCheck::compare() const
{
    const MainHarness &h = *m_h;
    MainController &main = *m_h->main;
    const BoardModel &m = *m_model;
    std::ostringstream d;
    if (h.clock.now() != m.now())
        d << "clock " << h.clock.now() << ", model " << m.now();

    for (int n = 1; n <= 32 && d.str().empty(); ++n) {
        const BoardModel::Station &want = m.station(n);
        const FakeButton &button = *h.buttons[n - 1];
        const FakeTimer &timer = *h.timers[n - 1];
        const Station &real = main.board().station(n);
        const std::string who = "station " + std::to_string(n) + " ";
        if (h.leds[n - 1]->fillColor() != want.led)
            d << who << "LED " << h.leds[n - 1]->fillColor() << ", model " << want.led;
        else if (button.caption() != want.caption)
            d << who << "caption " << text(button.caption()) << ", model " << text(want.caption);
        else if (button.fontName() != want.fontName || button.fontSize() != want.fontSize)
            d << who << "font " << text(button.fontName()) << " " << button.fontSize() << ", model "
              << text(want.fontName) << " " << want.fontSize;
        else if (timer.isEnabled() != want.timerEnabled || timer.interval() != want.interval)
            d << who << "timer " << (timer.isEnabled() ? "on " : "off ") << timer.interval() << " ms, model "
              << (want.timerEnabled ? "on " : "off ") << want.interval << " ms";
        else if (want.timerEnabled && timer.deadline() != want.deadline)
            d << who << "next tick at " << timer.deadline() << ", model " << want.deadline;
        else if (real.units() != want.units || real.elapsed() != want.elapsed)
            d << who << "units/elapsed " << real.units() << "/" << real.elapsed() << ", model " << want.units << "/"
              << want.elapsed;
    }
    if (!d.str().empty())
        return fail(d.str());

    const Settings &s = main.settings();
    if (s.counterA != m.counter(0) || s.counterB != m.counter(1))
        d << "counters " << text(s.counterA) << " " << text(s.counterB) << ", model " << text(m.counter(0)) << " "
          << text(m.counter(1));
    else if (s.minutesA != m.minutes(0) || s.minutesB != m.minutes(1))
        d << "minutes " << text(s.minutesA) << " " << text(s.minutesB) << ", model " << text(m.minutes(0)) << " "
          << text(m.minutes(1));
    for (int i = 0; i < 33 && d.str().empty(); ++i) {
        if (main.soundQueue()[i] != m.slot(i))
            d << "soundQueue[" << i << "] " << text(main.soundQueue()[i]) << ", model " << text(m.slot(i));
    }
    if (!d.str().empty())
        return fail(d.str());

    if (main.alarm().cursor() != m.cursor())
        d << "playPos " << main.alarm().cursor() << ", model " << m.cursor();
    else if (main.alarm().nextTickAt() != m.playerDeadline())
        d << "cursor's next tick at " << main.alarm().nextTickAt() << ", model " << m.playerDeadline();
    else if (h.mediaPlayer.plays.size() != m.plays().size())
        d << "media player asked " << h.mediaPlayer.plays.size() << " times, model " << m.plays().size();
    for (std::size_t i = m_playsChecked; i < m.plays().size() && d.str().empty(); ++i) {
        const auto &real = h.mediaPlayer.plays[i];
        const auto &want = m.plays()[i];
        if (real.at != want.at || real.path != want.path)
            d << "play " << i << " at " << real.at << " " << text(real.path) << ", model at " << want.at << " "
              << text(want.path);
    }
    if (d.str().empty())
        m_playsChecked = m.plays().size();
    if (d.str().empty() && h.messages.count() != m_expectedMessages)
        d << h.messages.count() << " message boxes, expected " << m_expectedMessages << ": last "
          << text(h.messages.prompts().constLast());
    return d.str().empty() ? std::string() : fail(d.str());
}

std::string BoardModelCheck::start()
{
    note("Form_Load");
    m_h->main->startUp();
    if (m_h->messages.count() != 0)
        return fail("the settings file was not taken: " + text(m_h->messages.prompts().constFirst()));
    return advance(HandOff);
}

std::string BoardModelCheck::advance(qint64 ms)
{
    m_h->clock.advance(ms);
    m_model->advanceTo(m_model->now() + ms);
    return compare();
}

std::string BoardModelCheck::clickStart(int n)
{
    const Question q = pickQuestion(n);
    const bool expectQuestion = m_model->clickStart(n);
    bool asked = false;
    std::string duringQuestion;
    m_h->messages.responder = [&](const FakeMessageBox::Shown &shown) {
        asked = true;
        ++m_expectedMessages;
        if (!expectQuestion || shown.prompt != QStringLiteral("Stop Timer%1?").arg(n)
            || !shown.is(MessageButtons::YesNo, MessageIcon::Question) || shown.title != QStringLiteral("Kirvano")) {
            duringQuestion = fail("unexpected message box " + text(shown.prompt));
            return MessageAnswer::No;
        }
        // The operator takes a while; the stations and the alarm go on meanwhile.
        duringQuestion = advance(q.delay);
        return q.yes ? MessageAnswer::Yes : MessageAnswer::No;
    };
    note("click START " + std::to_string(n)
         + (expectQuestion
                ? ", answer " + std::string(q.yes ? "Yes" : "No") + " after " + std::to_string(q.delay) + " ms"
                : std::string()));
    m_h->start(n).click();
    m_h->messages.responder = nullptr;

    if (!duringQuestion.empty())
        return duringQuestion;
    if (asked != expectQuestion)
        return fail(expectQuestion ? "station " + std::to_string(n) + " did not ask its stop question"
                                   : "station " + std::to_string(n) + " asked a question");
    if (expectQuestion) {
        if (q.yes && m_model->station(n).led == BoardModel::Red)
            ++m_coverage.yesAfterExpiry;
        ++(q.yes ? m_coverage.questionsYes : m_coverage.questionsNo);
        m_model->answerStopQuestion(n, q.yes);
    }
    ++m_coverage.clicks;
    return compare();
}

std::string BoardModelCheck::bookingBurst()
{
    const int n = pickStation();
    const int clicks = static_cast<int>(between(1, 4));
    note("booking burst of " + std::to_string(clicks) + " on station " + std::to_string(n));
    for (int i = 0; i < clicks; ++i) {
        if (i == 3 && m_model->station(n).units == 3 && m_model->station(n).led == BoardModel::Green)
            ++m_coverage.cancels;
        std::string problem = clickStart(n);
        if (problem.empty()) {
            const qint64 gap = chance(15) ? 5000 : between(0, 4999);
            note("advance " + std::to_string(gap));
            problem = advance(gap);
        }
        if (!problem.empty())
            return problem;
    }
    return {};
}

std::string BoardModelCheck::advanceSomeTime()
{
    qint64 ms = 0;
    const int kind = static_cast<int>(between(0, 99));
    const qint64 next = m_model->nextStationTick();
    if (kind < 25)
        ms = between(1, 100);
    else if (kind < 50)
        ms = between(100, 6000);
    else if (kind < 70 && next >= 0)
        ms = std::max<qint64>(0, next - m_model->now() + between(-1, 1)); // to a station's tick, or just before
    else if (kind < 92)
        ms = between(1, 10) * Minute;
    else
        ms = between(10, 60) * Minute;
    note("advance " + std::to_string(ms));
    return advance(ms);
}

std::string BoardModelCheck::stopAll()
{
    note("Stop all");
    m_model->stopAll();
    m_h->main->stopAll();
    ++m_coverage.stopAlls;
    return compare();
}

std::string BoardModelCheck::clearCall()
{
    note("Clear call");
    for (int n = 1; n <= 32; ++n)
        m_coverage.clearedByClearCall += m_model->station(n).led == BoardModel::Red ? 1 : 0;
    m_model->clearCall();
    m_h->main->clearCalls();
    return compare();
}

std::string BoardModelCheck::optionsSession()
{
    static const char *typed[] = {"1",  "2",  "3",  "5",  "15", "99", "0", "",
                                  "-5", ".5", "07", "5.", "3,", " 4", "x", "1x"};
    MainController &main = *m_h->main;
    note("open Option, password " + text(m_password));
    main.openOptions();
    FakeWindow *dialog = m_h->windows.options;
    if (!dialog || main.optionsDialog() != dialog || !dialog->isVisible() || !dialog->isEnabled()
        || m_h->mainWindow.isEnabled())
        return fail("the options dialog did not open over the main window");
    Settings &settings = main.settings();
    if (needsLogin(settings) == m_password.isEmpty() || !passwordMatches(settings, m_password))
        return fail("the options dialog would not take the password " + text(m_password));
    ++m_coverage.optionsSessions;

    std::string problem;
    if (chance(50)) {
        const qint64 ms = between(1, 3 * Minute);
        note("advance " + std::to_string(ms) + " with the dialog open");
        problem = advance(ms);
    }
    if (problem.empty()) {
        // The two-character boxes show the start of each unit length until typed over.
        QString boxA = settings.minutesA.left(2);
        QString boxB = settings.minutesB.left(2);
        for (QString *box : {&boxA, &boxB}) {
            if (chance(70))
                *box = QString::fromLatin1(typed[between(0, 15)]);
        }
        note("Imposta with " + text(boxA) + " " + text(boxB));
        settings.minutesA = minutesFromText(boxA);
        settings.minutesB = minutesFromText(boxB);
        main.saveSettings();
        m_model->setMinutes(storedMinutes(boxA), storedMinutes(boxB));
        problem = compare();
        if (problem.empty() && m_h->settingsBytes() != settingsFile(*m_model, m_password))
            problem = fail("\"Imposta\" saved " + m_h->settingsBytes().toStdString());
    }
    if (problem.empty() && chance(30)) {
        note("Reset counters");
        resetCounters(settings);
        main.saveSettings();
        m_model->resetCounters();
        ++m_coverage.counterResets;
        problem = compare();
        if (problem.empty() && m_h->settingsBytes() != settingsFile(*m_model, m_password))
            problem = fail("\"Reset\" saved " + m_h->settingsBytes().toStdString());
    }
    if (problem.empty() && chance(40)) {
        const qint64 ms = between(1, 2 * Minute);
        note("advance " + std::to_string(ms) + " with the dialog open");
        problem = advance(ms);
    }
    note("close Option");
    dialog->close();
    if (problem.empty() && (main.optionsDialog() || !m_h->mainWindow.isEnabled()))
        problem = fail("closing the options dialog did not give the main window its input back");
    return problem.empty() ? compare() : problem;
}

bool BoardModelCheck::finished() const
{
    return m_model->now() >= m_horizon;
}

std::string BoardModelCheck::step()
{
    const int kind = static_cast<int>(between(0, 99));
    if (kind < 30)
        return clickStart(pickStation());
    if (kind < 40)
        return bookingBurst();
    if (kind < 82)
        return advanceSomeTime();
    if (kind < 86)
        return stopAll();
    if (kind < 94)
        return clearCall();
    return optionsSession();
}

std::string BoardModelCheck::run()
{
    std::string problem = start();
    while (problem.empty() && !finished())
        problem = step();
    m_coverage.expiries = m_model->expiries();
    m_coverage.plays = static_cast<qint64>(m_model->plays().size());
    return problem;
}

} // namespace kirvano::test
