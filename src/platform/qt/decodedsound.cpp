#include "decodedsound.h"

#include <QFile>

#include <sndfile.h>

namespace kirvano {

std::optional<DecodedSound> decodeSoundFile(const QString &path)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return std::nullopt;
    std::optional<DecodedSound> sound;
    if (info.frames > 0 && info.channels > 0 && info.samplerate > 0) {
        DecodedSound s;
        s.format.setSampleRate(info.samplerate);
        s.format.setChannelCount(info.channels);
        s.format.setSampleFormat(QAudioFormat::Int16);
        s.samples.resize(qsizetype(info.frames) * info.channels * qsizetype(sizeof(short)));
        const sf_count_t frames = sf_readf_short(file, reinterpret_cast<short *>(s.samples.data()), info.frames);
        if (frames > 0) {
            s.samples.truncate(qsizetype(frames) * info.channels * qsizetype(sizeof(short)));
            s.milliseconds = frames * 1000 / info.samplerate;
            sound = std::move(s);
        }
    }
    sf_close(file);
    return sound;
}

} // namespace kirvano
