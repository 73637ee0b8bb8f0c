#include "platform/qt/qt_sound_player.h"

#include <QDateTime>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <vector>

namespace qtplatform {

QtSoundPlayer::~QtSoundPlayer() {
    // While any file is still loading, Qt 6.4 waits for it on each release,
    // and an empty file never finishes: the effects are then left to the
    // ending program (still reachable, so no leak checker minds).
    const bool loading = std::any_of(effects_.begin(), effects_.end(),
                                     [](const auto& entry) { return entry.second->status() == QSoundEffect::Loading; });
    if (!loading) return;
    static auto* left = new std::vector<std::unique_ptr<QSoundEffect>>;
    for (auto& entry : effects_) left->push_back(std::move(entry.second));
}

void QtSoundPlayer::play(const std::string& path) {
    // Two effects play at once unless told otherwise.
    if (current_ != nullptr) current_->stop();
    current_ = nullptr;
    if (path.empty()) return;

    // Qt keeps a file's sound by its address, so a file replaced on disk is
    // given an address of its own: the file's size and times ride along as
    // the query. The effects of earlier contents are kept, not destroyed:
    // Qt 6.4 waits for its loader on every release, and a file that never
    // finishes loading (an empty one) would make that wait endless.
    const QString file = QString::fromStdString(path);
    const QFileInfo info(file);
    QUrl source = QUrl::fromLocalFile(file);
    source.setQuery(QString::number(info.size()) + "-" + QString::number(info.lastModified().toMSecsSinceEpoch()) +
                    "-" + QString::number(info.metadataChangeTime().toMSecsSinceEpoch()));
    auto& effect = effects_[source];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(source);
    }
    if (effect->status() == QSoundEffect::Error) return;
    effect->play();  // a file still loading plays when it is ready
    current_ = effect.get();
}

}  // namespace qtplatform
