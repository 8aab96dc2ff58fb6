// Time to render the default tone (8 s of 440 Hz at 44100 Hz, 25 percent):
// synthesis followed by packing, per frame, and the allocations made while
// doing it (there should be none).
//   build/bench/tone_bench
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include "tone/tone.h"

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Counts every allocation; GCC takes the replaced pair for a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t size) {
  ++allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

constexpr int32_t kFrames = 352800;

void BM_RenderDefaultTone(benchmark::State& state) {
  std::vector<int32_t> samples(kFrames);
  std::vector<uint8_t> packed(3 * kFrames);
  long allocated = 0;
  for (auto _ : state) {
    const long before = allocations;
    MakeTone(samples.data(), 440.0f, 44100, kFrames, 25.0f);
    NUM24_TO_CHAR(samples.data(), packed.data(), kFrames);
    allocated += allocations - before;
    benchmark::DoNotOptimize(packed.data());
  }
  // Frames per second, inverted: seconds per frame.
  state.counters["time_per_frame"] = benchmark::Counter(
      kFrames,
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  state.counters["allocations"] = static_cast<double>(allocated);
}
BENCHMARK(BM_RenderDefaultTone)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
