#pragma once

#include <QByteArray>
#include <QProcess>

namespace kirvano::e2e {

// Listens to the monitor of the private sound server's null sink
// ("test_sink", see scripts/services.sh) with parec: 8 kHz, mono, 16 bit.
class MonitorRecorder
{
public:
    static constexpr int Rate = 8000;
    // Anything below this peak (about -34 dBFS) counts as silence.
    static constexpr double Threshold = 0.02;

    ~MonitorRecorder();

    // False, with the reason in error(), when parec cannot listen.
    bool start();
    QString error() const { return m_error; }

    // Samples recorded so far: a mark in time for loudestSince().
    qint64 position();
    // The peak since the mark, from 0 to 1.
    double loudestSince(qint64 mark);
    // Seconds of silence at the end of the recording.
    double trailingSilence();

private:
    void collect();
    double sample(qint64 i) const;

    QProcess m_parec;
    QByteArray m_pcm;
    QString m_error;
};

} // namespace kirvano::e2e
