#pragma once

#include "layouttable.h"

#include <QWidget>

#include <span>
#include <vector>

namespace kirvano {

// The controls of a window made from its layout table, by row.
class BuiltControls
{
public:
    explicit BuiltControls(std::vector<QWidget *> widgets) : m_widgets(std::move(widgets)) {}

    // The control of a row, as the widget its kind makes (QGroupBox,
    // QLabel, QLineEdit, QPushButton, QListWidget, LedShape).
    template<typename T>
    T *at(int row) const
    {
        auto *widget = qobject_cast<T *>(m_widgets.at(row));
        Q_ASSERT(widget);
        return widget;
    }

private:
    std::vector<QWidget *> m_widgets;
};

// Makes every control of a table on the window, named, placed and in its
// initial state, each in the container its row names; tabOrder lists the
// rows that take the focus in the order the Tab key visits them.
BuiltControls buildControls(QWidget *window, std::span<const ControlSpec> table, std::span<const int> tabOrder = {});

} // namespace kirvano
