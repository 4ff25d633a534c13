#pragma once

#include <QString>

namespace kirvano {

// Button-and-icon flags and answers of the modal message box.
namespace mb {
constexpr int OkOnly = 0;
constexpr int YesNo = 4;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int IconMask = 0x70;
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace mb

inline const QString AppTitle = QStringLiteral("Kirvano");

// A modal message box. While it is open the event loop keeps delivering
// timer ticks; it returns the button the operator pressed.
class IMessageBox
{
public:
    virtual ~IMessageBox() = default;

    virtual int show(const QString &prompt, int flags, const QString &title = AppTitle) = 0;

    // Shows an OK box once the handler that asks for it has returned. A box
    // opened inside a timer's tick holds that timer's ticks back while the
    // operator reads, and those ticks are lost.
    virtual void showLater(const QString &prompt, int flags, const QString &title = AppTitle) = 0;
};

} // namespace kirvano
