#include "qtcontrols.h"

#include <QEvent>
#include <QValidator>

#include <algorithm>

namespace kirvano {

namespace {

// Keeps an edit within the limit the way typing does: what would run past
// it is cut off where the insertion ends, so a long paste keeps its first
// characters. A text that is already too long (put in by the program) may
// shrink but not grow.
// Refuses characters the settings file cannot store in one byte, too: a
// password typed with one would not read back, and nobody could log in.
class LimitValidator : public QValidator
{
public:
    LimitValidator(QLineEdit *edit, const int &limit) : QValidator(edit), m_limit(limit), m_before(edit->text())
    {
        // The line edit's own text is already the edited one while it asks;
        // the text before the edit is the one it last announced.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
    }

    State validate(QString &input, int &cursor) const override
    {
        for (QChar c : input) {
            if (c.unicode() > 0xFF)
                return Invalid;
        }
        if (m_limit <= 0)
            return Acceptable;
        const qsizetype room = std::max<qsizetype>(m_limit, m_before.size());
        const qsizetype excess = input.size() - room;
        if (excess <= 0)
            return Acceptable;
        // Cut the end of what was just inserted, which ends at the cursor.
        if (cursor < excess)
            return Invalid;
        input.remove(cursor - excess, excess);
        cursor -= excess;
        return input == m_before ? Invalid : Acceptable;
    }

private:
    const int &m_limit;
    QString m_before;
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
