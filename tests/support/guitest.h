#pragma once

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>

namespace kirvano::test {

// Answers every modal message box that comes up while it lives, as an
// operator would: notes its text and button captions, lets `onShow` look
// at it, and `afterMs` later clicks `button` (its first button for NoButton).
class BoxAnswerer
{
public:
    explicit BoxAnswerer(QMessageBox::StandardButton button = QMessageBox::NoButton, int afterMs = 0);

    std::function<void(QMessageBox &)> onShow;
    QStringList texts;
    QStringList captions;

private:
    void answerOpenBox();

    QMessageBox::StandardButton m_button;
    int m_afterMs;
    QPointer<QMessageBox> m_seen;
    QTimer m_poll;
    QTimer m_click;
};

// Deletes the windows that closed themselves meanwhile.
void flushDeletes();

} // namespace kirvano::test
