#include "optionswindow.h"

#include "placement.h"

#include "twips.h"

#include "platform/qt/fonts.h"
#include "platform/qt/qtbutton.h"
#include "platform/qt/qtcontrols.h"
#include "platform/qt/qtwindow.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

namespace kirvano {

namespace {

constexpr int ClientWidth = 4950;  // 330 px
constexpr int ClientHeight = 3015; // 201 px

enum Kind { Frame, Label, TextBox, Button, List };

struct FontSpec
{
    const char *face; // nullptr: the container's font
    double points;
    bool bold;
};

constexpr FontSpec Inherited{nullptr, 0, false};
constexpr FontSpec Sans975{"MS Sans Serif", 9.75, false};
constexpr FontSpec Sans975Bold{"MS Sans Serif", 9.75, true};
constexpr FontSpec Sans12{"MS Sans Serif", 12, false};
constexpr FontSpec Arial1425{"Arial", 14.25, false};

enum Flag {
    Plain = 0,
    Hidden = 1,
    Disabled = 2,
    FitsText = 4,  // a label that grows to its text on one line
    Centred = 8,
    Red = 16,      // text colour 0x0000FF
    Counter = 32,  // highlight-text background, single border, right-aligned
};

struct ControlSpec
{
    const char *name;
    Kind kind;
    const char *container; // nullptr: the dialog's client area
    TwipRect rect;
    const char *text;
    FontSpec font;
    int flags;
};

// The dialog as drawn, in twips. Containers come before their controls,
// and later controls lie above earlier ones: the three pages lie on top of
// each other to the right of the list, and the login panel, made last,
// covers them all.
constexpr ControlSpec Layout[] = {
    {"lstopt", List, nullptr, {120, 240, 975, 2595}, nullptr, Inherited, Plain},

    {"Frametmp", Frame, nullptr, {1200, 120, 3615, 2775}, "Tempo", Inherited, Hidden},
    {"Label34", Label, "Frametmp", {1440, 240, 510, 240}, "Minuti", Sans975, FitsText},
    {"Label2", Label, "Frametmp", {600, 840, 1095, 255}, "Gruppo A", Sans975Bold, Plain},
    {"TextMin_A", TextBox, "Frametmp", {1920, 720, 735, 375}, "0", Sans12, Centred},
    {"Label4", Label, "Frametmp", {600, 1440, 1095, 255}, "Gruppo B", Sans975Bold, Plain},
    {"TextMin_B", TextBox, "Frametmp", {1920, 1320, 735, 375}, "0", Sans12, Centred},
    {"Lbokmin", Label, "Frametmp", {1560, 1800, 345, 300}, "OK", Sans12, Hidden | FitsText | Centred | Red},
    {"Cmdimp", Button, "Frametmp", {1200, 2160, 1095, 375}, "Imposta", Inherited, Plain},

    {"Framecnt", Frame, nullptr, {1200, 120, 3615, 2775}, "Contatore", Inherited, Hidden},
    {"Label3", Label, "Framecnt", {960, 240, 1650, 240}, "Contatore globlale", Sans975, FitsText},
    {"Label5", Label, "Framecnt", {480, 840, 1095, 255}, "Gruppo A", Sans975Bold, Plain},
    {"Lbcnt_a", Label, "Framecnt", {1920, 720, 1140, 360}, "0", Arial1425, Counter},
    {"Label6", Label, "Framecnt", {480, 1440, 1095, 255}, "Gruppo B", Sans975Bold, Plain},
    {"Lbcnt_b", Label, "Framecnt", {1920, 1320, 1140, 360}, "0", Arial1425, Counter},
    {"Cmdrstcnt", Button, "Framecnt", {1200, 2160, 1095, 375}, "Reset", Inherited, Plain},

    {"Framepass", Frame, nullptr, {1200, 120, 3615, 2775}, "Password", Inherited, Hidden},
    {"Textnewpass", TextBox, "Framepass", {960, 1080, 1575, 315}, "New-Password", Inherited, Centred},
    {"Cmdpass", Button, "Framepass", {960, 1560, 1575, 375}, "Cambia Password", Inherited, Disabled},
    {"lbokpass", Label, "Framepass", {360, 2040, 2850, 240}, "Password salvata consuccesso", Sans975,
     Hidden | FitsText | Red},
    {"Label1", Label, "Framepass", {360, 2400, 2970, 195}, "Ricordati di scrivere e salvare la password", Inherited,
     FitsText},

    {"Framelog", Frame, nullptr, {120, 120, 4695, 2775}, "", Inherited, Plain},
    {"Lblogin", Label, "Framelog", {1320, 360, 1830, 240}, "Immettere Password", Sans975, FitsText},
    {"Textlog", TextBox, "Framelog", {1320, 960, 1815, 375}, "Insert password", Inherited, Centred},
    {"Lbkopass", Label, "Framelog", {1440, 1560, 1560, 240}, "Password errata !", Sans975,
     Hidden | FitsText | Centred | Red},
    {"Cmdlog", Button, "Framelog", {1320, 1920, 1815, 375}, "LogIn", Inherited, Plain},
};

// By tab index; labels and frames take no focus.
constexpr const char *TabOrder[] = {"lstopt",  "Textnewpass", "Cmdpass",   "Cmdrstcnt", "Cmdimp",
                                    "Textlog", "Cmdlog",      "TextMin_A", "TextMin_B"};

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
        return button;
    }
    case List: {
        auto *list = new PageList(parent);
        list->addItems({QStringLiteral("Tempo"), QStringLiteral("Contatore"), QStringLiteral("Password")});
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    }
    }
    return nullptr;
}

