#include "platform/qt/qt_sound_player.h"

#include <QDateTime>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>

namespace qtplatform {

// Qt 6.4 frees an effect's sound only after every sound still loading has
// loaded, and waits for that; an empty file never finishes loading, so such a
// wait would never end. Effects are therefore freed only while nothing loads.

QtSoundPlayer::~QtSoundPlayer() {
    // Still loading: the effects are left to the ending program (still
    // reachable, so no leak checker minds).
    if (!loading()) return;
    static auto* left = new std::vector<std::unique_ptr<QSoundEffect>>;
    for (auto& [file, effect] : effects_) left->push_back(std::move(effect));
    for (auto& effect : replaced_) left->push_back(std::move(effect));
}

bool QtSoundPlayer::loading() const {
    const auto isLoading = [](const QSoundEffect* e) { return e != nullptr && e->status() == QSoundEffect::Loading; };
    return std::any_of(effects_.begin(), effects_.end(),
                       [&](const auto& entry) { return isLoading(entry.second.get()); }) ||
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

    // Qt keeps a file's sound by its address, so a file replaced on disk is
    // given an address of its own: the file's size and times ride along as
    // the query, and the effect of the content before is let go.
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    QUrl source = QUrl::fromLocalFile(file);
    source.setQuery(QString::number(info.size()) + "-" + QString::number(info.lastModified().toMSecsSinceEpoch()) +
                    "-" + QString::number(info.metadataChangeTime().toMSecsSinceEpoch()));
    auto& effect = effects_[file];
    if (effect && effect->source() != source) replaced_.push_back(std::move(effect));
    freeReplaced();  // before a new load begins
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(source);
    }
    if (effect->status() == QSoundEffect::Error) return;
    effect->play();  // a file still loading plays when it is ready
    current_ = effect.get();
}

}  // namespace qtplatform
