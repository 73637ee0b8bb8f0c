#pragma once

#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <map>
#include <memory>

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

private:
    std::map<QUrl, std::unique_ptr<QSoundEffect>> effects_;  // loaded once per file content
    QSoundEffect* current_ = nullptr;
};

}  // namespace qtplatform
