#pragma once

#include <functional>

namespace kirvano {

// A list box with a single selected item; -1 means none.
// Any change of the selection, by operator or program, raises the click event.
class IListBox
{
public:
    virtual ~IListBox() = default;

    virtual int currentIndex() const = 0;
    virtual void setCurrentIndex(int index) = 0;

    void onSelect(std::function<void()> handler) { m_select = std::move(handler); }

protected:
    void fireSelect()
    {
        if (m_select)
            m_select();
    }

private:
    std::function<void()> m_select;
};

} // namespace kirvano
