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
        if (s->led().fillColor() == led::Red)
            s->ClearT();
    }
}

} // namespace kirvano
