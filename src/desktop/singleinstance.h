#pragma once

#include "platform/callback.h"

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace kirvano {

// One board per settings file: two boards on one file would each overwrite
// the other's counters. The first start holds a lock beside the settings
// file and listens on a local socket named after it; a later start finds
// the lock held, asks the running board to come to the front and ends.
class SingleInstance : public QObject
{
public:
    explicit SingleInstance(const QString &settingsPath);
    ~SingleInstance() override;

    // Whether this process may run the board: true when it took the lock,
    // or when no lock can be made at all (an unwritable folder, where the
    // saves will say so); false when another board holds the file.
    bool claim();

    // Stops answering later starts and lets go of the lock. Done by itself
    // as the event loop ends: a board that no longer answers must not keep
    // a later start from becoming the board while it shuts down.
    void release();

    // In a later start: asks the running board to come to the front.
    // False when it did not answer, so it could not be brought forward.
    bool askRunningBoardToComeForward() const;

    // In the board: raised when a later start asks it to come forward, with
    // the activation token that start came with (empty without one).
    Callback<void(const QString &activationToken)> onComeForward;

private:
    void listen();
    void answerLaterStarts();

    QString m_settingsPath;
    QString m_socketName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace kirvano