void applyLook(QWidget *widget, const ControlSpec &drawn)
{
    if (drawn.font.face)
        widget->setFont(designFont(QString::fromLatin1(drawn.font.face), drawn.font.points, drawn.font.bold));

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

} // namespace

OptionsWindow::OptionsWindow(OptionsHost &host)
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmoption"));
    setWindowTitle(QStringLiteral("Option"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/option-16.png")));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(designFont(QStringLiteral("MS Sans Serif"), 8.25, false));
    setFixedSize(px(ClientWidth), px(ClientHeight));

    buildControls();
    orderTabs();
    coverPageList();
    connectLogic(host);
    // Created hidden and disabled: opening shows and enables it.
    setEnabled(false);
}

OptionsWindow::~OptionsWindow()
{
    // The logic holds adapters owned by the child widgets: it goes first.
    m_dialog.reset();
}

template<typename T>
T *OptionsWindow::control(const char *name) const
{
    T *widget = findChild<T *>(QString::fromLatin1(name));
    Q_ASSERT(widget);
    return widget;
}

void OptionsWindow::buildControls()
{
    QHash<QString, QWidget *> containers;
    for (const ControlSpec &drawn : Layout) {
        QWidget *parent = drawn.container ? containers.value(QString::fromLatin1(drawn.container)) : this;
        QWidget *widget = createWidget(drawn, parent);
        widget->setObjectName(QString::fromLatin1(drawn.name));
        applyLook(widget, drawn);
        if (drawn.kind == Frame)
            containers.insert(widget->objectName(), widget);
    }

    // The prompt is selected, so typing the password replaces it.
    control<QLineEdit>("Textlog")->selectAll();
}

void OptionsWindow::coverPageList()
{
    m_loginPanel = control<QWidget>("Framelog");
    m_loginPanel->raise();
    m_loginPanel->installEventFilter(this);
    // The list lies beneath the login panel: no focus for it until the
    // panel is gone, or the keyboard would reach the pages without a login.
    m_pageList = control<QListWidget>("lstopt");
    m_pageListFocus = m_pageList->focusPolicy();
    m_pageList->setFocusPolicy(Qt::NoFocus);
}

void OptionsWindow::orderTabs()
{
    QWidget *previous = nullptr;
    for (const char *name : TabOrder) {
        QWidget *widget = control<QWidget>(name);
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void OptionsWindow::connectLogic(OptionsHost &host)
{
    m_adapter = new QtWindow(this);
    auto button = [this](const char *name) { return new QtButton(control<QPushButton>(name), false); };
    auto box = [this](const char *name) { return new QtTextBox(control<QLineEdit>(name)); };
    auto label = [this](const char *name) { return new QtLabel(control<QLabel>(name)); };
    auto panel = [this](const char *name) { return new QtVisual(control<QWidget>(name)); };

    // The adapters belong to their widgets. The limits of the text boxes
    // are set by the logic, after the initial texts are in.
    const OptionsControls controls{
        .frmoption = *m_adapter,
        .Framelog = *panel("Framelog"),
        .Textlog = *box("Textlog"),
        .Lbkopass = *label("Lbkopass"),
        .Cmdlog = *button("Cmdlog"),
        .lstopt = *new QtListBox(control<QListWidget>("lstopt")),
        .Frametmp = *panel("Frametmp"),
        .TextMin_A = *box("TextMin_A"),
        .TextMin_B = *box("TextMin_B"),
        .Cmdimp = *button("Cmdimp"),
        .Lbokmin = *label("Lbokmin"),
        .Framecnt = *panel("Framecnt"),
        .Lbcnt_a = *label("Lbcnt_a"),
        .Lbcnt_b = *label("Lbcnt_b"),
        .Cmdrstcnt = *button("Cmdrstcnt"),
        .Framepass = *panel("Framepass"),
        .Textnewpass = *box("Textnewpass"),
        .Cmdpass = *button("Cmdpass"),
        .lbokpass = *label("lbokpass"),
    };
    m_dialog = std::make_unique<OptionsDialog>(controls, host);
    control<QPushButton>("Cmdlog")->setDefault(true);
}

void OptionsWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_placed) {
        // Centred with its frame, which is known once it is on screen.
        m_placed = true;
        centreOnScreen(this);
    }
}

void OptionsWindow::done(int result)
{
    // QDialog would close without a close event, past the close request
    // that gives the main window its input back.
    setResult(result);
    close();
}

void OptionsWindow::closeEvent(QCloseEvent *event)
{
    // Reached once the close request has been accepted; QDialog's own
    // handler would turn the close into a reject().
    event->accept();
}

void OptionsWindow::focusIntoView()
{
    if (QWidget *focus = focusWidget(); focus && !focus->isVisible())
        focusNextChild();
}

bool OptionsWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_loginPanel) {
        if (event->type() == QEvent::ShowToParent) {
            m_pageList->setFocusPolicy(Qt::NoFocus);
        } else if (event->type() == QEvent::HideToParent) {
            m_pageList->setFocusPolicy(m_pageListFocus);
            // The focus may be left on the hidden panel; once the handler
            // that hid it has shown a page, it moves on to what is in view.
            QMetaObject::invokeMethod(this, &OptionsWindow::focusIntoView, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kirvano
