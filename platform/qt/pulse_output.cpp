#include "platform/qt/pulse_output.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cstring>

namespace qtplatform {

namespace {

using namespace std::chrono_literals;

// The stream's buffer: how long after the sound before it a sound is heard,
// and how far the feeding thread may fall behind before the stream runs dry.
constexpr pa_usec_t kBufferUsec = 50'000;
// After a failed connection the next try waits this long: each try reads the
// client's configuration anew.
constexpr auto kRetryAfter = 1s;

pa_sample_spec specOf(const WaveSound& layout) {
    using Sample = WaveSound::Sample;
    pa_sample_spec spec{};
    switch (layout.sample) {
        case Sample::UInt8: spec.format = PA_SAMPLE_U8; break;
        case Sample::Int16: spec.format = PA_SAMPLE_S16LE; break;
        case Sample::Int24: spec.format = PA_SAMPLE_S24LE; break;
        case Sample::Int32: spec.format = PA_SAMPLE_S32LE; break;
        case Sample::Float32: spec.format = PA_SAMPLE_FLOAT32LE; break;
    }
    // Out of range is left invalid, for pa_sample_spec_valid to refuse.
    spec.channels = layout.channels <= 255 ? uint8_t(layout.channels) : 0;
    spec.rate = layout.rate;
    return spec;
}

}  // namespace

class PulseOutput::Lock {
public:
    explicit Lock(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Lock() { pa_threaded_mainloop_unlock(loop_); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

PulseOutput::~PulseOutput() {
    if (loop_ == nullptr) return;
    close();
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void PulseOutput::play(const WaveSound& sound) {
    if (loop_ == nullptr) {
        loop_ = pa_threaded_mainloop_new();
        if (loop_ == nullptr) return;
        if (pa_threaded_mainloop_start(loop_) < 0) {
            pa_threaded_mainloop_free(loop_);
            loop_ = nullptr;
            return;
        }
    }
    Lock lock(loop_);
    const bool newLayout = !sound_ || !sound_->sameLayout(sound);
    sound_ = sound;
    played_ = 0;
    // While the server is still being reached, the stream opens once it is.
    if (!connect() || pa_context_get_state(context_) != PA_CONTEXT_READY) return;
    if (stream_ == nullptr || newLayout || !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) openStream();
}

void PulseOutput::silence() {
    if (loop_ == nullptr) return;
    Lock lock(loop_);
    if (sound_) played_ = sound_->data.size();
}

void PulseOutput::close() {
    if (loop_ == nullptr) return;
    Lock lock(loop_);
    disconnect();
    sound_.reset();
    played_ = 0;
}

bool PulseOutput::streaming() const {
    if (loop_ == nullptr) return false;
    Lock lock(loop_);
    return stream_ != nullptr && PA_STREAM_IS_GOOD(pa_stream_get_state(stream_));
}

bool PulseOutput::connect() {
    if (context_ != nullptr) {
        if (PA_CONTEXT_IS_GOOD(pa_context_get_state(context_))) return true;
        disconnect();  // the server went away; a new connection may find it back
    }
    const auto now = std::chrono::steady_clock::now();
    if (failedAt_ && now - *failedAt_ < kRetryAfter) return false;
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "Drellok");
    if (context_ == nullptr) return false;
    pa_context_set_state_callback(context_, &PulseOutput::contextChanged, this);
    // No server of our own is started: a desktop starts its own when it is asked for.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_unref(context_);
        context_ = nullptr;
        failedAt_ = now;
        return false;
    }
    return true;
}

void PulseOutput::disconnect() {
    dropStream();
    if (context_ == nullptr) return;
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
    context_ = nullptr;
}

void PulseOutput::contextChanged(pa_context* context, void* self) {
    auto& output = *static_cast<PulseOutput*>(self);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            output.failedAt_.reset();
            output.openStream();
            break;
        case PA_CONTEXT_FAILED: output.failedAt_ = std::chrono::steady_clock::now(); break;
        default: break;
    }
}

void PulseOutput::openStream() {
    dropStream();
    if (!sound_) return;
    const pa_sample_spec spec = specOf(*sound_);
    if (!pa_sample_spec_valid(&spec)) return;
    pa_channel_map map;
    pa_channel_map_init_extend(&map, spec.channels, PA_CHANNEL_MAP_WAVEEX);
    pa_proplist* properties = pa_proplist_new();
    pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, "game");
    stream_ = pa_stream_new_with_proplist(context_, "Beeps", &spec, &map, properties);
    pa_proplist_free(properties);
    if (stream_ == nullptr) return;
    pa_stream_set_write_callback(stream_, &PulseOutput::streamWants, this);
    pa_buffer_attr buffer;
    buffer.maxlength = buffer.prebuf = buffer.minreq = buffer.fragsize = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(kBufferUsec, &spec));
    if (pa_stream_connect_playback(stream_, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0)
        dropStream();
}

void PulseOutput::dropStream() {
    if (stream_ == nullptr) return;
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void PulseOutput::streamWants(pa_stream*, size_t bytes, void* self) {
    static_cast<PulseOutput*>(self)->feed(bytes);
}

void PulseOutput::feed(size_t bytes) {
    const size_t frame = size_t(sound_->bytesPerFrame());
    const char silence = sound_->sample == WaveSound::Sample::UInt8 ? char(0x80) : char(0);
    while (bytes >= frame) {
        void* buffer = nullptr;
        size_t size = bytes;
        if (pa_stream_begin_write(stream_, &buffer, &size) < 0 || buffer == nullptr) return;
        size = std::min(size, bytes) / frame * frame;
        if (size == 0) {
            pa_stream_cancel_write(stream_);
            return;
        }
        auto* out = static_cast<char*>(buffer);
        const size_t sound = std::min(size, size_t(sound_->data.size() - played_));
        std::memcpy(out, sound_->data.constData() + played_, sound);
        played_ += qsizetype(sound);
        std::memset(out + sound, silence, size - sound);
        if (pa_stream_write(stream_, buffer, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
        bytes -= size;
    }
}

}  // namespace qtplatform
