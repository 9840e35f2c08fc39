// The cost of the processing frame and the adapter's queues around the signal graph.
#include "core/GenericPluginProcessor.h"
#include "core/LockFreeQueue.h"
#include "core/OutputCleaner.h"
#include "product/LumenorProcessor.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_FramePassThrough512(benchmark::State& state) {
    auto processor = GenericPluginProcessor::create<LumenorProcessor>(1);
    std::vector<float> in(512, 0.25f), out0(512), out1(512);
    const float* inputs[4] = {in.data(), in.data(), in.data(), in.data()};
    float* outputs[2] = {out0.data(), out1.data()};
    for (auto _ : state) {
        uint32_t status = 0;
        processor->process(inputs, 4, outputs, 2, 512, status);
        benchmark::DoNotOptimize(out1.data());
    }
    state.SetItemsProcessed(state.iterations() * 512);
}
BENCHMARK(BM_FramePassThrough512);

void BM_CopyClean1024(benchmark::State& state) {
    std::vector<float> in(1024, 0.5f), out(1024);
    for (auto _ : state) {
        copyClean(in.data(), out.data(), 1024);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * 1024);
}
BENCHMARK(BM_CopyClean1024);

void BM_LockFreeQueuePushPop(benchmark::State& state) {
    LockFreeQueue<MidiMessage> queue(1024, 65536);
    MidiMessage message{0x90, 60, 100, 0, 0};
    for (auto _ : state) {
        queue.push(message);
        queue.pop(message);
        benchmark::DoNotOptimize(message);
    }
}
BENCHMARK(BM_LockFreeQueuePushPop);

} // namespace
