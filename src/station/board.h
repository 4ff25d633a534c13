#pragma once

#include "station.h"

#include <memory>
#include <vector>

namespace kirvano {

// The controls of one station tile, as the board needs them.
struct StationControls
{
    IShape &led;
    IButton &button;
    ITimer &timer;
};

// The 32 stations in two groups, and the commands that act on all of them.
class Board
{
public:
    // controls(params) gives the LED, START button and timer of a station.
    template<typename ControlsFor>
    Board(StationContext &context, ControlsFor controls)
    {
        for (const StationParams &p : stationTable()) {
            StationControls c = controls(p);
            m_stations.push_back(std::make_unique<Station>(p, c.led, c.button, c.timer, context));
        }
    }

    Station &station(int number) { return *m_stations.at(number - 1); }
    const Station &station(int number) const { return *m_stations.at(number - 1); }
    int count() const { return static_cast<int>(m_stations.size()); }

    // Stop all: reset every station, 1 first and 32 last, whatever its state.
    void stopAll();
    // Clear call: reset every expired station; the others go on unchanged.
    void clearCalls();

private:
    std::vector<std::unique_ptr<Station>> m_stations;
};

} // namespace kirvano
