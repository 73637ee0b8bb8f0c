#include "platform/qt/qt_sound_player.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>

namespace qtplatform {

namespace {

// Far more than any beep; a bigger file plays nothing rather than fill memory.
constexpr qint64 kLargestFile = 16 * 1024 * 1024;
// How long the output stays open after a sound has ended.
constexpr qint64 kIdleMs = 1000;

// The sound of a file; nothing for a file that cannot be read or is too big.
std::optional<WaveSound> readSound(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = in.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) return std::nullopt;
    return waveSound(bytes);
}

// A file's size and times: a file replaced or rewritten on disk changes them.
QString contentStamp(const QString& file) {
    const QFileInfo info(file);
    return QString::number(info.size()) + "-" + QString::number(info.lastModified().toMSecsSinceEpoch()) + "-" +
           QString::number(info.metadataChangeTime().toMSecsSinceEpoch());
}

}  // namespace

QtSoundPlayer::QtSoundPlayer() {
    idle_.setSingleShot(true);
    QObject::connect(&idle_, &QTimer::timeout, [this] { output_.close(); });
}

void QtSoundPlayer::play(const std::string& path) {
    // The file is read only when its size or times say that its content is
    // new to the player.
    const QString file = QString::fromStdString(path);
    Sound& sound = sounds_[file];
    const QString stamp = contentStamp(file);
    if (sound.stamp != stamp) {
        sound.stamp = stamp;
        sound.wave = readSound(file);
    }
    if (!sound.wave) {
        output_.silence();  // a new sound cuts the last one, even one that cannot play
        return;
    }
    output_.play(*sound.wave);
    idle_.start(int(std::min<qint64>(sound.wave->milliseconds() + kIdleMs, INT_MAX)));
}

}  // namespace qtplatform
