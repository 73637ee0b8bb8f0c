#include <gtest/gtest.h>

#include "tests/support/engine_fixture.h"

namespace {

using Strings = std::vector<std::string>;
using forms::EntryKind;

class Sound : public ::testing::Test {
protected:
    fakes::EngineRig rig;
    engine::DeviceEngine& d = rig.device;

    void SetUp() override { d.GameMode = true; }
};

TEST_F(Sound, PathHasExactlyOneSeparatorOfThePlatform) {
    rig.files.folder = "/opt/drellok";
    EXPECT_EQ(d.SoundPath("Beep0.wav"), "/opt/drellok/Beep0.wav");
    rig.files.folder = "/opt/drellok/";
    EXPECT_EQ(d.SoundPath("Beep0.wav"), "/opt/drellok/Beep0.wav");
    rig.files.sep = '\\';
    rig.files.folder = "C:\\Games\\Drellok";
    EXPECT_EQ(d.SoundPath("Beep2.wav"), "C:\\Games\\Drellok\\Beep2.wav");
    rig.files.folder = "C:\\";
    EXPECT_EQ(d.SoundPath("Beep2.wav"), "C:\\Beep2.wav");
}

TEST_F(Sound, PlaysTheFileBesideTheProgramInAGame) {
    d.DoPlaySound("Beep1.wav");
    EXPECT_EQ(rig.sound.played, (Strings{"/opt/drellok/Beep1.wav"}));
    rig.files.folder = "/opt/drellok/";
    rig.files.entries["/opt/drellok/Beep3.wav"] = EntryKind::File;
    d.DoPlaySound("Beep3.wav");
    EXPECT_EQ(rig.sound.played.back(), "/opt/drellok/Beep3.wav");
}

TEST_F(Sound, SilentWithTheSwitchOffOrOnTheClockWithoutAskingForTheFile) {
    rig.window.sound = false;
    d.DoPlaySound("Beep0.wav");
    rig.window.sound = true;
    d.GameMode = false;
    d.DoPlaySound("Beep0.wav");
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.files.queries, 0);
}

TEST_F(Sound, SwitchAndGameModeAreReadOnEveryCall) {
    d.DoPlaySound("Beep0.wav");
    rig.window.sound = false;
    d.DoPlaySound("Beep0.wav");
    rig.window.sound = true;
    d.DoPlaySound("Beep0.wav");
    EXPECT_EQ(rig.sound.played.size(), 2u);
}

TEST_F(Sound, GameOverStateIsStillAGameForTheGate) {
    d.Misses = 4;
    d.DoPlaySound("Beep2.wav");
    EXPECT_EQ(rig.sounds(), (Strings{"Beep2.wav"}));
}

TEST_F(Sound, MissingFileOrAFolderOfThatNameIsSkippedSilently) {
    rig.files.entries.erase("/opt/drellok/Beep0.wav");
    rig.files.entries["/opt/drellok/Beep1.wav"] = EntryKind::Folder;
    d.DoPlaySound("Beep0.wav");
    d.DoPlaySound("Beep1.wav");
    d.DoPlaySound("NoSuch.wav");
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_EQ(rig.files.queries, 3);
}

TEST_F(Sound, FileLookedUpAnewOnEachCall) {
    rig.files.entries.erase("/opt/drellok/Beep0.wav");
    d.DoPlaySound("Beep0.wav");
    rig.files.entries["/opt/drellok/Beep0.wav"] = EntryKind::File;
    d.DoPlaySound("Beep0.wav");
    rig.files.entries.erase("/opt/drellok/Beep0.wav");
    d.DoPlaySound("Beep0.wav");
    EXPECT_EQ(rig.sounds(), (Strings{"Beep0.wav"}));
}

TEST_F(Sound, FileExistsOnlyForAnExistingFile) {
    rig.files.entries["/tmp/dir"] = EntryKind::Folder;
    rig.files.entries["/tmp/file"] = EntryKind::File;
    EXPECT_FALSE(d.FileExists(""));
    EXPECT_FALSE(d.FileExists("/tmp/none"));
    EXPECT_FALSE(d.FileExists("/tmp/dir"));
    EXPECT_TRUE(d.FileExists("/tmp/file"));
}

}  // namespace
