#include "board.h"

namespace kirvano {

void Board::mnStopall_Click()
{
    for (auto &s : m_stations)
        s->ClearT();
}

void Board::mnClearcall_Click()
{
    for (auto &s : m_stations) {
        if (s->phase() == Station::Phase::Expired)
            s->ClearT();
    }
}

} // namespace kirvano
