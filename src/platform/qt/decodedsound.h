#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

namespace kirvano {

// A sound file decoded into 16-bit samples at its own rate and channels.
struct DecodedSound
{
    QAudioFormat format;
    QByteArray samples;
    qint64 milliseconds = 0;
};

// Decodes a sound file (WAV and what else libsndfile reads); nothing when
// the file is missing, unreadable or not a sound.
std::optional<DecodedSound> decodeSoundFile(const QString &path);

} // namespace kirvano
