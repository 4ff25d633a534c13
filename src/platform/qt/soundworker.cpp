#include "soundworker.h"

#include <QAudioSink>
#include <QBuffer>
#include <QDebug>
#include <QTimer>

namespace kirvano {

namespace {

// The stream stays open this long past the end of the sound, so that what
// the server still holds of it is played out.
constexpr int CloseAfterEndMs = 1000;

} // namespace

SoundWorker::SoundWorker(float volume) : m_volume(volume)
{
    m_clock.start();
}

SoundWorker::~SoundWorker()
{
    closeStream(); // the stream before the buffer it reads
}

void SoundWorker::init()
{
    m_closeTimer = new QTimer(this);
    m_closeTimer->setTimerType(Qt::PreciseTimer);
    m_closeTimer->setSingleShot(true);
    connect(m_closeTimer, &QTimer::timeout, this, &SoundWorker::closeStream);
}

void SoundWorker::requested()
{
    qint64 idle = -1;
    m_busySince.compare_exchange_strong(idle, m_clock.elapsed());
}

qint64 SoundWorker::busyFor() const
{
    const qint64 since = m_busySince.load();
    return since < 0 ? 0 : m_clock.elapsed() - since;
}

const DecodedSound *SoundWorker::sound(const QString &path)
{
    auto found = m_sounds.constFind(path);
    if (found != m_sounds.constEnd())
        return &*found;
    // Only what decodes is kept: a file that appears later is still heard.
    std::optional<DecodedSound> decoded = decodeSoundFile(path);
    if (!decoded)
        return nullptr;
    return &*m_sounds.insert(path, std::move(*decoded));
}

void SoundWorker::play(const QString &path)
{
    startSound(path);
    m_busySince = -1;
}

void SoundWorker::startSound(const QString &path)
{
    // The sound in progress ends here, also when the new file cannot be played.
    closeStream();
    const DecodedSound *s = sound(path);
    if (!s) {
        qWarning().noquote() << "wmp1:" << path << "cannot be played";
        return;
    }
    m_source = new QBuffer(this);
    m_source->setData(s->samples); // shared, not copied
    m_source->open(QIODevice::ReadOnly);
    m_sink = new QAudioSink(s->format, this);
    // Linear: 0.82 gives 82 % of the file's amplitude.
    m_sink->setVolume(m_volume);
    m_sink->start(m_source);
    if (m_sink->error() != QAudio::NoError) {
        qWarning().noquote() << "wmp1:" << path << "has no sound output";
        closeStream();
        return;
    }
    m_closeTimer->start(int(s->milliseconds) + CloseAfterEndMs);
}

void SoundWorker::closeStream()
{
    m_closeTimer->stop();
    if (m_sink) {
        m_sink->reset(); // drops what the server has not played yet
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }
    delete m_source;
    m_source = nullptr;
}

} // namespace kirvano
