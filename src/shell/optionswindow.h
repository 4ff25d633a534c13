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
    void findControls();
    void connectHandlers();
    void coverPageList();
    void focusIntoView();
    void fillFromSettings();

    void Textlog_Click();
    void Textlog_Change();
    void Cmdlog_Click();
    void lstopt_Click();
    void Cmdimp_Click();
    void Cmdrstcnt_Click();
    void Textnewpass_Click();
    void Textnewpass_Change();
    void Cmdpass_Click();

    // The controls the behaviour touches, by their designed names.
    struct Controls
    {
        QWidget *Framelog;
        QLineEdit *Textlog;
        QLabel *Lbkopass;
        QPushButton *Cmdlog;
        QListWidget *lstopt;
        QWidget *Frametmp;
        QLineEdit *TextMin_A;
        QLineEdit *TextMin_B;
        QPushButton *Cmdimp;
        QLabel *Lbokmin;
        QWidget *Framecnt;
        QLabel *Lbcnt_a;
        QLabel *Lbcnt_b;
        QPushButton *Cmdrstcnt;
        QWidget *Framepass;
        QLineEdit *Textnewpass;
        QPushButton *Cmdpass;
        QLabel *lbokpass;
    };

    OptionsHost &m_host;
    Controls m_c{};
    QtWindow *m_adapter = nullptr;
    Qt::FocusPolicy m_pageListFocus = Qt::StrongFocus;
    bool m_placed = false;
};

} // namespace kirvano
