#include "qtmediaplayer.h"

#include "soundworker.h"

#include <QDebug>
#include <QThread>

namespace kirvano {

QtMediaPlayer::QtMediaPlayer(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("wmp1"));
    startWorker();
}

QtMediaPlayer::~QtMediaPlayer()
{
    m_thread->quit();
    if (m_thread->wait(StuckAfterMs))
        delete m_thread; // the worker went with the thread's end
    else
        abandonWorker();
}

void QtMediaPlayer::startWorker()
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("wmp1"));
    m_worker = new SoundWorker(Volume / 100.0f);
    m_worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread->start();
    SoundWorker *worker = m_worker;
    QMetaObject::invokeMethod(
        worker, [worker] { worker->init(); }, Qt::BlockingQueuedConnection);
}

void QtMediaPlayer::abandonWorker()
{
    // A thread stuck inside the media framework cannot be stopped or
    // destroyed safely: it is left as it is, still reachable.
    static QList<QThread *> stuck;
    stuck.append(m_thread);
    ++m_abandoned;
    m_thread = nullptr;
    m_worker = nullptr;
}

void QtMediaPlayer::play(const QString &path)
{
    if (m_worker->busyFor() > StuckAfterMs) {
        qWarning().noquote() << "wmp1: the player is stuck; a new one takes over";
        abandonWorker();
        startWorker();
    }
    SoundWorker *worker = m_worker;
    worker->requested();
    QMetaObject::invokeMethod(
        worker, [worker, path] { worker->play(path); }, Qt::QueuedConnection);
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
