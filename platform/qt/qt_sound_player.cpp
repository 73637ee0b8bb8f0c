#include "platform/qt/qt_sound_player.h"

#include <QUrl>

namespace qtplatform {

void QtSoundPlayer::play(const std::string& path) {
    // Two effects play at once unless told otherwise.
    if (current_ != nullptr) current_->stop();
    current_ = nullptr;
    if (path.empty()) return;

    const QString file = QString::fromStdString(path);
    auto& effect = effects_[file];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
    }
    if (effect->status() == QSoundEffect::Error) return;
    effect->play();  // a file still loading plays when it is ready
    current_ = effect.get();
}

}  // namespace qtplatform
