#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>
#include <optional>

namespace qtplatform {

// The samples of a wave file, as the file holds them (little-endian).
struct WaveSound {
    enum class Sample : uint8_t { UInt8, Int16, Int24, Int32, Float32 };
    Sample sample = Sample::Int16;
    int channels = 1;
    uint32_t rate = 0;  // frames a second
    QByteArray data;    // whole frames only

    int bytesPerFrame() const;
    qint64 milliseconds() const;
    bool sameLayout(const WaveSound& other) const {
        return sample == other.sample && channels == other.channels && rate == other.rate;
    }
};

// The sound of a wave file: integer samples of 8, 16, 24 or 32 bits or
// 32-bit floats, in the plain or the extensible header, with every chunk up to
// the samples complete. Anything else is no sound, a file caught empty or
// half-written among it; a partial last frame is dropped.
std::optional<WaveSound> waveSound(QByteArrayView file);

}  // namespace qtplatform
