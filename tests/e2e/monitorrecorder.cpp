#include "monitorrecorder.h"

#include "x11desktop.h"

#include <QtEndian>

#include <cmath>

namespace kirvano::e2e {

MonitorRecorder::~MonitorRecorder()
{
    if (m_parec.state() != QProcess::NotRunning) {
        m_parec.kill();
        m_parec.waitForFinished();
    }
}

bool MonitorRecorder::start()
{
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        m_error = QStringLiteral("PULSE_SERVER is not set: run the tests through scripts/test, which starts "
                                 "a private sound server with the sink test_sink");
        return false;
    }
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("--device=test_sink.monitor"), QStringLiteral("--raw"),
                   QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                   QStringLiteral("--rate=%1").arg(Rate), QStringLiteral("--latency-msec=50")});
    if (!m_parec.waitForStarted(5000)) {
        m_error = QStringLiteral("parec did not start: ") + m_parec.errorString();
        return false;
    }
    // The null sink's monitor delivers samples all the time, silence included.
    if (!waitUntil([this] { return position() >= Rate / 10 || m_parec.state() == QProcess::NotRunning; }, 5000)
        || m_parec.state() == QProcess::NotRunning) {
        m_error = QStringLiteral("parec records nothing from test_sink.monitor: ")
                  + QString::fromLocal8Bit(m_parec.readAllStandardError());
        return false;
    }
    return true;
}

void MonitorRecorder::collect()
{
    m_parec.waitForReadyRead(0);
    m_pcm += m_parec.readAllStandardOutput();
}

double MonitorRecorder::sample(qint64 i) const
{
    const auto raw = qFromLittleEndian<qint16>(m_pcm.constData() + 2 * i);
    return std::abs(raw / 32768.0);
}

qint64 MonitorRecorder::position()
{
    collect();
    return m_pcm.size() / 2;
}

double MonitorRecorder::loudestSince(qint64 mark)
{
    const qint64 end = position();
    double peak = 0;
    for (qint64 i = qMax<qint64>(mark, 0); i < end; ++i)
        peak = std::max(peak, sample(i));
    return peak;
}

double MonitorRecorder::trailingSilence()
{
    const qint64 end = position();
    qint64 i = end;
    while (i > 0 && sample(i - 1) < Threshold)
        --i;
    return double(end - i) / Rate;
}

} // namespace kirvano::e2e
