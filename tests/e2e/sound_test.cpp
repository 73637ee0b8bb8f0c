// The device's beeps as a listener hears them, on a sound server of the
// test's own.
#include <chrono>
#include <thread>

#include "tests/e2e/harness.h"
#include "tests/support/sound_server.h"

namespace {

using namespace e2e;
using Clock = std::chrono::steady_clock;

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

// GAME A left alone: the diver waits on the boat, and every turn of the
// tentacles ticks. A beep is heard for each turn, none once the sound is
// switched off, and soon after the program holds nothing open on the server.
TEST_F(EndToEnd, EveryTentacleTurnIsHeardAndNothingOnceTheSoundIsOff) {
    fakes::SoundServer server;
    ASSERT_TRUE(server.start()) << server.log();
    const auto recording = Clock::now();
    session.writeSettings({{"Game A Speed", "220"}});
    session.startWindowManager();
    session.startProgram({{"PULSE_SERVER", server.address()}});
    const std::string device = session.waitForWindow("Drellok");
    session.focus(device);

    key("1");  // the game starts as the key comes up
    const auto started = Clock::now();
    std::this_thread::sleep_for(8s);
    key("s");
    const auto silenced = Clock::now();
    ASSERT_TRUE(session.waitForSetting("Sound", "False"));
    std::this_thread::sleep_for(2s);

    const int turns = int(secondsBetween(started, silenced) / 0.22);
    const double off = secondsBetween(recording, silenced) + 0.3;  // a beep asked for just before may follow
    int heard = 0, heardOff = 0;
    for (const auto& burst : server.bursts()) ++(burst.start < off ? heard : heardOff);
    EXPECT_GE(heard, 0.9 * turns) << turns << " turns";
    EXPECT_LE(heard, turns + 1) << turns << " turns";
    EXPECT_EQ(heardOff, 0);
    EXPECT_TRUE(waitUntil([&] { return server.streams() == 0; })) << server.streams() << " streams still open";
}

}  // namespace
