#include "qtcontrols.h"

#include <QEvent>
#include <QValidator>

namespace kirvano {

namespace {

// Refuses an edit that makes the text longer than the limit, unless the
// text does not grow: a text that is already too long can still be cut down.
// Refuses characters the settings file cannot store in one byte, too: a
// password typed with one would not read back, and nobody could log in.
class LimitValidator : public QValidator
{
public:
    LimitValidator(QLineEdit *edit, const int &limit) : QValidator(edit), m_limit(limit), m_length(edit->text().size())
    {
        // The line edit's own text is already the edited one while it asks;
        // the length before the edit is the one it last announced.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_length = text.size(); });
    }

    State validate(QString &input, int &) const override
    {
        for (QChar c : input) {
            if (c.unicode() > 0xFF)
                return Invalid;
        }
        if (m_limit <= 0 || input.size() <= m_limit || input.size() <= m_length)
            return Acceptable;
        return Invalid;
    }

private:
    const int &m_limit;
    qsizetype m_length;
};

} // namespace

QtTextBox::QtTextBox(QLineEdit *edit) : QObject(edit), m_edit(edit)
{
    edit->setValidator(new LimitValidator(edit, m_max));
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this, [this] { fireChange(); });
}

void QtTextBox::setText(const QString &text)
{
    m_edit->setText(m_max > 0 ? text.left(m_max) : text);
}

bool QtTextBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_edit && event->type() == QEvent::MouseButtonRelease)
        fireClick();
    return QObject::eventFilter(watched, event);
}

QtListBox::QtListBox(QListWidget *list) : QObject(list), m_list(list)
{
    connect(list, &QListWidget::currentRowChanged, this, [this] { fireSelect(); });
}

} // namespace kirvano
