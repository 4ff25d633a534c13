#pragma once

#include <QString>

#include <array>

namespace kirvano {

// 33 slots: station N owns slot N - 1; slot 32 belongs to no station.
// An empty slot means no alarm, otherwise it holds the sound file's path.
using SoundQueue = std::array<QString, 33>;

} // namespace kirvano
