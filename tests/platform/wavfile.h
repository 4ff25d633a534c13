#pragma once

#include <QString>

namespace kirvano::test {

// Writes a mono WAV holding a sine tone, 16-bit PCM or 32-bit float;
// amplitude is 0..1 of full scale.
bool writeToneWav(const QString &path, double seconds, double frequency, double amplitude, int rate = 48000,
                  bool floatSamples = false);

struct WavInfo
{
    double peak = -1;         // fraction of full scale
    double milliseconds = -1; // length
};

// Peak and length of a 16-bit PCM WAV file; -1 for both when it is not one.
WavInfo readWav(const QString &path);

} // namespace kirvano::test
