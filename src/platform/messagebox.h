#pragma once

#include <QString>

namespace kirvano {

// The buttons, icon and answers of a modal message box.
enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Critical, Question, Exclamation };
enum class MessageAnswer { Ok, Yes, No };

inline const QString AppTitle = QStringLiteral("Kirvano");

// A modal message box. While it is open the event loop keeps delivering
// timer ticks; it returns the button the operator pressed.
class IMessageBox
{
public:
    virtual ~IMessageBox() = default;

    virtual MessageAnswer show(const QString &prompt, MessageButtons buttons, MessageIcon icon,
                               const QString &title = AppTitle) = 0;

    // Shows an OK box once the handler that asks for it has returned. A box
    // opened inside a timer's tick holds that timer's ticks back while the
    // operator reads, and those ticks are lost.
    virtual void showLater(const QString &prompt, MessageIcon icon, const QString &title = AppTitle) = 0;
};

} // namespace kirvano
