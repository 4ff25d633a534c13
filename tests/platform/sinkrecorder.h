#pragma once

#include "soundrecording.h"

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace kirvano::test {

// Records the monitor of "test_sink" with parec while the event loop runs.
// The recording is cut by byte count: parec stopped by a signal loses most
// of what it holds.
class SinkRecorder
{
public:
    static constexpr int BytesPerMs = SoundRecording::Rate / 1000 * SoundRecording::Channels * 2;

    ~SinkRecorder();

    // Starts parec on the server and waits, bounded, until audio flows.
    // Returns the reason when it cannot.
    QString start(const QString &server, const QString &sink = QStringLiteral("test_sink"));

    // The recording starts now: what came before is thrown away.
    void restart() { m_audio.clear(); }
    // Runs the event loop until `ms` of audio have arrived since restart()
    // and hands them over; fewer if the audio stops flowing.
    SoundRecording record(int ms);
    // Runs the event loop until the audio since restart() holds sound above
    // `threshold` (fraction of full scale), for at most `ms`. Returns whether it does.
    bool waitForSound(int ms, double threshold = SoundRecording::Threshold);
    // How much audio has arrived since restart().
    int recordedMs() const { return int(m_audio.size() / BytesPerMs); }

private:
    QByteArray takeAudio(qsizetype bytes);

    QProcess m_parec;
    QByteArray m_audio;
};

} // namespace kirvano::test
