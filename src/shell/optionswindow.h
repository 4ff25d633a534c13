#pragma once

#include "settings/optionsdialog.h"

#include <QDialog>

#include <memory>

class QWidget;

namespace kirvano {

class QtWindow;

// frmoption: the options dialog's widgets as drawn, driven by OptionsDialog.
// A top-level window of its own (no owner, own taskbar entry), created
// hidden and disabled; it deletes itself once its close request is accepted.
// Every way of closing it, Escape included, goes through that request.
class OptionsWindow : public QDialog
{
    Q_OBJECT
public:
    explicit OptionsWindow(OptionsHost &host);
    ~OptionsWindow() override;

    OptionsDialog &dialog() { return *m_dialog; }

public Q_SLOTS:
    // accept(), reject() and Escape end here: they close the window.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void orderTabs();
    void coverPageList();
    void focusIntoView();
    void connectLogic(OptionsHost &host);
    template<typename T>
    T *control(const char *name) const;

    QWidget *m_loginPanel = nullptr;
    QWidget *m_pageList = nullptr;
    Qt::FocusPolicy m_pageListFocus = Qt::StrongFocus;
    QtWindow *m_adapter = nullptr;
    std::unique_ptr<OptionsDialog> m_dialog;
    bool m_placed = false;
};

} // namespace kirvano
