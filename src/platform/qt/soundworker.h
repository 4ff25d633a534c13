#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include <atomic>

class QAudioOutput;
class QMediaPlayer;

namespace kirvano {

// The media player proper, living in the sound thread.
class SoundWorker : public QObject
{
    Q_OBJECT
public:
    SoundWorker();

    // Both run in the sound thread.
    void init(float volume);
    void play(const QString &path);

    QAudioOutput *output() const { return m_output; }
    // Called by the owner's thread as it hands over an assignment.
    void requested();
    // Milliseconds since the oldest assignment still waiting or running was
    // handed over, 0 when idle.
    qint64 busyFor() const;

private:
    void createPlayer();

    QAudioOutput *m_output = nullptr;
    QMediaPlayer *m_player = nullptr;
    QElapsedTimer m_clock;
    std::atomic<qint64> m_busySince{-1};
};

} // namespace kirvano
