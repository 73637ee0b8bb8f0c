#include "platform/qt/qt_sound_player.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace qtplatform {

// Qt 6.4 frees an effect's sound only after every sound still loading has
// loaded, and waits for that. Every sound handed to Qt here is complete, so a
// load always ends and the player's own end may wait for one; while it plays,
// replaced effects are freed only while nothing loads, so that a new sound
// never waits for another's load.

namespace {

// Far more than any beep; a bigger file plays nothing rather than fill memory
// with copies of it.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;

// The little-endian number of `width` bytes at `at`.
quint32 little(const QByteArray& bytes, qint64 at, int width) {
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i) value = value << 8 | quint8(bytes[at + i]);
    return value;
}
quint16 le16(const QByteArray& bytes, qint64 at) {
    return quint16(little(bytes, at, 2));
}
quint32 le32(const QByteArray& bytes, qint64 at) {
    return little(bytes, at, 4);
}

void append16(QByteArray& bytes, quint16 value) {
    const char le[] = {char(value & 0xff), char(value >> 8)};
    bytes.append(le, 2);
}

void append32(QByteArray& bytes, quint32 value) {
    append16(bytes, quint16(value & 0xffff));
    append16(bytes, quint16(value >> 16));
}

// The sound of a wave file, as a wave file of the plainest layout ("fmt "
// then "data", nothing else), or nothing when it is not one that Qt plays:
// integer samples of 8, 16, 24 or 32 bits, and every chunk up to the samples
// complete. A file cut short, caught empty or half-written, plays nothing;
// Qt's loader would wait for its missing rest for ever. A partial last frame
// is dropped, as Qt would wait for its rest too.
QByteArray playableWave(const QByteArray& file) {
    const qint64 size = file.size();
    if (size < 12 || !file.startsWith("RIFF") || QByteArrayView(file).sliced(8, 4) != "WAVE") return {};
    qint64 format = -1;  // where the "fmt " chunk's content starts
    for (qint64 at = 12; at + 8 <= size;) {
        const QByteArrayView id = QByteArrayView(file).sliced(at, 4);
        const qint64 length = le32(file, at + 4), content = at + 8;
        if (content + length > size) return {};
        if (id == "fmt ") {
            if (length < 16) return {};
            format = content;
        } else if (id == "data") {
            if (format < 0) return {};
            const quint16 tag = le16(file, format), channels = le16(file, format + 2);
            const quint32 rate = le32(file, format + 4);
            const quint16 bits = le16(file, format + 14);
            if (tag != 1 || channels == 0 || rate == 0 || (bits != 8 && bits != 16 && bits != 24 && bits != 32))
                return {};
            const quint32 frame = channels * (bits / 8u);
            const quint32 samples = quint32(length - length % frame);
            if (samples == 0) return {};
            QByteArray wave("RIFF");
            wave.reserve(44 + samples);
            append32(wave, 36 + samples);
            wave.append("WAVEfmt ");
            append32(wave, 16);
            append16(wave, 1);
            append16(wave, channels);
            append32(wave, rate);
            append32(wave, rate * frame);
            append16(wave, quint16(frame));
            append16(wave, bits);
            wave.append("data");
            append32(wave, samples);
            wave.append(file.constData() + content, samples);
            return wave;
        }
        at = content + length + (length & 1);  // chunks are padded to an even length
    }
    return {};
}

// The sound of a file as playableWave() makes it; nothing for a file that
// cannot be read or is too big.
QByteArray readSound(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = in.read(kLargestFile + 1);
    return bytes.size() > kLargestFile ? QByteArray() : playableWave(bytes);
}

// A file's size and times: a file replaced or rewritten on disk changes them.
QString contentStamp(const QString& file) {
    const QFileInfo info(file);
    return QString::number(info.size()) + "-" + QString::number(info.lastModified().toMSecsSinceEpoch()) + "-" +
           QString::number(info.metadataChangeTime().toMSecsSinceEpoch());
}

// Qt reads a data address from memory: what it loads is this copy, whatever
// happens to the file meanwhile.
QUrl soundAddress(const QByteArray& wave) {
    return QUrl(QStringLiteral("data:audio/wav;base64,") + QString::fromLatin1(wave.toBase64()));
}

}  // namespace

std::size_t QtSoundPlayer::liveEffects() const {
    const auto made =
        std::count_if(sounds_.begin(), sounds_.end(), [](const auto& entry) { return entry.second.effect != nullptr; });
    return static_cast<std::size_t>(made) + replaced_.size();
}

bool QtSoundPlayer::loading() const {
    const auto isLoading = [](const QSoundEffect* e) { return e != nullptr && e->status() == QSoundEffect::Loading; };
    return std::any_of(sounds_.begin(), sounds_.end(),
                       [&](const auto& entry) { return isLoading(entry.second.effect.get()); }) ||
           std::any_of(replaced_.begin(), replaced_.end(), [&](const auto& e) { return isLoading(e.get()); });
}

void QtSoundPlayer::freeReplaced() {
    if (!replaced_.empty() && !loading()) replaced_.clear();
}

void QtSoundPlayer::play(const std::string& path) {
    // Two effects play at once unless told otherwise.
    if (current_ != nullptr) current_->stop();
    current_ = nullptr;
    if (path.empty()) return;

    // The file is read only when its size or times say that its content is
    // new to the player; the effect of the content before is let go.
    const QString file = QString::fromStdString(path);
    Sound& sound = sounds_[file];
    const QString stamp = contentStamp(file);
    const bool fresh = sound.stamp != stamp;
    if (fresh) {
        sound.stamp = stamp;
        if (sound.effect) replaced_.push_back(std::move(sound.effect));
    }
    freeReplaced();  // before a new load begins
    if (fresh) {
        const QByteArray wave = readSound(file);
        if (!wave.isEmpty()) {
            sound.effect = std::make_unique<QSoundEffect>();
            sound.effect->setSource(soundAddress(wave));
        }
    }
    if (sound.effect == nullptr || sound.effect->status() == QSoundEffect::Error) return;
    sound.effect->play();  // a sound still loading plays when it is ready
    current_ = sound.effect.get();
}

}  // namespace qtplatform
