// Nanoseconds per tick of the device engine, on the in-memory services of the
// tests. The counters report how many rectangles a tick leaves to be painted:
// a clock tick that changes nothing should leave none.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "tests/support/engine_fixture.h"

namespace {

// Ticks of Timer1 in one second of the clock at a given interval.
int ticksPerSecond(int32_t intervalMs) {
    return intervalMs > 0 ? (1000 + intervalMs - 1) / intervalMs : 1;
}

// The recording fakes keep every call; empty them now and then so that a long
// run measures the device rather than the growth of those records. The random
// script is refilled with a plain uniform sequence so that tentacles start and
// stop as in a real game.
class Housekeeper {
public:
    explicit Housekeeper(fakes::EngineRig& rig) : rig_(rig) { refill(); }

    void maybeRefill(benchmark::State& state) {
        if (rig_.random.script.size() > 64) return;
        state.PauseTiming();
        refill();
        state.ResumeTiming();
    }

private:
    void refill() {
        for (int i = 0; i < 4096; ++i) {
            seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
            rig_.random.script.push_back(static_cast<float>(seed_ >> 40) / static_cast<float>(1ULL << 24));
        }
        rig_.sound.played.clear();
        rig_.timer.history.clear();
        rig_.settings.writes.clear();
        rig_.settings.reads = 0;
        rig_.files.queries = 0;
    }

    fakes::EngineRig& rig_;
    uint64_t seed_ = 20240607;
};

// The device as a clock, within one second: every tick draws the same time.
void BM_ClockTickUnchanged(benchmark::State& state) {
    fakes::EngineRig rig;
    Housekeeper keeper(rig);
    rig.clock.set(10, 9, 8);
    rig.device.Timer1_Timer();
    rig.device.scene().takeDirty();
    int64_t dirty = 0;
    for (auto _ : state) {
        rig.device.Timer1_Timer();
        dirty += static_cast<int64_t>(rig.device.scene().takeDirty().size());
    }
    state.counters["dirty_rects_per_tick"] =
        benchmark::Counter(static_cast<double>(dirty), benchmark::Counter::kAvgIterations);
    state.SetLabel("goal: 0 dirty rects per tick");
}
BENCHMARK(BM_ClockTickUnchanged);

// The device as a clock in real time: a new second every 20 ticks brings the
// alarm check and a demonstration step.
void BM_ClockTickRealTime(benchmark::State& state) {
    fakes::EngineRig rig;
    Housekeeper keeper(rig);
    rig.clock.set(10, 9, 8);
    int64_t dirty = 0;
    int tick = 0;
    for (auto _ : state) {
        keeper.maybeRefill(state);
        if (++tick == ticksPerSecond(50)) {
            tick = 0;
            rig.clock.advance(1);
        }
        rig.device.Timer1_Timer();
        dirty += static_cast<int64_t>(rig.device.scene().takeDirty().size());
    }
    state.counters["dirty_rects_per_tick"] =
        benchmark::Counter(static_cast<double>(dirty), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ClockTickRealTime);

// A GAME A left to play itself in real time at its own pace: the diver is
// pushed off the boat, caught, and the game ends; a new one starts at once.
void BM_GameTick(benchmark::State& state) {
    fakes::EngineRig rig;
    Housekeeper keeper(rig);
    engine::DeviceEngine& d = rig.device;
    rig.clock.set(10, 9, 8);
    auto start = [&] {
        d.CurrentGame = engine::GameA;
        d.DoStartGame();
    };
    start();
    int64_t dirty = 0;
    int64_t games = 1;
    int tick = 0;
    for (auto _ : state) {
        keeper.maybeRefill(state);
        if (!d.GameMode) {
            state.PauseTiming();
            start();
            ++games;
            state.ResumeTiming();
        }
        if (++tick >= ticksPerSecond(rig.timer.interval())) {
            tick = 0;
            rig.clock.advance(1);
        }
        d.Timer1_Timer();
        dirty += static_cast<int64_t>(d.scene().takeDirty().size());
    }
    state.counters["dirty_rects_per_tick"] =
        benchmark::Counter(static_cast<double>(dirty), benchmark::Counter::kAvgIterations);
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_GameTick);

}  // namespace

BENCHMARK_MAIN();
