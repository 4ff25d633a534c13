#include "fakes.h"

namespace kirvano::test {

MessageAnswer FakeMessageBox::show(const QString &prompt, MessageButtons buttons, MessageIcon icon,
                                   const QString &title)
{
    shown.push_back({prompt, buttons, icon, title});
    if (!m_queued.empty()) {
        const MessageAnswer answer = m_queued.front();
        m_queued.erase(m_queued.begin());
        return answer;
    }
    if (responder)
        return responder(shown.back());
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

void FakeMessageBox::showLater(const QString &prompt, MessageIcon icon, const QString &title)
{
    if (!loop) {
        show(prompt, MessageButtons::Ok, icon, title);
        return;
    }
    loop->post([this, prompt, icon, title] { show(prompt, MessageButtons::Ok, icon, title); });
}

void FakeMessageBox::answerAlways(MessageAnswer answer)
{
    responder = [answer](const Shown &s) { return s.buttons == MessageButtons::YesNo ? answer : MessageAnswer::Ok; };
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
