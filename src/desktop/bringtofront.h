#pragma once

#include <QString>

class QWidget;

namespace kirvano {

// Brings the board to the operator's eyes when it is started a second
// time: the main window, restored if minimised, then whatever stands in
// front of it (the splash, an open dialog, a message box on top of all).
// A main window still hidden in the splash phase stays hidden, and nothing
// is enabled: the hand-off and the dialogs keep their own rules.
// On Wayland a window takes the focus only with the activation token of the
// start that asked; without one the board asks for the operator's attention.
void bringBoardToFront(QWidget *mainWindow, const QString &activationToken = {});

} // namespace kirvano
