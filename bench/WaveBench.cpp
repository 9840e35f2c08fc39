// Benchmarks of the block graph: the cost of pulling a filter chain per frame, and interpolated delay reads.
#include "wave/Delay.h"
#include "wave/Environment.h"
#include "wave/Filter.h"
#include "wave/Source.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int blockSize = 1024;

class SawSource : public wave::Source {
public:
    float phase = 0.0f;
    using wave::Source::Source;
    void produce(wave::BasicBlock<float>* block, int count, int) override {
        for (int i = 0; i < count; ++i) {
            block->data[i] = phase;
            phase = phase >= 1.0f ? -1.0f : phase + 0.01f;
        }
    }
};

class GainFilter : public wave::Filter {
public:
    using wave::Filter::Filter;
    void process(const wave::BasicBlock<float>* in, wave::BasicBlock<float>* out, int count, int) override {
        for (int i = 0; i < count; ++i)
            out->data[i] = in->data[i] * 0.99f;
    }
};

// A source and a chain of trivial filters, pulled from the end once per frame, as the processing frame does;
// the pieces are the sizes a host split by events hands over.
void BM_PullFilterChain(benchmark::State& state) {
    const int frames = static_cast<int>(state.range(0));
    wave::Environment environment;
    SawSource source(environment);
    std::vector<std::unique_ptr<GainFilter>> chain;
    wave::Producer* previous = &source;
    for (int i = 0; i < 8; ++i) {
        chain.push_back(std::make_unique<GainFilter>(environment, previous));
        previous = chain.back().get();
    }
    for (auto _ : state) {
        environment.beginFrame();
        const wave::BasicBlock<float>* out = wave::pullBlock(*previous, frames);
        benchmark::DoNotOptimize(out->data[frames - 1]);
        environment.advance(frames, false);
    }
    state.SetItemsProcessed(state.iterations() * frames);
}
BENCHMARK(BM_PullFilterChain)->Arg(32)->Arg(256)->Arg(blockSize);

// A full block read at a sweeping fractional delay, the moving-delay path of a delay line.
void BM_DelayReadInterpolated(benchmark::State& state) {
    wave::Environment environment;
    wave::Delay delay(environment, 2205);
    std::vector<float> input(blockSize), delays(blockSize), output(blockSize);
    for (int i = 0; i < blockSize; ++i) {
        input[static_cast<std::size_t>(i)] = std::sin(0.01f * static_cast<float>(i));
        delays[static_cast<std::size_t>(i)] = 1000.0f + 900.0f * std::sin(0.003f * static_cast<float>(i));
    }
    for (auto _ : state) {
        delay.write(input.data(), blockSize);
        delay.readInterpolated(delays.data(), output.data(), blockSize);
        benchmark::DoNotOptimize(output.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * blockSize);
}
BENCHMARK(BM_DelayReadInterpolated);

} // namespace
