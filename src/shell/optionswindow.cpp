#include "optionswindow.h"

// Placeholder until the dialog's widgets are laid out.
namespace kirvano {
OptionsWindow::OptionsWindow(OptionsHost &) { setAttribute(Qt::WA_DeleteOnClose); }
OptionsWindow::~OptionsWindow() = default;
} // namespace kirvano
