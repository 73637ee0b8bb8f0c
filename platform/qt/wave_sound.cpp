#include "platform/qt/wave_sound.h"

namespace qtplatform {

namespace {

constexpr quint32 kIntegerCoding = 1;
constexpr quint32 kFloatCoding = 3;
constexpr quint32 kExtensibleCoding = 0xfffe;
// The extensible header names its coding by a GUID: the coding number, then these bytes.
constexpr char kCodingGuidTail[] = "\x00\x00\x10\x00\x80\x00\x00\xaa\x00\x38\x9b\x71";

// The little-endian number of `width` bytes at `at`.
quint32 little(QByteArrayView bytes, qsizetype at, int width) {
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | quint8(bytes[at + i]);
    return value;
}

std::optional<WaveSound::Sample> sampleOf(quint32 coding, quint32 bits) {
    using Sample = WaveSound::Sample;
    if (coding == kIntegerCoding) {
        if (bits == 8) return Sample::UInt8;
        if (bits == 16) return Sample::Int16;
        if (bits == 24) return Sample::Int24;
        if (bits == 32) return Sample::Int32;
    }
    if (coding == kFloatCoding && bits == 32) return Sample::Float32;
    return std::nullopt;
}

// The samples of a "data" chunk as its "fmt " chunk describes them.
std::optional<WaveSound> decode(QByteArrayView header, QByteArrayView data) {
    quint32 coding = little(header, 0, 2);
    if (coding == kExtensibleCoding) {
        const bool known = header.size() >= 40 && header.sliced(28, 12) == QByteArrayView(kCodingGuidTail, 12);
        coding = known ? little(header, 24, 4) : 0;
    }
    const std::optional<WaveSound::Sample> sample = sampleOf(coding, little(header, 14, 2));
    WaveSound sound;
    sound.channels = int(little(header, 2, 2));
    sound.rate = little(header, 4, 4);
    if (!sample || sound.channels == 0 || sound.rate == 0) return std::nullopt;
    sound.sample = *sample;
    const qsizetype frames = data.size() / sound.bytesPerFrame();
    if (frames == 0) return std::nullopt;
    sound.data = data.first(frames * sound.bytesPerFrame()).toByteArray();
    return sound;
}

}  // namespace

int WaveSound::bytesPerFrame() const {
    constexpr int kBytes[] = {1, 2, 3, 4, 4};
    return channels * kBytes[int(sample)];
}

qint64 WaveSound::milliseconds() const {
    return rate == 0 ? 0 : data.size() / bytesPerFrame() * 1000 / rate;
}

std::optional<WaveSound> waveSound(QByteArrayView file) {
    const qsizetype size = file.size();
    if (size < 12 || !file.startsWith("RIFF") || file.sliced(8, 4) != "WAVE") return std::nullopt;
    QByteArrayView header;
    for (qsizetype at = 12; at + 8 <= size;) {
        const QByteArrayView id = file.sliced(at, 4);
        const qint64 length = little(file, at + 4, 4), content = at + 8;
        if (content + length > size) return std::nullopt;
        if (id == "fmt ") {
            if (length < 16) return std::nullopt;
            header = file.sliced(content, length);
        } else if (id == "data") {
            if (header.isNull()) return std::nullopt;
            return decode(header, file.sliced(content, length));
        }
        at = content + length + (length & 1);  // chunks are padded to an even length
    }
    return std::nullopt;
}

}  // namespace qtplatform
