#pragma once

#include <QString>

#include <memory>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace kirvano {

struct DecodedSound;

// The desktop's sound server as the alarm's player needs it, through
// libpulse (PulseAudio, or PipeWire's pulse server): a main loop thread of
// its own, one connection, and one stream a sound on the server's default
// output at the moment the sound starts. Each sound is handed to the
// server whole, so a playing sound wakes this process a few times, not
// dozens of times a second.
//
// Nothing here waits for the server. A connection that fails or ends is
// made again at the next sound; one that stops answering is dropped. Each
// outage is logged once, with the name given.
class PulseOutput
{
public:
    explicit PulseOutput(const QString &name);
    // Ends the sound in progress, closes the connection and joins the thread.
    ~PulseOutput();
    PulseOutput(const PulseOutput &) = delete;
    PulseOutput &operator=(const PulseOutput &) = delete;

    // Plays the sound from its start, ending the one in progress. Without a
    // connection it plays once one is made, unless another sound or stop()
    // comes first.
    void play(std::shared_ptr<const DecodedSound> sound, const QString &title);
    // Ends the sound in progress, or the one waiting for a connection.
    void stop();

private:
    struct Playback;

    static void contextStateChanged(pa_context *context, void *self);
    static void streamStateChanged(pa_stream *stream, void *playback);
    static void streamWritable(pa_stream *stream, size_t bytes, void *playback);
    static void streamDrained(pa_stream *stream, int success, void *playback);

    // These run with the main loop locked.
    void connect();
    void connectionChanged(pa_context *context);
    void dropConnection();
    void start(std::shared_ptr<const DecodedSound> sound, const QString &title);
    void endCurrent();
    void release(Playback *playback);
    void streamFailed(pa_stream *stream, const Playback &playback);
    void outage(const QString &why);

    const QString m_name;
    pa_threaded_mainloop *m_loop = nullptr;
    pa_context *m_context = nullptr;
    Playback *m_current = nullptr;
    std::shared_ptr<const DecodedSound> m_waiting;
    QString m_waitingTitle;
    bool m_inOutage = false;
    bool m_dropping = false; // dropConnection() is due
};

} // namespace kirvano
