#include "qtmediaplayer.h"

#include "pulseoutput.h"
#include "soundworker.h"

#include <QDebug>
#include <QThread>

namespace kirvano {

namespace {

// Ends a player's thread: true when it has ended within the time given.
bool endThread(QThread *thread, int waitMs)
{
    thread->quit();
    if (!thread->wait(waitMs))
        return false;
    delete thread; // the worker went with the thread's end
    return true;
}

} // namespace

QtMediaPlayer::QtMediaPlayer(QObject *parent) : QObject(parent), m_output(std::make_shared<PulseOutput>("wmp1"))
{
    setObjectName(QStringLiteral("wmp1"));
    startWorker();
}

QtMediaPlayer::~QtMediaPlayer()
{
    // A thread still stuck after that is left as it is, still reachable,
    // and keeps the output it plays on.
    if (!endThread(m_thread, StuckAfterMs))
        qWarning().noquote() << "wmp1: the player's thread does not end; it is left behind";
    if (m_leftBehind && !endThread(m_leftBehind, StuckAfterMs))
        qWarning().noquote() << "wmp1: a stuck player's thread does not end; it is left behind";
}

void QtMediaPlayer::startWorker()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("wmp1"));
    m_worker = new SoundWorker(Volume / 100.0f, m_output);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
}

void QtMediaPlayer::abandonWorker()
{
    // A thread stuck cannot be stopped or destroyed safely: it is told to
    // end when it comes free, and then goes.
    m_worker->retire();
    m_thread->quit();
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_leftBehind = m_thread;
    ++m_abandoned;
    m_thread = nullptr;
    m_worker = nullptr;
}

void QtMediaPlayer::play(const QString &path)
{
    if (m_worker->busyFor() > StuckAfterMs && !m_leftBehind) {
        qWarning().noquote() << "wmp1: the player is stuck; a new one takes over";
        abandonWorker();
        startWorker();
    }
    SoundWorker *worker = m_worker;
    worker->request(path);
    QMetaObject::invokeMethod(
        worker, [worker] { worker->playRequested(); }, Qt::QueuedConnection);
}

QObject *QtMediaPlayer::worker() const
{
    return m_worker;
}

float QtMediaPlayer::volume() const
{
    return m_worker->volume();
}

} // namespace kirvano
