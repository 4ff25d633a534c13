#pragma once

#include "decodedsound.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>

#include <atomic>

class QAudioSink;
class QBuffer;
class QTimer;

namespace kirvano {

// The media player proper, living in the sound thread. Each file is decoded
// once and kept; a sound plays through a stream of the sound server that is
// opened for it and closed when it has ended, so an idle player holds no
// stream that would wake the program.
class SoundWorker : public QObject
{
    Q_OBJECT
public:
    explicit SoundWorker(float volume);
    ~SoundWorker() override;

    // Both run in the sound thread.
    void init();
    void play(const QString &path);

    float volume() const { return m_volume; }
    // Called by the owner's thread as it hands over an assignment.
    void requested();
    // Milliseconds since the oldest assignment still waiting or running was
    // handed over, 0 when idle.
    qint64 busyFor() const;

private:
    void startSound(const QString &path);
    const DecodedSound *sound(const QString &path);
    void closeStream();

    const float m_volume;
    QHash<QString, DecodedSound> m_sounds;
    QAudioSink *m_sink = nullptr;
    QBuffer *m_source = nullptr;
    QTimer *m_closeTimer = nullptr;
    QElapsedTimer m_clock;
    std::atomic<qint64> m_busySince{-1};
};

} // namespace kirvano
