#include "mainlayout.h"

#include "station/station.h"

namespace kirvano::mainlayout {

namespace {

using enum ControlKind;

// The navy band under each row of eight tiles.
constexpr Colour BandColour = 0x800000;
constexpr TwipRect FirstBand{360, 480, 11415, 1215};
constexpr TwipRect SecondBand{360, 1920, 11415, 1215};

// Tiles lie one inch apart, eight to a row, two rows to a frame.
TwipRect offset(TwipRect rect, int station)
{
    const int k = (station - 1) % 16;
    return {rect.left + 1440 * (k % 8), rect.top + 1440 * (k / 8), rect.width, rect.height};
}

// Two labels were named differently from the others when the board was drawn.
QString labelName(int station)
{
    return (station == 9 || station == 10 ? QStringLiteral("Name%1") : QStringLiteral("Nome%1")).arg(station);
}

class TableMaker
{
public:
    explicit TableMaker(BoardTable &table) : m_table(table) {}

    int add(ControlSpec control)
    {
        m_table.controls.push_back(std::move(control));
        return int(m_table.controls.size()) - 1;
    }

    void addLabels(int frame, int firstStation)
    {
        for (int n = firstStation; n < firstStation + 8; ++n) {
            const QString text = QStringLiteral("TIMER%1").arg(n, 3, 10, QLatin1Char(' '));
            const TwipRect rect = offset({600, 240, n <= 9 ? 825 : 870, 240}, n);
            m_table.labels[n - 1] = add({labelName(n), Label, frame, rect, text, LabelFont, Opaque});
        }
    }

    void addLeds(int frame, int firstStation)
    {
        for (int n = firstStation; n < firstStation + 8; ++n) {
            m_table.leds[n - 1] = add({QStringLiteral("Led%1").arg(n),
                                       Shape,
                                       frame,
                                       offset({480, 600, 1095, 975}, n),
                                       {},
                                       Inherited,
                                       Plain,
                                       led::Green});
        }
    }

    void addButton(int frame, int n)
    {
        // The last START of each row has no tooltip.
        const QString toolTip = n % 8 == 0 ? QString() : QStringLiteral("On/Off Timer");
        m_table.buttons[n - 1] =
            add({QStringLiteral("CmdStart%1").arg(n), Button, frame, offset({600, 720, 855, 735}, n),
                 QStringLiteral("START"), StartFont, Plain, 0, toolTip});
        m_table.tabOrder.push_back(m_table.buttons[n - 1]);
    }

private:
    BoardTable &m_table;
};

} // namespace

const BoardTable &boardTable()
{
    static const BoardTable table = [] {
        BoardTable t;
        TableMaker maker(t);
        // One frame per group, the second overlapping the first's bottom edge by one pixel row.
        const int frames[] = {
            maker.add(
                {"FraTimer1", Frame, NoContainer, {120, 0, 12135, 3255}, QStringLiteral("Gruppo A"), Inherited, Plain}),
            maker.add({"FraTimer2",
                       Frame,
                       NoContainer,
                       {120, 3240, 12135, 3255},
                       QStringLiteral("Gruppo B"),
                       Inherited,
                       Plain}),
        };
        // Bottom to top in each frame: the second row's band and labels, the
        // first row's band (it reaches one pixel row into those labels and
        // is drawn over them), the LEDs and first-row labels.
        for (int f = 0; f < 2; ++f) {
            const int first = 16 * f + 1;
            const QString firstBand = QStringLiteral("Shape%1").arg(2 * f + 1);
            const QString secondBand = QStringLiteral("Shape%1").arg(2 * f + 2);
            maker.add({secondBand, Shape, frames[f], SecondBand, {}, Inherited, Plain, BandColour});
            maker.addLabels(frames[f], first + 8);
            maker.add({firstBand, Shape, frames[f], FirstBand, {}, Inherited, Plain, BandColour});
            maker.addLeds(frames[f], first);
            maker.addLabels(frames[f], first);
            maker.addLeds(frames[f], first + 8);
        }
        for (int n = 1; n <= StationCount; ++n)
            maker.addButton(frames[n <= 16 ? 0 : 1], n);
        return t;
    }();
    return table;
}

QString stationTimerName(int station)
{
    return QStringLiteral("Timer%1").arg(station);
}

} // namespace kirvano::mainlayout
