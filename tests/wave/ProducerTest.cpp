// Tests of pulling: producers, filters, inputs and multi-producers computing once per frame.
#include "wave/WaveTestSupport.h"

#include "wave/Input.h"
#include "wave/MultiFilter.h"
#include "wave/MultiProducer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace wave {
namespace {

using testing::OffsetFilter;
using testing::ProbeSource;

constexpr int n = 16;

TEST(WaveProducer, SharedProducerComputesOncePerFrameForAllConsumers) {
    Environment environment;
    ProbeSource source(environment);
    OffsetFilter left(environment, &source, 10.0f);
    OffsetFilter right(environment, &source, 20.0f);
    for (int frame = 1; frame <= 3; ++frame) {
        SCOPED_TRACE(frame);
        environment.beginFrame();
        const BasicBlock<float>* a = pullBlock(left, n);
        const BasicBlock<float>* b = pullBlock(right, n);
        pullBlock(left, n); // a second read in the same frame is free
        EXPECT_EQ(source.produced, frame);
        EXPECT_EQ(source.lastMode, Producer::Pulled);
        EXPECT_EQ(left.processed, frame);
        EXPECT_EQ(a->data[n - 1], frame + 10.0f);
        EXPECT_EQ(b->data[0], frame + 20.0f);
    }
}

TEST(WaveProducer, FirstPullComputesWithoutBeginFrameAndStartsFromTheZeroBlock) {
    Environment environment;
    ProbeSource source(environment);
    EXPECT_EQ(source.currentBlock, &environment.zeroBlock);
    EXPECT_EQ(source.currentValue(), 0.0f);
    pullBlock(source, n);
    EXPECT_EQ(source.produced, 1);
    EXPECT_EQ(source.currentBlock, source.ownBlock.get());
    EXPECT_EQ(source.currentValue(), 1.0f);
}

TEST(WaveProducer, PassThroughExposesTheInputBlockAndMissingInputReadsSilence) {
    Environment environment;
    ProbeSource source(environment);
    OffsetFilter through(environment, &source);
    through.passThrough = true;
    OffsetFilter unconnected(environment, nullptr, 0.5f);
    environment.beginFrame();
    EXPECT_EQ(pullBlock(through, n), pullBlock(source, n));
    const BasicBlock<float>* silentPlusHalf = pullBlock(unconnected, n);
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(silentPlusHalf->data[i], 0.5f);
}

TEST(WaveProducer, CurrentValueIsZeroWithoutABlock) {
    Environment environment;
    ProbeSource source(environment);
    source.currentBlock = nullptr;
    EXPECT_EQ(source.currentValue(), 0.0f);
}

TEST(WaveProducer, OwnBlocksAreAlignedAndProducersWithoutOneHaveNone) {
    Environment environment;
    ProbeSource source(environment);
    ASSERT_NE(source.ownBlock, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(source.ownBlock->data) % 32, 0u);
    EXPECT_EQ(source.ownBlock->count, environment.bufferSize());
    // A producer without an own block is handed none and exposes somebody else's.
    struct Borrowing : Source {
        using Source::Source;
        const BasicBlock<float>* handed = &environment->zeroBlock;
        const BasicBlock<float>* lent = nullptr;
        void produce(BasicBlock<float>* block, int, int) override {
            handed = block;
            currentBlock = lent;
        }
    } borrowing(environment, Producer::OwnBlock::None);
    borrowing.lent = source.ownBlock.get();
    EXPECT_EQ(borrowing.ownBlock, nullptr);
    EXPECT_EQ(pullBlock(borrowing, n), source.ownBlock.get());
    EXPECT_EQ(borrowing.handed, nullptr);
}

TEST(WaveInput, DeliversTheBoundSamplesBlockByBlockThenSilence) {
    Environment environment;
    Input input(environment);
    const float host[5] = {1, 2, 3, 4, 5};
    input.bind(host, 5);
    struct Step {
        float expected[3];
        int remaining;
    };
    const Step steps[] = {{{1, 2, 3}, 2}, {{4, 5, 0}, 0}, {{0, 0, 0}, 0}};
    for (const Step& step : steps) {
        environment.beginFrame();
        const BasicBlock<float>* block = pullBlock(input, 3);
        EXPECT_FALSE(block->isConstant());
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(block->data[i], step.expected[i]) << "at " << i;
        EXPECT_EQ(input.remaining, step.remaining);
    }
    input.bind(nullptr, 5);
    environment.beginFrame();
    EXPECT_EQ(pullBlock(input, 3)->data[0], 0.0f);
}

// Writes 100 + frame into output 0 and 200 + frame into output 1, or silences output 1 when asked.
class TwoOutputs : public MultiProducer {
public:
    int processed = 0;
    int resets = 0;
    bool silenceSecond = false;

