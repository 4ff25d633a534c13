#pragma once

#include "platform/button.h"

#include <QObject>
#include <QPointer>
#include <QPushButton>

#include <functional>

namespace kirvano {

// IButton on a QPushButton. The font keeps its designed weight; face and
// size follow the logic. A seven-segment substitute that is wider than the
// face it stands in for is shrunk until the caption fits the button.
class QtButton : public QObject, public IButton
{
    Q_OBJECT
public:
    QtButton(QPushButton *button, bool bold);

    void setCaption(const QString &caption) override;
    QString caption() const override;
    void setFontName(const QString &name) override;
    QString fontName() const override { return m_face; }
    void setFontSize(double points) override;
    double fontSize() const override { return m_points; }
    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    void setDefault(bool isDefault) override;
    bool isDefault() const override;

    QPushButton *widget() const { return m_button; }

    // Called after every change of the caption.
    std::function<void()> captionChanged;

private:
    void applyFont();

    QPointer<QPushButton> m_button;
    QString m_face;
    double m_points;
    bool m_bold;
};

} // namespace kirvano
