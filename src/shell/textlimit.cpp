#include "textlimit.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace kirvano {

namespace {

// Keeps an edit within the limit the way typing does: what would run past
// it is cut off where the insertion ends, so a long paste keeps its first
// characters. A text that is already too long may shrink but not grow.
class LimitValidator : public QValidator
{
public:
    explicit LimitValidator(QLineEdit *edit) : QValidator(edit), m_before(edit->text())
    {
        // The line edit's own text is already the edited one while it asks;
        // the text before the edit is the one it last announced.
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { m_before = text; });
    }

    int limit = 0;

    State validate(QString &input, int &cursor) const override
    {
        for (QChar c : input) {
            if (c.unicode() > 0xFF)
                return Invalid;
        }
        if (limit <= 0)
            return Acceptable;
        const qsizetype room = std::max<qsizetype>(limit, m_before.size());
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
    QString m_before;
};

LimitValidator *validatorOf(const QLineEdit *edit)
{
    return dynamic_cast<LimitValidator *>(const_cast<QValidator *>(edit->validator()));
}

} // namespace

void setTextLimit(QLineEdit *edit, int limit)
{
    LimitValidator *validator = validatorOf(edit);
    if (!validator) {
        validator = new LimitValidator(edit);
        edit->setValidator(validator);
    }
    validator->limit = limit;
}

void putText(QLineEdit *edit, const QString &text)
{
    const LimitValidator *validator = validatorOf(edit);
    const int limit = validator ? validator->limit : 0;
    edit->setText(limit > 0 ? text.left(limit) : text);
}

} // namespace kirvano
