// The rules alone: building stages, ticks, hovers and a whole stage played
// in virtual time. Each reports the heap allocations it made per iteration.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "alloc_counter.h"
#include "controls/handlers.h"
#include "null_ports.h"
#include "stages/set_stage.h"
#include "tools/replay/replay.h"

namespace sledloop::bench {
namespace {

struct Rig {
    GameState state;
    NullPorts ports;
    Game game{state, ports, ports};
};

void reportAllocations(benchmark::State& st, std::uint64_t allocations) {
    st.counters["allocs/iter"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
}

void BM_SetStage(benchmark::State& st) {
    Rig rig;
    const int stage = static_cast<int>(st.range(0));
    std::uint64_t allocs = 0;
    for (auto _ : st)
        allocs += allocationsDuring([&] { SetStage(rig.game, stage); });
    reportAllocations(st, allocs);
}
BENCHMARK(BM_SetStage)->DenseRange(1, 10);

// Stage 9 with all eight santas released and walking.
Rig eightSantas() {
    Rig rig;
    onLoad(rig.game);
    rig.state.StageNumber = 9;
    onCommand1Click(rig.game);
    for (int tick = 0; tick < 71; ++tick) {
        onTimer1(rig.game);
        onTimer2(rig.game);
        onTimer2(rig.game);
    }
    return rig;
}

void BM_MovementTickEightSantas(benchmark::State& st) {
    Rig rig = eightSantas();
    int onField = 0;
    for (int i = 1; i <= 8; ++i)
        onField += rig.state.SantaState[i] != StateOff;
    const GameState start = rig.state;
    std::uint64_t allocs = 0;
    int n = 0;
    for (auto _ : st) {
        allocs += allocationsDuring([&] { onTimer2(rig.game); });
        if (++n == 200) {  // keep them on the field rather than walking off for ever
            st.PauseTiming();
            rig.state = start;
            n = 0;
            st.ResumeTiming();
        }
    }
    reportAllocations(st, allocs);
    st.counters["santas"] = onField;
}
BENCHMARK(BM_MovementTickEightSantas);

void BM_ClockTick(benchmark::State& st) {
    Rig rig = eightSantas();
    rig.state.TimeLimit = 1 << 30;
    std::uint64_t allocs = 0;
    for (auto _ : st)
        allocs += allocationsDuring([&] { onTimer1(rig.game); });
    reportAllocations(st, allocs);
}
BENCHMARK(BM_ClockTick);

void BM_Hover(benchmark::State& st) {
    Rig rig = eightSantas();
    std::uint64_t allocs = 0;
    for (auto _ : st)
        allocs += allocationsDuring([&] { onSantaHover(rig.game, 3); });
    reportAllocations(st, allocs);
}
BENCHMARK(BM_Hover);

// Stage 1 played to its clear through the replay driver, trace included.
void BM_WholeStageReplayed(benchmark::State& st) {
    std::ifstream in(SLEDLOOP_STAGES "/stage1.txt");
    std::stringstream script;
    script << in.rdbuf();
    const std::string text = script.str();
    for (auto _ : st) {
        std::string out, error;
        benchmark::DoNotOptimize(replay::runScript(text, out, error));
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_WholeStageReplayed)->Unit(benchmark::kMillisecond);

// The same stage through the rules alone, in virtual time.
void BM_WholeStageRules(benchmark::State& st) {
    for (auto _ : st) {
        Rig rig;
        onLoad(rig.game);
        onCommand1Click(rig.game);
        auto waitUntil = [&](std::int64_t t) {
            while (auto timer = rig.ports.timers.popDue(t))
                onTimer(rig.game, *timer);
            rig.ports.timers.advanceTo(t);
        };
        waitUntil(3500);
        onSantaPress(rig.game, 1);
        waitUntil(9000);
        onSantaPress(rig.game, 1);
        waitUntil(14500);
        onFrameClick(rig.game, Frame::Frame2);
        onSantaPress(rig.game, 1);
        waitUntil(60000);
        if (rig.state.StageNumber != 2) st.SkipWithError("stage 1 was not cleared");
    }
}
BENCHMARK(BM_WholeStageRules)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace sledloop::bench

BENCHMARK_MAIN();
