#pragma once

#include "virtualclock.h"

#include "platform/button.h"
#include "platform/mediaplayer.h"
#include "platform/messagebox.h"
#include "platform/shape.h"
#include "platform/window.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kirvano::test {

class FakeShape : public IShape
{
public:
    explicit FakeShape(Colour colour = 0x00C000) : m_colour(colour) {}
    Colour fillColor() const { return m_colour; }
    void setFillColor(Colour colour) override { m_colour = colour; }

private:
    Colour m_colour;
};

class FakeButton : public IButton
{
public:
    explicit FakeButton(QString caption = {}, QString font = QStringLiteral("Arial"), double size = 8.25)
        : m_caption(std::move(caption))
        , m_font(std::move(font))
        , m_size(size)
    {
    }
    void setCaption(const QString &caption) override { m_caption = caption; }
    QString caption() const { return m_caption; }
    void setFontName(const QString &name) override { m_font = name; }
    QString fontName() const { return m_font; }
    void setFontSize(double points) override { m_size = points; }
    double fontSize() const { return m_size; }

private:
    QString m_caption;
    QString m_font;
    double m_size;
};

// A modal message box that records every prompt. Its responder may let
// virtual time pass before it answers, as an operator who takes a while.
class FakeMessageBox : public IMessageBox
{
public:
    struct Shown
    {
        QString prompt;
        MessageButtons buttons;
        MessageIcon icon;
        QString title;

        bool is(MessageButtons b, MessageIcon i) const { return buttons == b && icon == i; }
    };
    using Responder = std::function<MessageAnswer(const Shown &)>;

    MessageAnswer show(const QString &prompt, MessageButtons buttons, MessageIcon icon, const QString &title) override;
    // Shown when the clock's loop next gets control back; at once without a clock.
    void showLater(const QString &prompt, MessageIcon icon, const QString &title) override;

    // Answers Yes/No boxes with `answer`, OK boxes with OK.
    void answerAlways(MessageAnswer answer);
    // Answers the next box with `answer` (then falls back to the responder).
    void answerNext(MessageAnswer answer) { m_queued.push_back(answer); }

    Responder responder;
    std::vector<Shown> shown;
    VirtualClock *loop = nullptr;

    int count() const { return static_cast<int>(shown.size()); }
    QStringList prompts() const;

private:
    std::vector<MessageAnswer> m_queued;
};

class FakeMediaPlayer : public IMediaPlayer
{
public:
    struct Play
    {
        qint64 at;
        QString path;
    };
    explicit FakeMediaPlayer(const VirtualClock *clock = nullptr) : m_clock(clock) {}
    void play(const QString &path) override { plays.push_back({m_clock ? m_clock->now() : 0, path}); }

    std::vector<Play> plays;

private:
    const VirtualClock *m_clock;
};

class FakeWindow : public IWindow
{
public:
    explicit FakeWindow(bool visible = false, bool enabled = false) : m_visible(visible), m_enabled(enabled) {}
    void show() override
    {
        m_visible = true;
        ++showCount;
    }
    void hide() override { m_visible = false; }
    bool isVisible() const override { return m_visible; }
    void setEnabled(bool enabled) override { m_enabled = enabled; }
    bool isEnabled() const override { return m_enabled; }
    // Raises the close request; the window closes unless it is cancelled.
    void close() override;

    bool closed() const { return m_closed; }
    int closeRequests = 0;
    int showCount = 0;
    std::function<void()> onClosed;

private:
    bool m_visible;
    bool m_enabled;
    bool m_closed = false;
};

} // namespace kirvano::test
