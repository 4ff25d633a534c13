#pragma once

#include <QProcess>
#include <QString>

namespace kirvano::test {

// A private PulseAudio with one null sink "test_sink", run by the test
// program itself inside its private folder, so no other test's sound reaches
// the sink it records. With KIRVANO_TEST_PIPEWIRE_RUNTIME set
// (scripts/test-pipewire), PipeWire's pulse server on the PipeWire running
// there, whose sink "test_sink" it shares.
class PrivateSoundServer
{
public:
    ~PrivateSoundServer();

    // The tools the sound tests need and do not find, empty when all are there.
    static QString missingTools();

    // Starts the server and waits, bounded, for its socket. Returns the
    // reason when it cannot.
    QString start();
    // Ends the server at once, as a server that dies.
    void kill();
    // Kills the server and starts it again on the same socket, as a desktop's
    // sound server that restarts. Returns the reason when it cannot.
    QString restart();
    qint64 pid() const { return m_process.processId(); }

    // The value clients take in PULSE_SERVER.
    QString address() const { return QStringLiteral("unix:") + m_socket; }

private:
    QString launch();
    void launchPipeWirePulse(QProcessEnvironment env, const QString &runtime);

    QProcess m_process;
    QString m_dir;
    QString m_socket;
};

} // namespace kirvano::test
