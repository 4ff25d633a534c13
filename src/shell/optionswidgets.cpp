#include "optionswidgets.h"

#include "optionslayout.h"

#include "fonts.h"

#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kirvano {

namespace {

using namespace optionslayout;

// Qt's item views make their first item current when they get the focus;
// here that would select a page that the operator never chose.
class PageList : public QListWidget
{
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent *event) override
    {
        m_gettingFocus = true;
        QListWidget::focusInEvent(event);
        m_gettingFocus = false;
    }

    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        if (m_gettingFocus)
            return {};
        return QListWidget::moveCursor(action, modifiers);
    }

private:
    bool m_gettingFocus = false;
};

QWidget *createWidget(const ControlSpec &drawn, QWidget *parent)
{
    const QString text = QString::fromLatin1(drawn.text);
    switch (drawn.kind) {
    case Frame: {
        auto *frame = new QGroupBox(text, parent);
        // Opaque, so the login panel hides what lies beneath it.
        frame->setAutoFillBackground(true);
        return frame;
    }
    case Label: {
        auto *label = new QLabel(text, parent);
        label->setAlignment(Qt::AlignTop
                            | (drawn.flags & Centred   ? Qt::AlignHCenter
                               : drawn.flags & Counter ? Qt::AlignRight
                                                       : Qt::AlignLeft));
        label->setWordWrap(!(drawn.flags & FitsText));
        return label;
    }
    case TextBox: {
        auto *edit = new QLineEdit(text, parent);
        edit->setAlignment(Qt::AlignCenter);
        return edit;
    }
    case Button: {
        auto *button = new QPushButton(text, parent);
        // Only the button the dialog names as its default answers Enter;
        // a button does not become the default by taking the focus.
        button->setAutoDefault(false);
        button->setDefault(drawn.flags & Default);
        return button;
    }
    case List: {
        auto *list = new PageList(parent);
        for (const char *item : PageItems)
            list->addItem(QString::fromLatin1(item));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    }
    }
    return nullptr;
}

void applyLook(QWidget *widget, const ControlSpec &drawn)
{
    if (drawn.font.face)
        widget->setFont(designFont(drawn.font));

    if (drawn.flags & Red) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
        widget->setPalette(palette);
    }
    if (drawn.flags & Counter) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::HighlightedText));
        widget->setPalette(palette);
        widget->setAutoFillBackground(true);
        auto *label = qobject_cast<QLabel *>(widget);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(2);
    }

    QRect geometry = drawn.rect.toPixels();
    if (drawn.flags & FitsText) {
        // Drawn for a face that may be missing: never cut the text when the
        // substitute is wider.
        geometry.setSize(geometry.size().expandedTo(widget->sizeHint()));
    }
    widget->setGeometry(geometry);

    widget->setVisible(!(drawn.flags & Hidden));
    widget->setEnabled(!(drawn.flags & Disabled));
}

void orderTabs(QWidget *dialog)
{
    QWidget *previous = nullptr;
    for (const char *name : TabOrder) {
        QWidget *widget = dialog->findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

} // namespace

void buildOptionsDialog(QWidget *dialog)
{
    dialog->setObjectName(QStringLiteral("frmoption"));
    dialog->setWindowTitle(Caption);
    dialog->setWindowIcon(QIcon(IconPath));
    dialog->setFont(designFont(WindowFont));
    dialog->setFixedSize(px(ClientWidth), px(ClientHeight));

    QHash<QString, QWidget *> containers;
    for (const ControlSpec &drawn : Controls) {
        QWidget *parent = drawn.container ? containers.value(QString::fromLatin1(drawn.container)) : dialog;
        QWidget *widget = createWidget(drawn, parent);
        widget->setObjectName(QString::fromLatin1(drawn.name));
        applyLook(widget, drawn);
        if (drawn.kind == Frame)
            containers.insert(widget->objectName(), widget);
    }
    orderTabs(dialog);
}

} // namespace kirvano
