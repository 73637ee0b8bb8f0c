#pragma once

#include <QString>
#include <QTimer>
#include <map>
#include <optional>

#include "forms/services.h"
#include "platform/qt/pulse_output.h"
#include "platform/qt/wave_sound.h"

namespace qtplatform {

// Plays wave files on the desktop's sound server, one at a time: a new sound
// takes the place of the one still playing. A file that cannot be played, or
// a machine without a sound server, plays nothing.
//
// The output opens with the first sound and closes a second after the last
// one has ended, so that the idle program holds nothing open on the server.
class QtSoundPlayer final : public forms::SoundPlayer {
public:
    QtSoundPlayer();
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void play(const std::string& path) override;

    // Whether the output holds a stream on the server now.
    bool streaming() const { return output_.streaming(); }

private:
    // A file's content as last seen (its size and times) and its sound, none
    // when that content cannot be played.
    struct Sound {
        QString stamp;
        std::optional<WaveSound> wave;
    };

    std::map<QString, Sound> sounds_;  // by file
    PulseOutput output_;
    QTimer idle_;  // closes the output once the sounds have stopped
};

}  // namespace qtplatform
