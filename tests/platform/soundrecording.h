#pragma once

#include <QByteArray>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace kirvano::test {

// Raw 16-bit stereo audio recorded from the sink, and what the tests measure in it.
struct SoundRecording
{
    static constexpr int Rate = 48000;
    static constexpr int Channels = 2;
    // Below this fraction of full scale a sample counts as quiet.
    static constexpr double Threshold = 0.01;

    std::vector<qint16> samples; // interleaved

    // From raw little-endian bytes as parec writes them.
    static SoundRecording fromRaw(const QByteArray &raw)
    {
        SoundRecording r;
        r.samples.resize(raw.size() / 2);
        for (size_t i = 0; i < r.samples.size(); ++i)
            r.samples[i] = qFromLittleEndian<qint16>(raw.constData() + 2 * i);
        return r;
    }

    double milliseconds() const { return samples.size() * 1000.0 / (Rate * Channels); }

    // Largest amplitude as a fraction of full scale.
    double peak() const
    {
        int peak = 0;
        for (qint16 s : samples)
            peak = std::max(peak, std::abs(int(s)));
        return peak / 32768.0;
    }

    bool isExactSilence() const
    {
        return std::all_of(samples.begin(), samples.end(), [](qint16 s) { return s == 0; });
    }

    // Where the sound starts and ends, in ms from the start of the
    // recording: the first and last sample above the threshold; -1 if none.
    double firstSound(double threshold = Threshold) const { return soundAt(threshold, true); }
    double lastSound(double threshold = Threshold) const { return soundAt(threshold, false); }

private:
    double soundAt(double threshold, bool first) const
    {
        const int limit = int(threshold * 32768);
        const qsizetype n = qsizetype(samples.size());
        for (qsizetype i = 0; i < n; ++i) {
            const qsizetype at = first ? i : n - 1 - i;
            if (std::abs(int(samples[at])) > limit)
                return (at / Channels) * 1000.0 / Rate;
        }
        return -1;
    }
};

} // namespace kirvano::test
