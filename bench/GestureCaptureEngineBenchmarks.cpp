// The capture engine's costs on the tap thread and in every overlay frame: appending one point
// under the lock, and copying the newly added render points in steady state, which must not
// allocate. Run: build/default/bench/bench_GestureCaptureEngineBenchmarks

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <thread>
#include <vector>

#include "Services/Capture/GestureCaptureEngine.h"

namespace {

std::atomic<std::size_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size == 0 ? 1 : size)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

namespace quillorbitex {
namespace {

// A point on a spiral, so that raw and render points, length and bounds all change as in a real
// stroke.
Point strokePoint(std::int64_t i) {
    return Point{500 + 0.5 * double(i % 4096), 400 + 0.25 * double((i * 7) % 4096)};
}

// Strokes restart every 512 points (longer than most real ones), which includes the cost of
// beginning a stroke at its share.
void BM_AppendPoint(benchmark::State& state) {
    GestureCaptureEngine engine;
    std::int64_t i = 0;
    for (auto _ : state) {
        if (i % 512 == 0) {
            engine.begin(strokePoint(i));
        } else {
            engine.append(strokePoint(i));
        }
        ++i;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendPoint);

// An overlay frame: a few points arrived since the last one, the caller keeps its cursor and its
// buffer. The counter must read 0.
void BM_CopyRenderDeltaSteadyState(benchmark::State& state) {
    const auto newPoints = state.range(0);
    GestureCaptureEngine engine;
    engine.begin({0, 0});
    for (std::int64_t i = 1; i <= 4096; ++i) {
        engine.append({3.0 * double(i), 0});
    }
    std::vector<Point> buffer;
    buffer.reserve(256);
    std::int64_t cursor = 0;
    engine.copyRenderDelta(cursor, buffer);
    const std::size_t before = allocations.load();
    for (auto _ : state) {
        cursor -= newPoints;
        benchmark::DoNotOptimize(engine.copyRenderDelta(cursor, buffer));
        benchmark::DoNotOptimize(buffer.data());
    }
    state.counters["allocations_per_copy"] =
        benchmark::Counter(double(allocations.load() - before) / double(state.iterations()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CopyRenderDeltaSteadyState)->Arg(0)->Arg(4)->Arg(64);

// The tap thread's cost of one event while another thread keeps copying the whole render path
// of a long stroke (a new stroke seen by the live analysis, an overlay catching up): the copy must
// not hold the lock the tap thread needs. The appended point repeats the last one, so the path
// keeps its length.
void BM_AppendWhileAReaderCopiesTheWholePath(benchmark::State& state) {
    const auto renderPoints = state.range(0);
    GestureCaptureEngine engine;
    engine.begin({0, 0});
    for (std::int64_t i = 1; i < renderPoints; ++i) {
        engine.append({3.0 * double(i), 0});
    }
    const Point last{3.0 * double(renderPoints - 1), 0};
    std::atomic<bool> done{false};
    std::atomic<std::int64_t> copies{0};
    std::thread reader([&] {
        std::vector<Point> buffer;
        while (!done.load(std::memory_order_relaxed)) {
            engine.copyRenderSnapshot(buffer);
            copies.fetch_add(1, std::memory_order_relaxed);
        }
    });
    for (auto _ : state) {
        engine.append(last);
    }
    done = true;
    reader.join();
    state.counters["copies"] = benchmark::Counter(double(copies.load()));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AppendWhileAReaderCopiesTheWholePath)->Arg(1000)->Arg(20000)->UseRealTime();

}  // namespace
}  // namespace quillorbitex
