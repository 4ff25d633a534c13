#pragma once

class QWidget;

namespace kirvano {

// Draws the options dialog from its layout table: the window's name,
// caption, icon, font and size, and its controls, each named as drawn, in
// its initial state, in the designed tab order.
void buildOptionsDialog(QWidget *dialog);

} // namespace kirvano
