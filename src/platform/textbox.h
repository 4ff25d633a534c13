#pragma once

#include <QString>

#include <functional>

namespace kirvano {

// A one-line text box. Its character limit holds for typing and also cuts
// text the program puts in; changing the limit leaves the text as it is.
// maxLength 0 means no limit.
class ITextBox
{
public:
    virtual ~ITextBox() = default;

    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual int maxLength() const = 0;
    virtual void setMaxLength(int length) = 0;

    void onClick(std::function<void()> handler) { m_click = std::move(handler); }
    void onChange(std::function<void()> handler) { m_change = std::move(handler); }

protected:
    void fireClick()
    {
        if (m_click)
            m_click();
    }
    void fireChange()
    {
        if (m_change)
            m_change();
    }

private:
    std::function<void()> m_click;
    std::function<void()> m_change;
};

} // namespace kirvano
