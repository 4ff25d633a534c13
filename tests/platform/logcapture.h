#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace kirvano::test {

// Collects what is written to the log while it lives, and passes it on.
class LogCapture
{
public:
    LogCapture()
    {
        s_active = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        s_active = nullptr;
    }
    LogCapture(const LogCapture &) = delete;
    LogCapture &operator=(const LogCapture &) = delete;

    bool contains(const QString &text) const { return !m_lines.filter(text).isEmpty(); }
    const QStringList &lines() const { return m_lines; }

private:
    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (s_active) {
            s_active->m_lines << message;
            if (s_active->m_previous)
                s_active->m_previous(type, context, message);
        }
    }

    static inline LogCapture *s_active = nullptr;
    QtMessageHandler m_previous = nullptr;
    QStringList m_lines;
};

} // namespace kirvano::test
