#pragma once

class QWidget;

namespace kirvano {

// Brings the board to the operator's eyes when it is started a second
// time: the main window, restored if minimised, then whatever stands in
// front of it (the splash, an open dialog, a message box on top of all).
// A main window still hidden in the splash phase stays hidden, and nothing
// is enabled: the hand-off and the dialogs keep their own rules.
void bringBoardToFront(QWidget *mainWindow);

} // namespace kirvano
