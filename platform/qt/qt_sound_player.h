#pragma once

#include <QSoundEffect>
#include <QString>
#include <map>
#include <memory>
#include <vector>

#include "forms/services.h"

namespace qtplatform {

// Plays wave files with QSoundEffect, one at a time: a new sound stops the one
// still playing. A file that cannot be played, or a machine without an audio
// device, plays nothing.
//
// Qt is handed its own copy of a file's complete sound, never the file: Qt
// 6.4 waits for ever for the rest of a file cut short, and a file may be cut
// (a tool rewriting it in place) after it was looked at but before Qt reads it.
class QtSoundPlayer final : public forms::SoundPlayer {
public:
    QtSoundPlayer() = default;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const std::string& path) override;
    // The effect of the sound started last, while nothing has stopped it.
    const QSoundEffect* current() const { return current_; }
    // The effects alive: one for each file's newest content that can play, and
    // those of earlier contents not freed yet.
    std::size_t liveEffects() const;

private:
    // A file's content as last seen (its size and times) and its effect, none
    // when that content cannot be played.
    struct Sound {
        QString stamp;
        std::unique_ptr<QSoundEffect> effect;
    };

    bool loading() const;
    void freeReplaced();

    std::map<QString, Sound> sounds_;                      // by file
    std::vector<std::unique_ptr<QSoundEffect>> replaced_;  // earlier contents, freed once nothing loads
    QSoundEffect* current_ = nullptr;
};

}  // namespace qtplatform
