#include "placement.h"

#include <QScreen>
#include <QWidget>

namespace kirvano {

void centreOnScreen(QWidget *window)
{
    if (QScreen *s = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace kirvano
