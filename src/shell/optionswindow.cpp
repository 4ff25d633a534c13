#include "optionswindow.h"

#include "optionslayout.h"
#include "optionswidgets.h"
#include "placement.h"
#include "textlimit.h"

#include "platform/qt/qtwindow.h"
#include "settings/optionsrules.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace kirvano {

OptionsWindow::OptionsWindow(OptionsHost &host)
    : QDialog(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
    , m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    buildOptionsDialog(this);
    findControls();
    // The limits come after the initial texts, which are shown in full.
    setTextLimit(m_c.Textlog, optionslayout::PasswordLimit);
    setTextLimit(m_c.TextMin_A, optionslayout::MinutesLimit);
    setTextLimit(m_c.TextMin_B, optionslayout::MinutesLimit);
    setTextLimit(m_c.Textnewpass, optionslayout::PasswordLimit);
    // The prompt is selected, so typing the password replaces it.
    m_c.Textlog->selectAll();
    coverPageList();
    connectHandlers();

    m_adapter = new QtWindow(this);
    // Created hidden and disabled: opening shows and enables it.
    setEnabled(false);
}

void OptionsWindow::findControls()
{
    auto find = [this]<typename T>(T *&control, const char *name) {
        control = findChild<T *>(QString::fromLatin1(name));
        Q_ASSERT(control);
    };
    find(m_c.Framelog, "Framelog");
    find(m_c.Textlog, "Textlog");
    find(m_c.Lbkopass, "Lbkopass");
    find(m_c.Cmdlog, "Cmdlog");
    find(m_c.lstopt, "lstopt");
    find(m_c.Frametmp, "Frametmp");
    find(m_c.TextMin_A, "TextMin_A");
    find(m_c.TextMin_B, "TextMin_B");
    find(m_c.Cmdimp, "Cmdimp");
    find(m_c.Lbokmin, "Lbokmin");
    find(m_c.Framecnt, "Framecnt");
    find(m_c.Lbcnt_a, "Lbcnt_a");
    find(m_c.Lbcnt_b, "Lbcnt_b");
    find(m_c.Cmdrstcnt, "Cmdrstcnt");
    find(m_c.Framepass, "Framepass");
    find(m_c.Textnewpass, "Textnewpass");
    find(m_c.Cmdpass, "Cmdpass");
    find(m_c.lbokpass, "lbokpass");
}

void OptionsWindow::connectHandlers()
{
    // Clicks into the text boxes arrive through the event filter.
    m_c.Textlog->installEventFilter(this);
    m_c.Textnewpass->installEventFilter(this);
    connect(m_c.Textlog, &QLineEdit::textChanged, this, &OptionsWindow::Textlog_Change);
    connect(m_c.Textnewpass, &QLineEdit::textChanged, this, &OptionsWindow::Textnewpass_Change);
    // Any change of the selection, by the operator or the program.
    connect(m_c.lstopt, &QListWidget::currentRowChanged, this, &OptionsWindow::lstopt_Click);
    connect(m_c.Cmdlog, &QPushButton::clicked, this, &OptionsWindow::Cmdlog_Click);
    connect(m_c.Cmdimp, &QPushButton::clicked, this, &OptionsWindow::Cmdimp_Click);
    connect(m_c.Cmdrstcnt, &QPushButton::clicked, this, &OptionsWindow::Cmdrstcnt_Click);
    connect(m_c.Cmdpass, &QPushButton::clicked, this, &OptionsWindow::Cmdpass_Click);
}

void OptionsWindow::coverPageList()
{
    m_c.Framelog->raise();
    m_c.Framelog->installEventFilter(this);
    // The list lies beneath the login panel: no focus for it until the
    // panel is gone, or the keyboard would reach the pages without a login.
    m_pageListFocus = m_c.lstopt->focusPolicy();
    m_c.lstopt->setFocusPolicy(Qt::NoFocus);
}

void OptionsWindow::setVisible(bool visible)
{
    if (visible)
        fillFromSettings();
    QDialog::setVisible(visible);
    if (visible && !needsLogin(m_host.settings())) {
        m_c.Framelog->hide();
        m_c.Frametmp->show();
    }
}

