#include "guitest.h"

#include <QAbstractButton>
#include <QApplication>

#include <gtest/gtest.h>

namespace kirvano::test {

BoxAnswerer::BoxAnswerer(QMessageBox::StandardButton button, int afterMs) : m_button(button), m_afterMs(afterMs)
{
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] { answerOpenBox(); });
    m_poll.start(5);
    m_click.setSingleShot(true);
}

void BoxAnswerer::answerOpenBox()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || box == m_seen)
        return;
    m_seen = box;
    texts.append(box->text());
    const QList<QAbstractButton *> buttons = box->buttons();
    for (QAbstractButton *b : buttons)
        captions.append(b->text());
    if (onShow)
        onShow(*box);
    QAbstractButton *answer = m_button == QMessageBox::NoButton ? buttons.value(0) : box->button(m_button);
    if (!answer) {
        ADD_FAILURE() << "no button to answer " << box->text().toStdString();
        box->reject();
        return;
    }
    QObject::disconnect(&m_click, nullptr, nullptr, nullptr);
    QObject::connect(&m_click, &QTimer::timeout, answer, &QAbstractButton::click);
    m_click.start(m_afterMs);
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace kirvano::test
