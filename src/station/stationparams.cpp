#include "stationparams.h"

namespace kirvano {

namespace {

StationParams makeParams(int n)
{
    StationParams p;
    p.number = n;
    p.group = n <= 16 ? Group::A : Group::B;
    p.stopQuestion = QStringLiteral("Stop Timer%1?").arg(n);
    p.soundFileName = QStringLiteral("\\suoni_timer\\%1.wav").arg(n);
    return p;
}

} // namespace

const std::vector<StationParams> &stationTable()
{
    static const std::vector<StationParams> table = [] {
        std::vector<StationParams> t;
        for (int n = 1; n <= StationCount; ++n)
            t.push_back(makeParams(n));
        return t;
    }();
    return table;
}

} // namespace kirvano
