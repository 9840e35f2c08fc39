// The processing frame: piece splitting, MIDI timing, parameter batches, silence and tail, transport and
// the clean final copy.
#include "core/GenericPluginProcessor.h"
#include "parameters/FloatPluginParameter.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Copies its input and records every frame count it was asked for.
class CountingPassThrough : public wave::Producer {
public:
    CountingPassThrough(wave::Environment& environment, wave::Producer& input)
        : Producer(environment),
          input_(input) {}
    void produce(wave::BasicBlock<float>* block, int count, int) override {
        const wave::BasicBlock<float>* in = wave::pullBlock(input_, count);
        std::copy_n(in->data, count, block->data);
        counts.push_back(count);
    }
    std::vector<int> counts;

private:
    wave::Producer& input_;
};

// A producer that keeps sounding for a while after its input stops: the frame must wait for it.
class RingingProducer : public CountingPassThrough {
public:
    using CountingPassThrough::CountingPassThrough;
    bool isIdle() override { return remaining == 0; }
    void produce(wave::BasicBlock<float>* block, int count, int mode) override {
        CountingPassThrough::produce(block, count, mode);
        for (int i = 0; i < count && remaining > 0; ++i, --remaining) block->data[i] += 0.5f;
    }
    int remaining = 0;
};

class TestProcessor : public GenericPluginProcessor, public IParameterValueListener<float> {
public:
    TestProcessor() : GenericPluginProcessor(GenericPluginInfo{}, 1) {
        for (int c = 0; c < channelCount(); ++c) {
            auto producer = std::make_unique<RingingProducer>(environment(), channel(c).mainInput);
            producer->setStateful(true);
            channel(c).output = producer.get();
            producers.push_back(std::move(producer));
        }
        for (auto* p : {&first, &second}) {
            p->setRange(0.0f, 1.0f, 0.0f);
            p->addValueListener(*this);
        }
    }
    void parameterValueChanged(float value, AbstractPluginParameter& parameter) override {
        applied.push_back({parameter.id(), value});
    }
    void decodeMidi(const MidiMessage& message) override {
        decoded.push_back({message.timeOffset, int(producers[0]->counts.size())});
    }

    RingingProducer& left() { return *producers[0]; }

    FloatPluginParameter first{this, "First"};
    FloatPluginParameter second{this, "Second"};
    std::vector<std::pair<int, float>> applied;
    // (time offset, pieces run before it was decoded)
    std::vector<std::pair<int, int>> decoded;
    std::vector<std::unique_ptr<RingingProducer>> producers;
};

class FrameTest : public ::testing::Test {
protected:
    FrameTest() { processor = GenericPluginProcessor::create<TestProcessor>(); }

    // Runs frames of stereo input with the given value; answers the status word.
    uint32_t run(int frames, float value, bool flaggedSilent = false) {
        input.assign(2, std::vector<float>(size_t(frames), value));
        output.assign(2, std::vector<float>(size_t(frames), -7.0f));
        const float* in[4] = {input[0].data(), input[1].data(), zeros.data(), zeros.data()};
        float* out[2] = {output[0].data(), output[1].data()};
        uint32_t status = flaggedSilent ? GenericPluginProcessor::kInputSilent : 0;
        processor->process(in, 4, out, 2, frames, status);
        return status;
    }

    std::unique_ptr<TestProcessor> processor;
    std::vector<std::vector<float>> input, output;
    std::vector<float> zeros = std::vector<float>(8192, 0.0f);
};

TEST_F(FrameTest, SplitsIntoPiecesOfTheMaximumBlockSize) {
    run(3000, 0.5f);
    EXPECT_EQ(processor->left().counts, (std::vector<int>{1024, 1024, 952}));
    EXPECT_EQ(output[1][2999], 0.5f);
}

TEST_F(FrameTest, SplitsAtMidiAndDecodesLateMessagesAtTheEnd) {
    processor->pushMidi(MidiMessage{0x90, 60, 100, 0, 100});
    processor->pushMidi(MidiMessage{0x80, 60, 0, 0, 700});
    run(512, 0.5f);
    EXPECT_EQ(processor->left().counts, (std::vector<int>{100, 412}));
    ASSERT_EQ(processor->decoded.size(), 2u);
    EXPECT_EQ(processor->decoded[0], (std::pair<int, int>{100, 1})); // between the two pieces
    EXPECT_EQ(processor->decoded[1], (std::pair<int, int>{700, 2})); // after the call
}

