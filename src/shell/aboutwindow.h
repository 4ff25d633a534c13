#pragma once

#include "twips.h"

#include <QWidget>

class QLabel;

namespace kirvano {

class QtWindow;

// frmabout: what the product is and who makes it. A fixed dialog owned by
// the main window, created hidden and disabled; the "&About" command shows
// and enables it. It deletes itself once closed, so every opening is fresh.
class AboutWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *mainWindow);

    QtWindow *adapter() const { return m_adapter; }

    static constexpr int ClientWidth = 5595;
    static constexpr int ClientHeight = 3765;
    static const QString PicturePath;
    static const QString Description;
    static const QString Credits;

private:
    QLabel *addLabel(const char *name, const QString &text, TwipRect rect);
    void centreOn(const QWidget *owner);

    QtWindow *m_adapter;
};

} // namespace kirvano
