#include "controlbuilder.h"

#include "fonts.h"
#include "ledshape.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kirvano {

namespace {

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

QLabel *createLabel(const ControlSpec &drawn, QWidget *parent)
{
    auto *label = new QLabel(parent);
    // Plain text keeps the runs of spaces that break the lines of a label
    // that wraps; rich text would collapse them.
    label->setTextFormat(Qt::PlainText);
    label->setText(drawn.text);
    label->setAlignment(Qt::AlignTop
                        | (drawn.flags & Centred   ? Qt::AlignHCenter
                           : drawn.flags & Counter ? Qt::AlignRight
                                                   : Qt::AlignLeft));
    label->setWordWrap(drawn.flags & Wraps);
    if (drawn.flags & OnPicture) {
        // The photograph shows around the letters, and clicks go through.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, QGuiApplication::palette().color(QPalette::HighlightedText));
        label->setPalette(palette);
    }
    if (drawn.flags & Counter) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, palette.color(QPalette::HighlightedText));
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
        label->setIndent(2);
    }
    return label;
}

QWidget *createWidget(const ControlSpec &drawn, QWidget *parent)
{
    switch (drawn.kind) {
    case ControlKind::Frame:
        return new QGroupBox(drawn.text, parent);
    case ControlKind::Label:
        return createLabel(drawn, parent);
    case ControlKind::TextBox: {
        auto *edit = new QLineEdit(drawn.text, parent);
        edit->setAlignment(drawn.flags & Centred ? Qt::AlignCenter : Qt::AlignLeft);
        return edit;
    }
    case ControlKind::Button: {
        auto *button = new QPushButton(drawn.text, parent);
        // Only the button the window names as its default answers Enter;
        // a button does not become the default by taking the focus.
        button->setAutoDefault(false);
        button->setDefault(drawn.flags & Default);
        button->setToolTip(drawn.toolTip);
        return button;
    }
    case ControlKind::List: {
        auto *list = new PageList(parent);
        list->addItems(drawn.text.split(QLatin1Char('\n')));
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    }
    case ControlKind::Picture: {
        auto *picture = new QLabel(parent);
        picture->setPixmap(QPixmap(drawn.text));
        picture->setScaledContents(drawn.flags & Stretched);
        return picture;
    }
    case ControlKind::Shape:
        return new LedShape(drawn.colour, parent);
    }
    return nullptr;
}

void place(QWidget *widget, const ControlSpec &drawn)
{
    QRect geometry = drawn.rect.toPixels();
    // Drawn for a face that may be missing: never cut the text when the
    // substitute is wider.
    if (drawn.flags & FitsText)
        geometry.setSize(geometry.size().expandedTo(widget->sizeHint()));
    if (drawn.flags & TakesTextSize)
        geometry.setSize(widget->sizeHint());
    widget->setGeometry(geometry);
}

} // namespace

BuiltControls buildControls(QWidget *window, std::span<const ControlSpec> table, std::span<const int> tabOrder)
{
    std::vector<QWidget *> widgets;
    widgets.reserve(table.size());
    for (const ControlSpec &drawn : table) {
        QWidget *parent = drawn.container == NoContainer ? window : widgets.at(drawn.container);
        QWidget *widget = createWidget(drawn, parent);
        widget->setObjectName(drawn.name);
        if (drawn.font.face)
            widget->setFont(designFont(drawn.font));
        if (drawn.flags & Red) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
            widget->setPalette(palette);
        }
        if (drawn.flags & Opaque)
            widget->setAutoFillBackground(true);
        place(widget, drawn);
        if (drawn.flags & Hidden)
            widget->hide();
        widget->setEnabled(!(drawn.flags & Disabled));
        widgets.push_back(widget);
    }
    for (size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(widgets.at(tabOrder[i - 1]), widgets.at(tabOrder[i]));
    return BuiltControls(std::move(widgets));
}

} // namespace kirvano
