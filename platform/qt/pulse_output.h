#pragma once

#include <chrono>
#include <optional>

#include "platform/qt/wave_sound.h"

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace qtplatform {

// One playback stream on the desktop's sound server: PulseAudio, or the
// server of the same protocol that PipeWire runs.
//
// The stream plays the last sound it was given, then silence, so that its
// buffer is always full: a server starts playing only once it is, and a beep
// alone never fills it. A new sound follows what is already buffered (a few
// tens of milliseconds) and cuts the rest of the one before.
//
// Nothing here ever waits for the server: the connection and the stream are
// made in the background by the client library's own thread, which also
// feeds the stream. A server that is missing, hangs or goes away only leaves
// the sounds unheard; the next sound after it is back connects again.
//
// Qt 6.4's own output does none of this: it holds a short sound back until
// its buffer is full, waits for the server on the window's thread, and never
// tries a server again once it could not reach one.
class PulseOutput {
public:
    PulseOutput() = default;
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    void play(const WaveSound& sound);
    // Cuts the sound playing: silence from what is buffered on.
    void silence();
    // Lets go of the server: no stream and no connection are left.
    void close();
    // Whether a stream stands on the server now.
    bool streaming() const;

private:
    class Lock;
    bool connect();
    void disconnect();
    void openStream();
    void dropStream();
    void feed(size_t bytes);
    static void contextChanged(pa_context* context, void* self);
    static void streamWants(pa_stream* stream, size_t bytes, void* self);

    pa_threaded_mainloop* loop_ = nullptr;
    // The rest is shared with the loop's thread, under its lock.
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    std::optional<WaveSound> sound_;  // the sound playing, then silence; the stream is of its layout
    qsizetype played_ = 0;
    std::optional<std::chrono::steady_clock::time_point> failedAt_;  // the last try to connect that failed
};

}  // namespace qtplatform
