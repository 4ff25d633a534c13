#include "pulseoutput.h"

#include "decodedsound.h"

#include <QDebug>

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <utility>

namespace kirvano {

// One sound on its own stream. It belongs to its stream and goes when the
// stream has ended, whether it ended by itself, was replaced or lost its
// server.
struct PulseOutput::Playback
{
    PulseOutput *output;
    pa_stream *stream;
    std::shared_ptr<const DecodedSound> sound;
    QString title;
    size_t written = 0; // bytes
    bool current = true;
};

namespace {

// Holds the main loop's lock for a scope.
class LoopLock
{
public:
    explicit LoopLock(pa_threaded_mainloop *loop) : m_loop(loop) { pa_threaded_mainloop_lock(m_loop); }
    ~LoopLock() { pa_threaded_mainloop_unlock(m_loop); }
    LoopLock(const LoopLock &) = delete;
    LoopLock &operator=(const LoopLock &) = delete;

private:
    pa_threaded_mainloop *m_loop;
};

size_t byteCount(const DecodedSound &sound)
{
    return sound.samples.size() * sizeof(float);
}

} // namespace

PulseOutput::PulseOutput(const QString &name) : m_name(name)
{
    m_loop = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(m_loop, QStringLiteral("%1-pulse").arg(name).toUtf8().constData());
    LoopLock lock(m_loop);
    if (pa_threaded_mainloop_start(m_loop) < 0) {
        qWarning().noquote() << m_name + QStringLiteral(": the sound thread cannot start; the alarm is silent");
        return;
    }
    connect(); // early, so that the first sound need not wait for it
}

PulseOutput::~PulseOutput()
{
    {
        LoopLock lock(m_loop);
        m_waiting.reset();
        // Ends every stream with it; their playbacks go as they end.
        if (m_context)
            pa_context_disconnect(m_context);
        if (m_context) { // it had not begun to connect
            pa_context_unref(m_context);
            m_context = nullptr;
        }
    }
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

void PulseOutput::play(std::shared_ptr<const DecodedSound> sound, const QString &title)
{
    LoopLock lock(m_loop);
    endCurrent();
    if (m_context && pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        m_waiting.reset();
        start(std::move(sound), title);
        return;
    }
    m_waiting = std::move(sound);
    m_waitingTitle = title;
    if (!m_context)
        connect();
}

void PulseOutput::stop()
{
    LoopLock lock(m_loop);
    m_waiting.reset();
    endCurrent();
}

void PulseOutput::connect()
{
    pa_proplist *props = pa_proplist_new();
    pa_proplist_sets(props, PA_PROP_APPLICATION_NAME, "Kirvano");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ID, "com.marbolin.kirvano");
    pa_proplist_sets(props, PA_PROP_APPLICATION_ICON_NAME, "kirvano");
    pa_context *context = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(m_loop), "Kirvano", props);
    pa_proplist_free(props);
    if (!context) {
        outage(QStringLiteral("no connection can be made"));
        return;
    }
    m_context = context;
    pa_context_set_state_callback(context, &PulseOutput::contextStateChanged, this);
    // The desktop starts its sound server; the alarm never starts one.
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0 && m_context == context) {
        outage(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_unref(context);
        m_context = nullptr;
        m_waiting.reset();
    }
}

void PulseOutput::contextStateChanged(pa_context *context, void *self)
{
    static_cast<PulseOutput *>(self)->connectionChanged(context);
}

void PulseOutput::connectionChanged(pa_context *context)
{
    if (context != m_context)
        return;
    switch (pa_context_get_state(context)) {
    case PA_CONTEXT_READY:
        if (m_inOutage) {
            qInfo().noquote() << m_name + QStringLiteral(": the sound server answers again");
            m_inOutage = false;
        }
        if (m_waiting)
            start(std::exchange(m_waiting, nullptr), m_waitingTitle);
        return;
    case PA_CONTEXT_FAILED:
        outage(QString::fromUtf8(pa_strerror(pa_context_errno(context))));
        [[fallthrough]];
    case PA_CONTEXT_TERMINATED:
        // Its streams have ended with it. The next sound connects again.
        pa_context_set_state_callback(context, nullptr, nullptr);
        pa_context_unref(context);
        m_context = nullptr;
        m_waiting.reset();
        return;
    default:
        return;
    }
}

void PulseOutput::dropConnection()
{
    m_dropping = false;
    outage(QStringLiteral("the sound server does not answer"));
    if (m_context)
        pa_context_disconnect(m_context);
}

void PulseOutput::outage(const QString &why)
{
    if (m_inOutage)
        return;
    m_inOutage = true;
    qWarning().noquote() << m_name + QStringLiteral(": no sound server (") + why
                                + QStringLiteral("); the alarm is silent until one answers");
}