TEST_F(FrameTest, ParameterChangesWaitForTheBatchToClose) {
    processor->beginParameterBatch();
    processor->setParameterValue(1, 0.25f, 1);
    run(64, 0.5f);
    EXPECT_TRUE(processor->applied.empty());
    processor->endParameterBatch();
    run(64, 0.5f);
    ASSERT_EQ(processor->applied.size(), 1u);
    EXPECT_EQ(processor->applied[0], (std::pair<int, float>{1, 0.25f}));
}

TEST_F(FrameTest, SilenceSkipsTheGraphOnlyOnceTheTailHasDiedAway) {
    processor->reset();
    // Right after a reset, silent input is passed through without running the graph.
    EXPECT_EQ(run(256, 0.0f, true), GenericPluginProcessor::kInputSilent | GenericPluginProcessor::kOutputSilent);
    EXPECT_TRUE(processor->left().counts.empty());
    EXPECT_EQ(output[0][0], 0.0f);

    // Sound, then silence: the graph keeps running while a stateful producer still rings.
    run(256, 0.5f);
    EXPECT_EQ(processor->left().counts.size(), 1u);
    processor->left().remaining = 300;
    EXPECT_EQ(run(256, 0.0f, true) & GenericPluginProcessor::kOutputSilent, 0u);
    EXPECT_EQ(output[0][255], 0.5f);
    EXPECT_EQ(run(256, 0.0f, true) & GenericPluginProcessor::kOutputSilent, 0u); // rang into this call
    EXPECT_EQ(run(256, 0.0f, true) & GenericPluginProcessor::kOutputSilent, GenericPluginProcessor::kOutputSilent);
    const size_t runs = processor->left().counts.size();
    run(256, 0.0f, true);
    EXPECT_EQ(processor->left().counts.size(), runs); // skipped from here on
}

TEST_F(FrameTest, FinalCopyRemovesNaNInfinityAndSubnormals) {
    const float values[] = {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                            -std::numeric_limits<float>::infinity(), FLT_MIN / 4.0f, -FLT_MIN / 8.0f, 0.75f,
                            -FLT_MAX, FLT_MIN};
    for (float value : values) {
        run(37, value);
        const float expected = std::isfinite(value) && std::fabs(value) >= FLT_MIN ? value : 0.0f;
        for (const auto& channel : output)
            for (float sample : channel) ASSERT_EQ(sample, expected) << "input " << value;
    }
}

TEST_F(FrameTest, StoppedTransportAdvancesAndWrapsTowardsZero) {
    processor->environment().setSampleRate(48000.0f);
    struct Case {
        float tempo;
        float start;
        int frames;
        double expected;
    } cases[] = {
        {120.0f, 4.0f, 48000, 6.0},      // two beats per second
        {0.0f, 4.0f, 24000, 5.0},        // no tempo reads as 120
        {120.0f, 255.5f, 48000, 1.5},    // wraps at 256 beats
        {-120.0f, -255.5f, 48000, -1.5}, // a negative position wraps into (-256, 0]
    };
    for (const Case& c : cases) {
        processor->setTransport(c.tempo, c.start, 0, true); // moves the free-running position there
        processor->setTransport(c.tempo, c.start, 0, false);
        run(c.frames, 0.0f);
        processor->setTransport(c.tempo, c.start, 0, false);
        EXPECT_NEAR(processor->songPosition(), c.expected, 1e-4) << "tempo " << c.tempo << " start " << c.start;
    }
}

TEST_F(FrameTest, TransportHistoryRecordsPlayingCalls) {
    processor->setTransport(120.0f, 0.0f, 0, true);
    const int64_t first = processor->transportHistory(0);
    EXPECT_EQ(uint64_t(first) & 0xFFFFFFFFull, 0xFFFFFFFEull);
    EXPECT_EQ(processor->transportHistory(1), -1);
    processor->setTransport(120.0f, 1.0f, 0, true);
    EXPECT_EQ(uint64_t(processor->transportHistory(1)) >> 32, (uint64_t(first) >> 32) + 1);
    processor->setTransport(120.0f, 1.0f, 0, false);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(processor->transportHistory(i), -1);
}

} // namespace
