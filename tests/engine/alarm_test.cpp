#include <gtest/gtest.h>

#include <random>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;

class AlarmTest : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    void SetUp() override {
        rig.settings.values["Alarm Time"] = "063045 AM";
        rig.settings.values["Alarm On"] = "True";
        d.Note->show();  // armed, as the clock face draws it from "Alarm On"
    }

    void checkAt(int h, int m, int s) {
        rig.clock.set(h, m, s);
        d.DoCheckAlarm();
    }

    // The creature and the two ringing marks, as lit.
    Strings marks() const {
        Strings out;
        for (const auto& s : rig.lit())
            if (s == "BabyDrellok" || s == "Alarm(0)" || s == "Alarm(1)") out.push_back(s);
        return out;
    }
    void ring() { checkAt(6, 30, 0); }

    const Strings kAllLit{"Alarm(0)", "Alarm(1)", "BabyDrellok"};
    const Strings kCreatureOnly{"BabyDrellok"};
};

// ---- The alarm minute ------------------------------------------------------

TEST_F(AlarmTest, RingsFromTheFirstToTheLastSecondOfTheAlarmMinute) {
    checkAt(6, 29, 59);
    EXPECT_FALSE(d.AlarmRinging);
    for (int s = 0; s <= 59; ++s) {
        checkAt(6, 30, s);
        EXPECT_TRUE(d.AlarmRinging) << "06:30:" << s;
        EXPECT_TRUE(d.BabyDrellok->visible()) << "06:30:" << s;
    }
    checkAt(6, 31, 0);
    EXPECT_FALSE(d.AlarmRinging);
    EXPECT_EQ(marks(), Strings{});

    // The stored seconds take no part; AM and PM do.
    for (const char* stored : {"063000 AM", "063059 AM"}) {
        rig.settings.values["Alarm Time"] = stored;
        d.AlarmRinging = false;
        checkAt(6, 30, 0);
        EXPECT_TRUE(d.AlarmRinging) << stored;
    }
    rig.settings.values["Alarm Time"] = "063045 AM";
    checkAt(18, 30, 0);  // PM
    EXPECT_FALSE(d.AlarmRinging);
    rig.settings.values["Alarm Time"] = "120000 AM";
    checkAt(0, 0, 30);  // midnight is 12 AM
    EXPECT_TRUE(d.AlarmRinging);
}

TEST_F(AlarmTest, MalformedOrMissingAlarmTimeNeverRingsAndRaisesNothing) {
    const Strings malformed{"",          "0630",       "garbage!!",    "063045 am",
                            "063045AM",  "0630 AM",    "1830 PM",      " 63045 AM",
                            "06304",     "6:30:45 AM", "\xff\xfe\x01", "063045 AMPM and then some more text",
                            "0630xy AM", "063075 AM",  "063045_AM"};
    for (const auto& stored : malformed) {
        rig.settings.values["Alarm Time"] = stored;
        for (int minute = 0; minute < 24 * 60; ++minute) {
            checkAt(minute / 60, minute % 60, 0);
            ASSERT_FALSE(d.AlarmRinging) << '"' << stored << "\" at minute " << minute;
        }
    }
    rig.settings.values.erase("Alarm Time");
    for (int minute = 0; minute < 24 * 60; ++minute) {
        checkAt(minute / 60, minute % 60, 0);
        ASSERT_FALSE(d.AlarmRinging) << "missing key at minute " << minute;
    }
    EXPECT_EQ(marks(), Strings{});
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(rig.window.calls.empty());
}

TEST_F(AlarmTest, TheTimeTheUserSetIsTheTimeItRingsByWhenTheSystemRefused) {
    rig.clock.system.refuse = true;
    rig.clock.set(10, 0, 0);
    rig.clock.clock.setTimeOfDay({6, 29, 58});
    ASSERT_EQ(rig.clock.system.time, (forms::TimeOfDay{10, 0, 0}));  // the machine's clock stayed

    d.DoCheckAlarm();
    EXPECT_FALSE(d.AlarmRinging);
    rig.clock.advance(2);  // the system's 10:00:02 is the device's 06:30:00
    d.DoCheckAlarm();
    EXPECT_TRUE(d.AlarmRinging);
    rig.clock.advance(60);
    d.DoCheckAlarm();
    EXPECT_FALSE(d.AlarmRinging);

    // The system's own 06:30 is not the device's alarm minute.
    rig.clock.set(6, 30, 10);
    d.DoCheckAlarm();
    EXPECT_FALSE(d.AlarmRinging);
}

