#include "soundworker.h"

#include "pulseoutput.h"

#include <QDebug>
#include <QFileInfo>
#include <QMutexLocker>

namespace kirvano {

SoundWorker::SoundWorker(float volume, std::shared_ptr<PulseOutput> output)
    : m_volume(volume)
    , m_output(std::move(output))
{
    m_clock.start();
}

SoundWorker::~SoundWorker() = default;

void SoundWorker::request(const QString &path)
{
    {
        QMutexLocker lock(&m_mutex);
        m_next = path;
        m_hasNext = true;
    }
    qint64 idle = -1;
    m_busySince.compare_exchange_strong(idle, m_clock.elapsed());
}

qint64 SoundWorker::busyFor() const
{
    const qint64 since = m_busySince.load();
    return since < 0 ? 0 : m_clock.elapsed() - since;
}

std::shared_ptr<const DecodedSound> SoundWorker::sound(const QString &path)
{
    auto found = m_sounds.constFind(path);
    if (found != m_sounds.constEnd())
        return *found;
    // Only what decodes is kept: a file that appears later is still heard.
    std::optional<DecodedSound> decoded = decodeSoundFile(path, m_volume);
    if (!decoded)
        return nullptr;
    auto kept = std::make_shared<const DecodedSound>(std::move(*decoded));
    m_sounds.insert(path, kept);
    return kept;
}

void SoundWorker::playRequested()
{
    QString path;
    {
        QMutexLocker lock(&m_mutex);
        if (!m_hasNext)
            return;
        path = m_next;
        m_hasNext = false;
    }
    if (!m_retired) {
        // The sound in progress ends here, also when the new file cannot be played.
        if (std::shared_ptr<const DecodedSound> s = sound(path)) {
            m_output->play(std::move(s), QFileInfo(path).fileName());
        } else {
            m_output->stop();
            qWarning().noquote() << "wmp1:" << path << "cannot be played";
        }
    }
    QMutexLocker lock(&m_mutex);
    m_busySince = m_hasNext ? m_clock.elapsed() : -1;
}

} // namespace kirvano
