#include "board.h"

namespace kirvano {

void Board::stopAll()
{
    for (auto &s : m_stations)
        s->reset();
}

void Board::clearCalls()
{
    for (auto &s : m_stations) {
        if (s->phase() == Station::Phase::Expired)
            s->reset();
    }
}

} // namespace kirvano