// ---- Ringing marks -----------------------------------------------------------

TEST_F(AlarmTest, BothMarksLightAtTheFirstSecondAndBlinkTogether) {
    checkAt(6, 30, 0);
    EXPECT_EQ(marks(), kAllLit);
    checkAt(6, 30, 1);
    EXPECT_EQ(marks(), kCreatureOnly);
    checkAt(6, 30, 2);
    EXPECT_EQ(marks(), kAllLit);
    checkAt(6, 30, 3);
    EXPECT_EQ(marks(), kCreatureOnly);
    checkAt(6, 31, 0);
    EXPECT_EQ(marks(), Strings{});
    EXPECT_FALSE(d.AlarmRinging);
}

TEST_F(AlarmTest, SettingModeOrAlarmOffLeavesARingingAlarmsMarksAsTheyAre) {
    d.Note->hide();
    ring();
    EXPECT_FALSE(d.AlarmRinging);  // switched off: no ringing at all

    d.Note->show();
    ring();
    d.AlarmSetMode = engine::AlarmSetEditing;
    checkAt(6, 30, 1);
    EXPECT_EQ(marks(), kAllLit);  // no blink
    checkAt(6, 31, 0);
    EXPECT_EQ(marks(), kAllLit);  // not even the end of the minute clears them
    EXPECT_TRUE(d.AlarmRinging);

    d.AlarmSetMode = engine::AlarmSetOff;
    d.TimeSetMode = 1;
    checkAt(6, 31, 1);
    EXPECT_EQ(marks(), kAllLit);

    d.TimeSetMode = 0;
    d.Note->hide();
    checkAt(6, 31, 2);
    EXPECT_EQ(marks(), kAllLit);

    d.Note->show();
    checkAt(6, 31, 3);
    EXPECT_EQ(marks(), Strings{});
    EXPECT_FALSE(d.AlarmRinging);
}

// ---- Auto Show -------------------------------------------------------------------

TEST_F(AlarmTest, AutoShowBringsAHiddenWindowBackOncePerAlarmMinute) {
    rig.window.autoShow = true;
    rig.window.hide = true;
    ring();
    EXPECT_EQ(rig.window.calls, Strings{"mHide_Click"});
    EXPECT_FALSE(rig.window.hide);

    rig.window.hide = true;  // hidden again within the minute: stays hidden
    for (int s = 1; s <= 59; ++s) checkAt(6, 30, s);
    EXPECT_EQ(rig.window.calls, Strings{"mHide_Click"});
    EXPECT_TRUE(rig.window.hide);

    checkAt(6, 31, 0);
    checkAt(6, 30, 0);  // the next day
    EXPECT_EQ(rig.window.calls, (Strings{"mHide_Click", "mHide_Click"}));
}

TEST_F(AlarmTest, AutoShowNeitherShowsWhenUncheckedNorHidesAShownWindow) {
    rig.window.autoShow = false;
    rig.window.hide = true;
    ring();
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_TRUE(rig.window.hide);

    checkAt(6, 31, 0);
    rig.window.autoShow = true;
    rig.window.hide = false;
    ring();
    EXPECT_TRUE(rig.window.calls.empty());
    EXPECT_FALSE(rig.window.hide);
}

// ---- Sound -------------------------------------------------------------------------

