#pragma once

#include "platform/control.h"
#include "platform/listbox.h"
#include "platform/textbox.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPointer>

namespace kirvano {

// IVisual on any widget: a frame or panel.
class QtVisual : public QObject, public IVisual
{
    Q_OBJECT
public:
    explicit QtVisual(QWidget *widget) : QObject(widget), m_widget(widget) {}
    void setVisible(bool visible) override { m_widget->setVisible(visible); }
    bool isVisible() const override { return !m_widget->isHidden(); }

private:
    QPointer<QWidget> m_widget;
};

// ILabel on a QLabel. Visibility is the label's own flag, so it reads
// back the same whether or not its window is on screen.
class QtLabel : public QObject, public ILabel
{
    Q_OBJECT
public:
    explicit QtLabel(QLabel *label) : QObject(label), m_label(label) {}
    void setVisible(bool visible) override { m_label->setVisible(visible); }
    bool isVisible() const override { return !m_label->isHidden(); }
    void setText(const QString &text) override { m_label->setText(text); }
    QString text() const override { return m_label->text(); }

private:
    QPointer<QLabel> m_label;
};

// ITextBox on a QLineEdit with a limit of its own: it cuts typed text and
// text put in by the program, but a text that is already longer than the
// limit stays as it is (QLineEdit's own maxLength would cut it).
class QtTextBox : public QObject, public ITextBox
{
    Q_OBJECT
public:
    explicit QtTextBox(QLineEdit *edit);

    QString text() const override { return m_edit->text(); }
    void setText(const QString &text) override;
    int maxLength() const override { return m_max; }
    void setMaxLength(int length) override { m_max = length; }

    QLineEdit *widget() const { return m_edit; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QLineEdit> m_edit;
    int m_max = 0;
};

// IListBox on a QListWidget; every change of the current row raises the event.
class QtListBox : public QObject, public IListBox
{
    Q_OBJECT
public:
    explicit QtListBox(QListWidget *list);

    int currentIndex() const override { return m_list->currentRow(); }
    void setCurrentIndex(int index) override { m_list->setCurrentRow(index); }

private:
    QPointer<QListWidget> m_list;
};

} // namespace kirvano