void PulseOutput::start(std::shared_ptr<const DecodedSound> sound, const QString &title)
{
    const pa_sample_spec format{PA_SAMPLE_FLOAT32NE, uint32_t(sound->rate), uint8_t(sound->channels)};
    pa_channel_map map;
    if (sound->channels > int(PA_CHANNELS_MAX) || !pa_sample_spec_valid(&format)
        || !pa_channel_map_init_extend(&map, unsigned(sound->channels), PA_CHANNEL_MAP_WAVEEX)) {
        qWarning().noquote() << m_name + QStringLiteral(": ") + title
                                    + QStringLiteral(" cannot be played: no sound server takes its format");
        return;
    }
    pa_stream *stream = pa_stream_new(m_context, title.toUtf8().constData(), &format, &map);
    if (!stream) {
        qWarning().noquote() << m_name + QStringLiteral(": ") + title + QStringLiteral(" cannot be played: ")
                                    + QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
        return;
    }
    auto *playback = new Playback{this, stream, std::move(sound), title};
    pa_stream_set_state_callback(stream, &PulseOutput::streamStateChanged, playback);
    pa_stream_set_write_callback(stream, &PulseOutput::streamWritable, playback);
    // The whole sound is asked for at once and playing starts when it is
    // there; the server caps the length at what it can hold.
    const uint32_t all = uint32_t(std::min<size_t>(byteCount(*playback->sound), UINT32_MAX / 2));
    const pa_buffer_attr attr{uint32_t(-1), all, uint32_t(-1), uint32_t(-1), uint32_t(-1)};
    // No device: the server's default output when the stream is made.
    if (pa_stream_connect_playback(stream, nullptr, &attr, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0) {
        qWarning().noquote() << m_name + QStringLiteral(": ") + title + QStringLiteral(" cannot be played: ")
                                    + QString::fromUtf8(pa_strerror(pa_context_errno(m_context)));
        release(playback);
        return;
    }
    m_current = playback;
}

void PulseOutput::endCurrent()
{
    Playback *playback = std::exchange(m_current, nullptr);
    if (!playback)
        return;
    playback->current = false;
    // One still being made is ended as soon as it is ready.
    if (pa_stream_get_state(playback->stream) == PA_STREAM_READY)
        pa_stream_disconnect(playback->stream);
}

void PulseOutput::release(Playback *playback)
{
    if (m_current == playback)
        m_current = nullptr;
    pa_stream_set_state_callback(playback->stream, nullptr, nullptr);
    pa_stream_set_write_callback(playback->stream, nullptr, nullptr);
    pa_stream_unref(playback->stream);
    delete playback;
}

void PulseOutput::streamStateChanged(pa_stream *stream, void *data)
{
    auto *playback = static_cast<Playback *>(data);
    PulseOutput *self = playback->output;
    switch (pa_stream_get_state(stream)) {
    case PA_STREAM_READY:
        if (!playback->current)
            pa_stream_disconnect(stream);
        return;
    case PA_STREAM_FAILED:
        self->streamFailed(stream, *playback);
        [[fallthrough]];
    case PA_STREAM_TERMINATED:
        self->release(playback);
        return;
    default:
        return;
    }
}

void PulseOutput::streamFailed(pa_stream *stream, const Playback &playback)
{
    pa_context *context = pa_stream_get_context(stream);
    const int error = pa_context_errno(context);
    if (error == PA_ERR_TIMEOUT) {
        // A server that lets a request time out is not there for the alarm:
        // a new connection, made at the next sound, gets a live one.
        if (!m_dropping) {
            m_dropping = true;
            pa_mainloop_api_once(
                pa_threaded_mainloop_get_api(m_loop),
                [](pa_mainloop_api *, void *self) { static_cast<PulseOutput *>(self)->dropConnection(); }, this);
        }
    } else if (context == m_context && pa_context_get_state(context) == PA_CONTEXT_READY) {
        qWarning().noquote() << m_name + QStringLiteral(": ") + playback.title + QStringLiteral(" cannot be played: ")
                                    + QString::fromUtf8(pa_strerror(error));
    }
}

void PulseOutput::streamWritable(pa_stream *stream, size_t bytes, void *data)
{
    auto *playback = static_cast<Playback *>(data);
    if (!playback->current)
        return;
    const DecodedSound &sound = *playback->sound;
    const size_t total = byteCount(sound);
    size_t count = std::min(bytes, total - playback->written);
    if (count < total - playback->written)
        count -= count % (sizeof(float) * size_t(sound.channels)); // whole frames
    if (count > 0) {
        const auto *from = reinterpret_cast<const char *>(sound.samples.data()) + playback->written;
        if (pa_stream_write(stream, from, count, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        playback->written += count;
    }
    if (playback->written == total) {
        // All of it is with the server: the stream ends once it is played.
        pa_stream_set_write_callback(stream, nullptr, nullptr);
        if (pa_operation *drain = pa_stream_drain(stream, &PulseOutput::streamDrained, playback))
            pa_operation_unref(drain);
    }
}

void PulseOutput::streamDrained(pa_stream *stream, int, void *data)
{
    auto *playback = static_cast<Playback *>(data);
    if (playback->current) {
        playback->output->m_current = nullptr;
        playback->current = false;
        pa_stream_disconnect(stream);
    }
}

} // namespace kirvano
