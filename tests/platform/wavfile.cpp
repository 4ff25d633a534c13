#include "wavfile.h"

#include <QFile>
#include <QtEndian>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace kirvano::test {

namespace {

void appendLe16(QByteArray &out, quint16 v)
{
    out.append(char(v & 0xFF)).append(char(v >> 8));
}

void appendLe32(QByteArray &out, quint32 v)
{
    appendLe16(out, quint16(v & 0xFFFF));
    appendLe16(out, quint16(v >> 16));
}

} // namespace

bool writeToneWav(const QString &path, double seconds, double frequency, double amplitude, int rate, bool floatSamples)
{
    const int frames = int(seconds * rate);
    const int bytes = floatSamples ? 4 : 2;
    QByteArray data;
    for (int i = 0; i < frames; ++i) {
        const double v = amplitude * std::sin(2 * std::numbers::pi * frequency * i / rate);
        if (floatSamples)
            appendLe32(data, std::bit_cast<quint32>(float(v)));
        else
            appendLe16(data, quint16(qint16(std::lround(v * 32767))));
    }
    QByteArray wav("RIFF");
    appendLe32(wav, quint32(36 + data.size()));
    wav.append("WAVEfmt ");
    appendLe32(wav, 16);
    appendLe16(wav, floatSamples ? 3 : 1); // IEEE float or PCM
    appendLe16(wav, 1);                    // mono
    appendLe32(wav, quint32(rate));
    appendLe32(wav, quint32(rate * bytes));
    appendLe16(wav, quint16(bytes));
    appendLe16(wav, quint16(8 * bytes));
    wav.append("data");
    appendLe32(wav, quint32(data.size()));
    wav.append(data);

    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(wav) == wav.size();
}

WavInfo readWav(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wav = f.readAll();
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE")
        return {};
    bool pcm16 = false;
    quint32 bytesPerSecond = 0;
    qsizetype pos = 12;
    while (pos + 8 <= wav.size()) {
        const QByteArray id = wav.mid(pos, 4);
        const qsizetype size = qFromLittleEndian<quint32>(wav.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (body + size > wav.size())
            return {};
        if (id == "fmt " && size >= 16) {
            pcm16 = qFromLittleEndian<quint16>(wav.constData() + body) == 1
                    && qFromLittleEndian<quint16>(wav.constData() + body + 14) == 16;
            bytesPerSecond = qFromLittleEndian<quint32>(wav.constData() + body + 8);
        } else if (id == "data") {
            if (!pcm16 || bytesPerSecond == 0)
                return {};
            int peak = 0;
            for (qsizetype i = 0; i + 1 < size; i += 2)
                peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(wav.constData() + body + i))));
            return {peak / 32768.0, size * 1000.0 / bytesPerSecond};
        }
        pos = body + size + (size & 1); // chunks are padded to even sizes
    }
    return {};
}

} // namespace kirvano::test
