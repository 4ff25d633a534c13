#pragma once

#include "decodedsound.h"

#include <QElapsedTimer>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>

namespace kirvano {

class PulseOutput;

// The media player proper, living in the sound thread: it decodes each file
// once, keeps it, and hands it to the sound server's output. Assignments
// that pile up while it is busy collapse into the latest.
class SoundWorker : public QObject
{
    Q_OBJECT
public:
    SoundWorker(float volume, std::shared_ptr<PulseOutput> output);
    ~SoundWorker() override;

    float volume() const { return m_volume; }

    // Called by the owner's thread as it hands over an assignment.
    void request(const QString &path);
    // In the sound thread: plays the latest assignment, if one is waiting.
    void playRequested();
    // Milliseconds since the oldest assignment still waiting or running was
    // handed over, 0 when idle.
    qint64 busyFor() const;
    // Called by the owner's thread when it leaves this player behind: it
    // plays nothing any more.
    void retire() { m_retired = true; }

private:
    std::shared_ptr<const DecodedSound> sound(const QString &path);

    const float m_volume;
    const std::shared_ptr<PulseOutput> m_output;
    QHash<QString, std::shared_ptr<const DecodedSound>> m_sounds;
    QMutex m_mutex; // guards m_next
    QString m_next;
    bool m_hasNext = false;
    std::atomic<bool> m_retired{false};
    QElapsedTimer m_clock;
    std::atomic<qint64> m_busySince{-1};
};

} // namespace kirvano
