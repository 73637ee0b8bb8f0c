#pragma once

#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <map>
#include <memory>
#include <vector>

#include "forms/services.h"

namespace qtplatform {

// Plays wave files with QSoundEffect, one at a time: a new sound stops the one
// still playing. A file that cannot be played, or a machine without an audio
// device, plays nothing.
class QtSoundPlayer final : public forms::SoundPlayer {
public:
    QtSoundPlayer() = default;
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const std::string& path) override;
    // The effect of the sound started last, while nothing has stopped it.
    const QSoundEffect* current() const { return current_; }
    // The effects alive: one for each file's newest content, and those of
    // earlier contents not freed yet.
    std::size_t liveEffects() const { return effects_.size() + replaced_.size(); }

private:
    bool loading() const;
    void freeReplaced();

    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;  // by file, of its newest content
    std::vector<std::unique_ptr<QSoundEffect>> replaced_;       // earlier contents, freed once nothing loads
    QSoundEffect* current_ = nullptr;
};

}  // namespace qtplatform