    explicit TwoOutputs(Environment& environment) : MultiProducer(environment, 2) {}

    void process(BasicBlock<float>* const* blocks, int count, int) override {
        ++processed;
        for (int i = 0; i < count; ++i) {
            blocks[0]->data[i] = 100.0f + processed;
            blocks[1]->data[i] = 200.0f + processed;
        }
        if (silenceSecond) currentBlocks[1] = &environment->zeroBlock;
    }
    void reset() override { ++resets; }
};

TEST(WaveMultiProducer, OnePullOfAnyOutputComputesAllOutputsOncePerFrame) {
    Environment environment;
    TwoOutputs multi(environment);
    for (int frame = 1; frame <= 2; ++frame) {
        SCOPED_TRACE(frame);
        environment.beginFrame();
        const BasicBlock<float>* second = pullBlock(multi.output(1), n);
        const BasicBlock<float>* first = pullBlock(multi.output(0), n);
        EXPECT_EQ(multi.processed, frame);
        EXPECT_EQ(first->data[0], 100.0f + frame);
        EXPECT_EQ(second->data[n - 1], 200.0f + frame);
        EXPECT_EQ(multi.output(0).currentValue(), 100.0f + frame);
        EXPECT_EQ(multi.outputValue(1), 200.0f + frame);
    }
}

TEST(WaveMultiProducer, ProcessMayRedirectAnOutputForOneFrame) {
    Environment environment;
    TwoOutputs multi(environment);
    multi.silenceSecond = true;
    environment.beginFrame();
    EXPECT_EQ(pullBlock(multi.output(1), n), &environment.zeroBlock);
    multi.silenceSecond = false;
    environment.beginFrame();
    EXPECT_EQ(pullBlock(multi.output(1), n), multi.ownBlocks[1].get());
}

TEST(WaveMultiProducer, RegisteredOutputsRunTheOwnerOncePerFrame) {
    Environment environment;
    TwoOutputs multi(environment);
    multi.output(0).setOrder(Producer::Last);
    multi.output(1).setOrder(Producer::Last);
    environment.beginFrame();
    environment.advance(n, false);
    EXPECT_EQ(multi.processed, 1);
    EXPECT_EQ(multi.outputValue(1), 201.0f);
}

TEST(WaveMultiProducer, OutputsForwardResetAndRejectBadIndices) {
    Environment environment;
    TwoOutputs multi(environment);
    multi.output(1).reset();
    EXPECT_EQ(multi.resets, 1);
    EXPECT_EQ(multi.outputValue(-1), 0.0f);
    EXPECT_EQ(multi.outputValue(2), 0.0f);
    EXPECT_THROW(multi.output(2), std::out_of_range);
    for (const auto& block : multi.ownBlocks)
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block->data) % 32, 0u);
}

// Sum and difference of its two inputs, as a mid/side converter would.
class SumDifference : public MultiFilter {
public:
    using MultiFilter::MultiFilter;
    void filter(const BasicBlock<float>* const* in, BasicBlock<float>* const* out, int count, int) override {
        for (int i = 0; i < count; ++i) {
            out[0]->data[i] = in[0]->data[i] + in[1]->data[i];
            out[1]->data[i] = in[0]->data[i] - in[1]->data[i];
        }
    }
};

TEST(WaveMultiFilter, PullsBothInputsOnceAndTreatsAMissingOneAsSilence) {
    Environment environment;
    ProbeSource a(environment);
    OffsetFilter b(environment, &a, 4.0f);
    SumDifference sumDifference(environment, &a, &b);
    SumDifference halfConnected(environment, &b);
    environment.beginFrame();
    EXPECT_EQ(pullBlock(sumDifference.output(0), n)->data[0], 1.0f + 5.0f);
    EXPECT_EQ(pullBlock(sumDifference.output(1), n)->data[0], 1.0f - 5.0f);
    EXPECT_EQ(pullBlock(halfConnected.output(1), n)->data[0], 5.0f);
    EXPECT_EQ(a.produced, 1);
    EXPECT_EQ(b.processed, 1);
}

} // namespace
} // namespace wave