void OptionsWindow::fillFromSettings()
{
    const Settings &s = m_host.settings();
    putText(m_c.TextMin_A, s.strMin_a);
    putText(m_c.TextMin_B, s.strMin_b);
    m_c.Lbcnt_a->setText(s.strCnt_a);
    m_c.Lbcnt_b->setText(s.StrCnt_b);
}

void OptionsWindow::Textlog_Click()
{
    putText(m_c.Textlog, QString());
    m_c.Lbkopass->hide();
}

void OptionsWindow::Textlog_Change()
{
    m_c.Lbkopass->hide();
}

void OptionsWindow::Cmdlog_Click()
{
    if (passwordMatches(m_host.settings(), m_c.Textlog->text())) {
        m_c.Framelog->hide();
        m_c.lstopt->setCurrentRow(0);
    } else {
        m_c.Lbkopass->show();
    }
}

void OptionsWindow::lstopt_Click()
{
    switch (pageOf(m_c.lstopt->currentRow())) {
    case OptionsPage::Tempo:
        m_c.Frametmp->show();
        m_c.Framecnt->hide();
        m_c.Framepass->hide();
        m_c.Cmdimp->setDefault(true);
        m_c.Lbokmin->hide();
        break;
    case OptionsPage::Contatore:
        m_c.Framecnt->show();
        m_c.Frametmp->hide();
        m_c.Framepass->hide();
        break;
    case OptionsPage::Password:
        m_c.Framepass->show();
        m_c.Frametmp->hide();
        m_c.Framecnt->hide();
        m_c.lbokpass->hide();
        // The order matters: putting the prompt in is a change, which enables
        // the button; the last step disables it again.
        setTextLimit(m_c.Textnewpass, 0);
        putText(m_c.Textnewpass, QStringLiteral("New-Password"));
        setTextLimit(m_c.Textnewpass, optionslayout::PasswordLimit);
        m_c.Cmdpass->setEnabled(false);
        break;
    case OptionsPage::None:
        break;
    }
}

void OptionsWindow::Cmdimp_Click()
{
    for (QLineEdit *box : {m_c.TextMin_A, m_c.TextMin_B})
        putText(box, minutesFromText(box->text()));

    Settings &s = m_host.settings();
    s.strMin_a = minutesFromText(m_c.TextMin_A->text());
    s.strMin_b = minutesFromText(m_c.TextMin_B->text());
    // The minutes hold in memory either way; a failed save has been
    // reported, and must not be confirmed as well.
    if (m_host.SaveSetting())
        m_c.Lbokmin->show();
}

void OptionsWindow::Cmdrstcnt_Click()
{
    m_c.Lbcnt_a->setText(QStringLiteral("0"));
    m_c.Lbcnt_b->setText(QStringLiteral("0"));
    resetCounters(m_host.settings());
    m_host.SaveSetting();
}

void OptionsWindow::Textnewpass_Click()
{
    putText(m_c.Textnewpass, QString());
}

void OptionsWindow::Textnewpass_Change()
{
    m_c.Cmdpass->setEnabled(true);
    m_c.Cmdpass->setDefault(true);
}

void OptionsWindow::Cmdpass_Click()
{
    if (!changePassword(m_host.settings(), m_c.Textnewpass->text())) {
        m_host.messageBox().show(UnstorablePasswordText, mb::OkOnly | mb::Exclamation);
        return;
    }
    if (m_host.SaveSetting())
        m_c.lbokpass->show();
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
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_c.Textlog)
            Textlog_Click();
        else if (watched == m_c.Textnewpass)
            Textnewpass_Click();
    } else if (watched == m_c.Framelog) {
        if (event->type() == QEvent::ShowToParent) {
            m_c.lstopt->setFocusPolicy(Qt::NoFocus);
        } else if (event->type() == QEvent::HideToParent) {
            m_c.lstopt->setFocusPolicy(m_pageListFocus);
            // The focus may be left on the hidden panel; once the handler
            // that hid it has shown a page, it moves on to what is in view.
            QMetaObject::invokeMethod(this, &OptionsWindow::focusIntoView, Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace kirvano
