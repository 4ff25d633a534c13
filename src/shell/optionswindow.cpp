#include "optionswindow.h"

#include "controlbuilder.h"
#include "fonts.h"
#include "optionslayout.h"
#include "placement.h"
#include "textlimit.h"

#include "platform/qt/qtwindow.h"
#include "settings/optionsrules.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
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
    using namespace optionslayout;
    setObjectName(QStringLiteral("frmoption"));
    setWindowTitle(Caption);
    setWindowIcon(QIcon(IconPath));
    setFont(designFont(WindowFont));
    setFixedSize(px(ClientWidth), px(ClientHeight));
    setAttribute(Qt::WA_DeleteOnClose);

    const BuiltControls built = buildControls(this, Controls, TabOrder);
    m_loginPanel = built.at<QGroupBox>(LoginPanel);
    m_loginBox = built.at<QLineEdit>(LoginBox);
    m_wrongPassword = built.at<QLabel>(WrongPassword);
    m_logIn = built.at<QPushButton>(LogIn);
    m_pageList = built.at<QListWidget>(PageList);
    m_tempoPage = built.at<QGroupBox>(TempoPage);
    m_minutesA = built.at<QLineEdit>(MinutesA);
    m_minutesB = built.at<QLineEdit>(MinutesB);
    m_minutesSaved = built.at<QLabel>(MinutesSaved);
    m_setMinutes = built.at<QPushButton>(SetMinutes);
    m_counterPage = built.at<QGroupBox>(CounterPage);
    m_counterA = built.at<QLabel>(CounterA);
    m_counterB = built.at<QLabel>(CounterB);
    m_resetCounters = built.at<QPushButton>(ResetCounters);
    m_passwordPage = built.at<QGroupBox>(PasswordPage);
    m_newPassword = built.at<QLineEdit>(NewPassword);
    m_changePassword = built.at<QPushButton>(ChangePassword);
    m_passwordSaved = built.at<QLabel>(PasswordSaved);

    // The limits come after the initial texts, which are shown in full.
    setTextLimit(m_loginBox, PasswordLimit);
    setTextLimit(m_minutesA, MinutesLimit);
    setTextLimit(m_minutesB, MinutesLimit);
    setTextLimit(m_newPassword, PasswordLimit);
    // The prompt is selected, so typing the password replaces it.
    m_loginBox->selectAll();
    coverPageList();
    connectHandlers();

    m_adapter = new QtWindow(this);
    // Created hidden and disabled: opening shows and enables it.
    setEnabled(false);
}

void OptionsWindow::connectHandlers()
{
    // Clicks into the text boxes arrive through the event filter.
    m_loginBox->installEventFilter(this);
    m_newPassword->installEventFilter(this);
    connect(m_loginBox, &QLineEdit::textChanged, this, &OptionsWindow::onLoginBoxEdited);
    connect(m_newPassword, &QLineEdit::textChanged, this, &OptionsWindow::onNewPasswordEdited);
    // Any change of the selection, by the operator or the program.
    connect(m_pageList, &QListWidget::currentRowChanged, this, &OptionsWindow::onPageChosen);
    connect(m_logIn, &QPushButton::clicked, this, &OptionsWindow::onLogInClicked);
    connect(m_setMinutes, &QPushButton::clicked, this, &OptionsWindow::onSetMinutesClicked);
    connect(m_resetCounters, &QPushButton::clicked, this, &OptionsWindow::onResetClicked);
    connect(m_changePassword, &QPushButton::clicked, this, &OptionsWindow::onChangePasswordClicked);
}

void OptionsWindow::coverPageList()
{
    m_loginPanel->raise();
    m_loginPanel->installEventFilter(this);
    // The list lies beneath the login panel: no focus for it until the
    // panel is gone, or the keyboard would reach the pages without a login.
    m_pageListFocus = m_pageList->focusPolicy();
    m_pageList->setFocusPolicy(Qt::NoFocus);
}

void OptionsWindow::setVisible(bool visible)
{
    if (visible)
        fillFromSettings();
    QDialog::setVisible(visible);
    if (visible && !needsLogin(m_host.settings())) {
        m_loginPanel->hide();
        m_tempoPage->show();
    }
}

void OptionsWindow::fillFromSettings()
{
    const Settings &s = m_host.settings();
    putText(m_minutesA, s.minutesA);
    putText(m_minutesB, s.minutesB);
    m_counterA->setText(s.counterA);
    m_counterB->setText(s.counterB);
}

void OptionsWindow::onLoginBoxClicked()
{
    putText(m_loginBox, QString());
    m_wrongPassword->hide();
}

void OptionsWindow::onLoginBoxEdited()
{
    m_wrongPassword->hide();
}

void OptionsWindow::onLogInClicked()
{
    if (passwordMatches(m_host.settings(), m_loginBox->text())) {
        m_loginPanel->hide();
        m_pageList->setCurrentRow(0);
    } else {
        m_wrongPassword->show();
    }
}

void OptionsWindow::onPageChosen()
{
    switch (pageOf(m_pageList->currentRow())) {
    case OptionsPage::Tempo:
        m_tempoPage->show();
        m_counterPage->hide();
        m_passwordPage->hide();
        m_setMinutes->setDefault(true);
        m_minutesSaved->hide();
        break;
    case OptionsPage::Contatore:
        m_counterPage->show();
        m_tempoPage->hide();
        m_passwordPage->hide();
        break;
    case OptionsPage::Password:
        m_passwordPage->show();
        m_tempoPage->hide();
        m_counterPage->hide();
        m_passwordSaved->hide();
        // The order matters: putting the prompt in is a change, which enables
        // the button; the last step disables it again.
        setTextLimit(m_newPassword, 0);
        putText(m_newPassword, QStringLiteral("New-Password"));
        setTextLimit(m_newPassword, optionslayout::PasswordLimit);
        m_changePassword->setEnabled(false);
        break;
    case OptionsPage::None:
        break;
    }
}

void OptionsWindow::onSetMinutesClicked()
{
    for (QLineEdit *box : {m_minutesA, m_minutesB})
        putText(box, minutesFromText(box->text()));

    Settings &s = m_host.settings();
    s.minutesA = minutesFromText(m_minutesA->text());
    s.minutesB = minutesFromText(m_minutesB->text());
    // The minutes hold in memory either way; a failed save has been
    // reported, and must not be confirmed as well.
    if (m_host.saveSettings())
        m_minutesSaved->show();
}

void OptionsWindow::onResetClicked()
{
    m_counterA->setText(QStringLiteral("0"));
    m_counterB->setText(QStringLiteral("0"));
    resetCounters(m_host.settings());
    m_host.saveSettings();
}

void OptionsWindow::onNewPasswordBoxClicked()
{
    putText(m_newPassword, QString());
}

void OptionsWindow::onNewPasswordEdited()
{
    m_changePassword->setEnabled(true);
    m_changePassword->setDefault(true);
}

void OptionsWindow::onChangePasswordClicked()
{
    if (!changePassword(m_host.settings(), m_newPassword->text())) {
        m_host.messageBox().show(UnstorablePasswordText, MessageButtons::Ok, MessageIcon::Exclamation);
        return;
    }
    if (m_host.saveSettings())
        m_passwordSaved->show();
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
        if (watched == m_loginBox)
            onLoginBoxClicked();
        else if (watched == m_newPassword)
            onNewPasswordBoxClicked();
    } else if (watched == m_loginPanel) {
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
