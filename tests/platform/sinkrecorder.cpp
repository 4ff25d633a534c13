#include "sinkrecorder.h"

#include <QTest>

namespace kirvano::test {

namespace {

// Wall-clock limit on top of the audio asked for: the sink's clock runs in
// real time, so only a stalled server or recorder takes longer.
constexpr int SlackMs = 5000;

} // namespace

SinkRecorder::~SinkRecorder()
{
    if (m_parec.state() != QProcess::NotRunning) {
        m_parec.kill();
        m_parec.waitForFinished(3000);
    }
}

QString SinkRecorder::start(const QString &server, const QString &sink)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), server);
    m_parec.setProcessEnvironment(env);
    m_parec.setProcessChannelMode(QProcess::SeparateChannels);
    QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, &m_parec,
                     [this] { m_audio += m_parec.readAllStandardOutput(); });
    m_parec.start(QStringLiteral("parec"),
                  {QStringLiteral("--raw"), QStringLiteral("--latency-msec=20"), QStringLiteral("-d"),
                   sink + QStringLiteral(".monitor"), QStringLiteral("--format=s16le"),
                   QStringLiteral("--rate=%1").arg(SoundRecording::Rate),
                   QStringLiteral("--channels=%1").arg(SoundRecording::Channels)});
    if (!m_parec.waitForStarted(5000))
        return QStringLiteral("parec did not start: ") + m_parec.errorString();
    if (!QTest::qWaitFor([this] { return m_audio.size() >= 100 * BytesPerMs; }, SlackMs))
        return QStringLiteral("parec records nothing: ") + QString::fromLocal8Bit(m_parec.readAllStandardError());
    return {};
}

SoundRecording SinkRecorder::record(int ms)
{
    const qsizetype bytes = qsizetype(ms) * BytesPerMs;
    // Short when the audio stopped flowing; the caller sees it in the length.
    (void)QTest::qWaitFor([&] { return m_audio.size() >= bytes; }, ms + SlackMs);
    return SoundRecording::fromRaw(takeAudio(bytes));
}

bool SinkRecorder::waitForSound(int ms, double threshold)
{
    qsizetype scanned = 0;
    return QTest::qWaitFor(
        [&] {
            const QByteArray fresh = m_audio.mid(scanned);
            scanned += fresh.size() - fresh.size() % 2;
            return SoundRecording::fromRaw(fresh).firstSound(threshold) >= 0;
        },
        ms);
}

QByteArray SinkRecorder::takeAudio(qsizetype bytes)
{
    const QByteArray audio = m_audio.left(bytes);
    m_audio.remove(0, audio.size());
    return audio;
}

} // namespace kirvano::test
