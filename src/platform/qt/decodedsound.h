#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace kirvano {

// A sound file decoded into float samples at its own rate and channels,
// scaled by a gain.
struct DecodedSound
{
    int rate = 0;
    int channels = 0;
    std::vector<float> samples; // interleaved

    qint64 milliseconds() const { return qint64(samples.size() / channels) * 1000 / rate; }
};

// Decodes a sound file (WAV and what else libsndfile reads, integer and
// float samples alike) and multiplies its samples by gain; nothing when the
// file is missing, unreadable, not a sound or too long for an alarm.
std::optional<DecodedSound> decodeSoundFile(const QString &path, float gain);

} // namespace kirvano
