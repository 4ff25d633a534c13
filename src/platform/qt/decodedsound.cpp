#include "decodedsound.h"

#include <QFile>

#include <sndfile.h>

namespace kirvano {

namespace {

// Longer files are refused rather than decoded into memory.
constexpr sf_count_t LongestSeconds = 600;

} // namespace

std::optional<DecodedSound> decodeSoundFile(const QString &path, float gain)
{
    SF_INFO info{};
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return std::nullopt;
    std::optional<DecodedSound> sound;
    if (info.frames > 0 && info.channels > 0 && info.samplerate > 0
        && info.frames / info.samplerate <= LongestSeconds) {
        DecodedSound s;
        s.rate = info.samplerate;
        s.channels = info.channels;
        s.samples.resize(size_t(info.frames) * size_t(info.channels));
        // Read as float, every sample format comes in full scale ±1.
        const sf_count_t frames = sf_readf_float(file, s.samples.data(), info.frames);
        if (frames > 0) {
            s.samples.resize(size_t(frames) * size_t(info.channels));
            for (float &sample : s.samples)
                sample *= gain;
            sound = std::move(s);
        }
    }
    sf_close(file);
    return sound;
}

} // namespace kirvano
