#include "stationparams.h"

namespace kirvano {

namespace {

StationParams makeParams(int n)
{
    StationParams p;
    p.number = n;
    p.group = n <= 16 ? Group::A : Group::B;
    // Two labels were named differently from the others when the board was drawn.
    p.labelName = (n == 9 || n == 10) ? QStringLiteral("Name%1").arg(n) : QStringLiteral("Nome%1").arg(n);
    p.labelText = QStringLiteral("TIMER%1").arg(n, 3, 10, QLatin1Char(' '));
    p.stopQuestion = QStringLiteral("Stop Timer%1?").arg(n);
    p.soundFileName = QStringLiteral("\\suoni_timer\\%1.wav").arg(n);
    p.hasTooltip = n % 8 != 0;
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
