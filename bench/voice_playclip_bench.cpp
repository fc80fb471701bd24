// The cost of PlayClip on every tick when the machine has no audio device: the driver
// is forced to one that cannot open, so the player remembers the failure after the first
// call and every later call should be a lookup and nothing more.
#include "engine/voice/clip_player.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void BM_PlayClipWithoutDevice(benchmark::State &state)
{
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    dorvane::ClipPlayer player;
    player.PlayClip("FifteenSound"); // the one attempt to open
    for (auto _ : state)
        player.PlayClip("FifteenSound");
    if (player.audioAvailable())
        state.SkipWithError("the audio device opened; this measures the no-device path");
}
BENCHMARK(BM_PlayClipWithoutDevice);

void BM_FirstPlayClipWithoutDevice(benchmark::State &state)
{
    setenv("SDL_AUDIODRIVER", "nonexistent", 1);
    for (auto _ : state) {
        dorvane::ClipPlayer player; // a fresh player tries SDL once more
        player.PlayClip("FifteenSound");
    }
}
BENCHMARK(BM_FirstPlayClipWithoutDevice);

} // namespace

BENCHMARK_MAIN();
