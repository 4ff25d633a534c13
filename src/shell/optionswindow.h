#pragma once

#include "app/optionshost.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kirvano {

class QtWindow;

// frmoption: behind a password, the minutes per unit of both groups, the
// two counters with their reset, and a new password; every command saves at
// once. The dialog keeps no data of its own: its controls are its state,
// filled from the settings each time it is shown, and every opening is a new
// dialog. A top-level window of its own (no owner, own taskbar entry),
// created hidden and disabled; it deletes itself once its close request is
// accepted. Every way of closing it, Escape included, goes through that
// request.
class OptionsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsWindow(OptionsHost &host);

    // The handle the main window opens and closes it by.
    QtWindow *adapter() const { return m_adapter; }

    // Showing is the dialog's part of the "&Option" command: the boxes and
    // counters are filled from the settings first, and without a password
    // the login panel makes way for the "Tempo" page.
    void setVisible(bool visible) override;

public Q_SLOTS:
    // accept(), reject() and Escape end here: they close the window.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectHandlers();
    void coverPageList();
    void focusIntoView();
    void fillFromSettings();

    void onLoginBoxClicked();
    void onLoginBoxEdited();
    void onLogInClicked();
    void onPageChosen();
    void onSetMinutesClicked();
    void onResetClicked();
    void onNewPasswordBoxClicked();
    void onNewPasswordEdited();
    void onChangePasswordClicked();

    OptionsHost &m_host;

    // The controls the behaviour touches.
    QWidget *m_loginPanel;
    QLineEdit *m_loginBox;
    QLabel *m_wrongPassword;
    QPushButton *m_logIn;
    QListWidget *m_pageList;
    QWidget *m_tempoPage;
    QLineEdit *m_minutesA;
    QLineEdit *m_minutesB;
    QLabel *m_minutesSaved;
    QPushButton *m_setMinutes;
    QWidget *m_counterPage;
    QLabel *m_counterA;
    QLabel *m_counterB;
    QPushButton *m_resetCounters;
    QWidget *m_passwordPage;
    QLineEdit *m_newPassword;
    QPushButton *m_changePassword;
    QLabel *m_passwordSaved;

    QtWindow *m_adapter = nullptr;
    Qt::FocusPolicy m_pageListFocus = Qt::StrongFocus;
    bool m_placed = false;
};

} // namespace kirvano
