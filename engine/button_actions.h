#pragma once

// The behaviour of the device buttons that the mouse (press, poll, release)
// and the keyboard share. Internal to the engine.

#include <cstdint>
#include <string>

#include "engine/device_engine.h"

namespace engine::button_actions {

// "Alarm Time" as the buttons read it. A stored text that is not a time text
// (missing, or changed from outside the program) reads as its default, so the
// setting modes always edit and save a well-formed time.
std::string storedAlarmTime(DeviceEngine& d);

// Sets the clock from a time text: "hh:mm:ss AMPM" built from its characters
// and handed to the clock. A text that does not convert sets nothing.
void setClockFrom(DeviceEngine& d, const std::string& timeText);

// GAME A / GAME B held: the game's best score and its mark, outside play and
// the setting modes.
void showBestScore(DeviceEngine& d, int16_t code);
// TIME held: the alarm time with the creature, or in the alarm-setting mode
// the current time. The poll keeps the creature of a ringing alarm.
void showTimePreview(DeviceEngine& d, bool keepRingingCreature);
// ALARM held outside play and the clock-setting mode: enters the alarm preview
// from stage 0, otherwise switches the alarm; the note follows the switch.
// The poll's entry also loads the alarm time into SetTimeText.
void pressAlarm(DeviceEngine& d, bool loadSetTimeText);

// LEFT and RIGHT at work: in a game the diver steps (RIGHT not while he grabs
// at the treasure, nor off the boat during a bonus blink); in a setting mode
// the hour or the minute steps.
void stepLeft(DeviceEngine& d);
void stepRight(DeviceEngine& d);

// GAME A / GAME B let go: starts that game, leaving a game over first.
void releaseGame(DeviceEngine& d, int16_t code);
// TIME let go: leaves a setting mode keeping what was set, then a game over.
// The mouse's release also keeps the alarm quiet after a game over.
void releaseTime(DeviceEngine& d, bool silenceAfterGameOver);
// The ACL stores: both best scores and the alarm back to their defaults.
void clearStoredScoresAndAlarm(DeviceEngine& d);
// ACL stops a ringing alarm outright, its marks with it.
void stopRinging(DeviceEngine& d);

}  // namespace engine::button_actions
