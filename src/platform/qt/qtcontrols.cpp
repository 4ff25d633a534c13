#include "qtcontrols.h"

#include <QEvent>
#include <QValidator>

namespace kirvano {

namespace {

// Refuses an edit that makes the text longer than the limit, unless the
// text does not grow: a text that is already too long can still be cut down.
class LimitValidator : public QValidator
{
public:
    LimitValidator(QLineEdit *edit, const int &limit) : QValidator(edit), m_edit(edit), m_limit(limit) {}

    State validate(QString &input, int &) const override
    {
        if (m_limit <= 0 || input.size() <= m_limit || input.size() <= m_edit->text().size())
            return Acceptable;
        return Invalid;
    }

private:
    QLineEdit *m_edit;
    const int &m_limit;
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
