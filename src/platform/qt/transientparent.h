#pragma once

class QWidget;

namespace kirvano {

// Tells the window system that `window` belongs to `board`, so that it is
// kept above the board and placed over it, without making the board its
// widget parent (a disabled parent would disable it too). Wayland needs
// this said of every dialog; on X11 the windows keep the relations they
// have always had. Call it before the window is shown.
void makeTransientFor(QWidget *window, QWidget *board);

} // namespace kirvano