TEST_F(AlarmTest, SoundsEveryRingingSecondInClockModeAndInGameOver) {
    for (int s = 0; s < 3; ++s) checkAt(6, 30, s);
    EXPECT_EQ(rig.sound.played, Strings(3, "/opt/drellok/Beep3.wav"));

    checkAt(6, 31, 0);
    rig.sound.played.clear();
    d.GameMode = true;
    d.Misses = 4;
    for (int s = 0; s < 2; ++s) checkAt(6, 30, s);
    EXPECT_EQ(rig.sounds(), Strings(2, "Beep3.wav"));
}

TEST_F(AlarmTest, ActivePlaySoundOffOrAMissingFileRingInPictureOnly) {
    d.GameMode = true;
    for (uint8_t misses = 0; misses <= 3; ++misses) {
        d.Misses = misses;
        checkAt(6, 30, misses);
        EXPECT_TRUE(d.BabyDrellok->visible());
    }
    d.GameMode = false;
    rig.window.sound = false;
    checkAt(6, 30, 4);
    rig.window.sound = true;
    rig.files.entries.erase("/opt/drellok/Beep3.wav");
    checkAt(6, 30, 5);
    rig.files.entries["/opt/drellok/Beep3.wav"] = forms::EntryKind::Folder;
    checkAt(6, 30, 6);
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(marks(), kAllLit);  // the pictures went on blinking
}

// ---- Silencing -------------------------------------------------------------------------

TEST_F(AlarmTest, ReleaseInClockModeSilencesForTheMinuteAndTheFollowingDays) {
    ring();
    d.DoSilenceAlarm();
    EXPECT_TRUE(d.AlarmSilenced);
    EXPECT_FALSE(d.AlarmRinging);
    EXPECT_EQ(marks(), Strings{});

    rig.sound.played.clear();
    for (int s = 1; s <= 59; ++s) checkAt(6, 30, s);
    checkAt(6, 31, 0);
    checkAt(6, 30, 0);  // tomorrow
    EXPECT_FALSE(d.AlarmRinging);
    EXPECT_EQ(marks(), Strings{});
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(d.AlarmSilenced);
}

TEST_F(AlarmTest, AQuietAlarmIsNotSilencedByAnEarlierRelease) {
    d.DoSilenceAlarm();
    EXPECT_FALSE(d.AlarmSilenced);
    ring();
    EXPECT_TRUE(d.AlarmRinging);
}

TEST_F(AlarmTest, ActivePlayCannotSilenceButGameOverCan) {
    d.GameMode = true;
    d.Misses = 2;
    ring();
    d.DoSilenceAlarm();
    EXPECT_TRUE(d.AlarmRinging);
    EXPECT_FALSE(d.AlarmSilenced);
    EXPECT_EQ(marks(), kAllLit);
    checkAt(6, 31, 0);  // it stops by itself at the end of the minute
    EXPECT_EQ(marks(), Strings{});

    d.Misses = 4;
    checkAt(6, 30, 0);
    d.DoSilenceAlarm();
    EXPECT_TRUE(d.AlarmSilenced);
    EXPECT_EQ(marks(), Strings{});
}

TEST_F(AlarmTest, ClockSetThroughTheDeviceRingsAtTheRightMinuteAndEndsTheSilence) {
    ring();
    d.DoSilenceAlarm();
    checkAt(6, 31, 0);

    rig.clock.system.refuse = true;
    rig.clock.set(15, 0, 0);
    d.TimeSetMode = 1;
    d.SetTimeText = "062959 AM";
    d.GiveLook(engine::ButtonTime, 1);
    d.PressedButton = engine::ButtonTime;
    d.DoButtonUp();
    EXPECT_EQ(d.TimeSetMode, 0);
    EXPECT_FALSE(d.AlarmSilenced);
    EXPECT_EQ(rig.clock.system.time, (forms::TimeOfDay{15, 0, 0}));

    d.DoCheckAlarm();
    EXPECT_FALSE(d.AlarmRinging);
    rig.clock.advance(1);
    d.DoCheckAlarm();
    EXPECT_TRUE(d.AlarmRinging);
}

// ---- Stepping the time being set ------------------------------------------------------------

