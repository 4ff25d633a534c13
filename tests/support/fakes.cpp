#include "fakes.h"

namespace kirvano::test {

int FakeMessageBox::show(const QString &prompt, int flags, const QString &title)
{
    shown.push_back({prompt, flags, title});
    if (!m_queued.empty()) {
        const int answer = m_queued.front();
        m_queued.erase(m_queued.begin());
        return answer;
    }
    if (responder)
        return responder(shown.back());
    return (flags & 0x0F) == mb::YesNo ? mb::No : mb::Ok;
}

void FakeMessageBox::showLater(const QString &prompt, int flags, const QString &title)
{
    if (!loop) {
        show(prompt, flags, title);
        return;
    }
    loop->post([this, prompt, flags, title] { show(prompt, flags, title); });
}

void FakeMessageBox::answerAlways(int answer)
{
    responder = [answer](const Shown &s) { return (s.flags & 0x0F) == mb::YesNo ? answer : mb::Ok; };
}

QStringList FakeMessageBox::prompts() const
{
    QStringList list;
    for (const Shown &s : shown)
        list << s.prompt;
    return list;
}

void FakeWindow::close()
{
    if (m_closed)
        return;
    ++closeRequests;
    if (!onCloseRequest.fire())
        return;
    m_closed = true;
    m_visible = false;
    if (onClosed)
        onClosed();
}

} // namespace kirvano::test
