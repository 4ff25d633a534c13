#pragma once

#include <QString>

namespace kirvano::test {

// A station's sound as the repository ships it.
inline QString stationSound(int station)
{
    return QStringLiteral(KIRVANO_SOUNDS_DIR "/%1.wav").arg(station);
}

} // namespace kirvano::test