class AdvanceTimeTest : public AlarmTest {
protected:
    std::string stepped(const std::string& from, bool isHour) {
        d.SetTimeText = from;
        d.DoAdvanceTime(isHour);
        return d.SetTimeText;
    }
    void SetUp() override {
        AlarmTest::SetUp();
        d.TimeSetMode = 1;
    }
};

TEST_F(AdvanceTimeTest, HourStepFlipsAmPmAsTheHourReachesTwelve) {
    EXPECT_EQ(stepped("115900 AM", true), "125900 PM");
    EXPECT_EQ(stepped("115900 PM", true), "125900 AM");
    EXPECT_EQ(stepped("125900 AM", true), "015900 AM");
    EXPECT_EQ(stepped("125900 PM", true), "015900 PM");
    EXPECT_EQ(stepped("095900 PM", true), "105900 PM");
    EXPECT_EQ(stepped("010203 AM", true), "020203 AM");
}

TEST_F(AdvanceTimeTest, MinuteStepWrapsWithoutTouchingTheHourAndKeepsTheSeconds) {
    EXPECT_EQ(stepped("125930 PM", false), "120030 PM");
    EXPECT_EQ(stepped("010000 AM", false), "010100 AM");
    EXPECT_EQ(stepped("110959 PM", false), "111059 PM");
}

TEST_F(AdvanceTimeTest, EachStepRedrawsTheDigitsAndMovesTheDemonstrationOnce) {
    rig.settings.writes.clear();
    stepped("083015 PM", false);
    Strings face;
    for (const auto& s : rig.lit())
        if (s.rfind("HourDigit", 0) == 0 || s.rfind("MinuteDigit", 0) == 0 || s == "Colon" || s == "am" || s == "pm")
            face.push_back(s);
    EXPECT_EQ(face, (Strings{"HourDigit(1)=Number(8)", "MinuteDigit(0)=Number(3)", "MinuteDigit(1)=Number(1)", "pm"}));
    EXPECT_TRUE(rig.settings.writes.empty());
    EXPECT_EQ(d.DiverPos, 1);
    EXPECT_EQ(rig.random.draws, 8);  // four tentacle turns of two draws each
    stepped("083115 PM", true);
    EXPECT_EQ(d.DiverPos, 2);
}

TEST_F(AdvanceTimeTest, MalformedTextIsBroughtToTheNearestTimeTextFirst) {
    EXPECT_EQ(stepped("", true), "010000 AM");  // midnight's fields
    EXPECT_EQ(stepped("", false), "120100 AM");
    EXPECT_EQ(stepped("0630", false), "063100 AM");
    EXPECT_EQ(stepped("137599 pm", true), "015959 PM");  // clamped to 125959 PM
    EXPECT_EQ(stepped("137599 pm", false), "120059 PM");
    EXPECT_EQ(stepped("000000 PM", true), "010000 PM");  // hour 00 reads as 12
    EXPECT_EQ(stepped("063000_AM and more", false), "063100 AM");
}

TEST_F(AdvanceTimeTest, AnyTextStepsToAWellFormedTimeText) {
    std::mt19937 gen(7);
    const std::string alphabet = "0123456789 AMPampx:-\xff";
    auto wellFormed = [](const std::string& t) {
        if (t.size() != 9 || t[6] != ' ') return false;
        for (int i = 0; i < 6; ++i)
            if (t[i] < '0' || t[i] > '9') return false;
        const int h = (t[0] - '0') * 10 + (t[1] - '0');
        const int m = (t[2] - '0') * 10 + (t[3] - '0');
        const int s = (t[4] - '0') * 10 + (t[5] - '0');
        const std::string ap = t.substr(7);
        return h >= 1 && h <= 12 && m <= 59 && s <= 59 && (ap == "AM" || ap == "PM");
    };
    for (int i = 0; i < 2000; ++i) {
        std::string t(gen() % 14, ' ');
        for (char& c : t) c = alphabet[gen() % alphabet.size()];
        const std::string out = stepped(t, gen() % 2 == 0);
        ASSERT_TRUE(wellFormed(out)) << '"' << t << "\" gave \"" << out << '"';
    }
}

}  // namespace
