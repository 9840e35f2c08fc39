// Tests of the delay ring: sizing, integer and interpolated reads against a model of the whole history,
// resizing, and the delay filter's contiguity rule.
#include "wave/WaveTestSupport.h"

#include "wave/Delay.h"
#include "wave/DelayFilterBase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace wave {
namespace {

// Everything ever written; a sample at age a (1 = newest) that was never written reads 0.
struct History {
    std::vector<float> samples;

    float at(long age) const {
        const long size = static_cast<long>(samples.size());
        return age >= 1 && age <= size ? samples[static_cast<std::size_t>(size - age)] : 0.0f;
    }
    // What sample i of the last n written reads at delay d.
    float delayed(int n, int i, float d) const {
        const long whole = static_cast<long>(std::floor(d));
        const float fraction = d - static_cast<float>(whole);
        const float newer = at(n - i + whole);
        const float older = at(n - i + whole + 1);
        return newer * (1.0f - fraction) + older * fraction;
    }
};

void writeBoth(Delay& delay, History& history, const std::vector<float>& block) {
    delay.write(block.data(), static_cast<int>(block.size()));
    history.samples.insert(history.samples.end(), block.begin(), block.end());
}

std::vector<float> ramp(int n, float start) {
    std::vector<float> v(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        v[static_cast<std::size_t>(i)] = start + static_cast<float>(i);
    return v;
}

TEST(WaveDelay, RingIsTheSmallestPowerOfTwoHoldingMaximumPlusOneBlock) {
    Environment environment;
    struct Case {
        int maximum;
        int size;
    };
    for (const Case c : {Case{0, 1024}, Case{1, 2048}, Case{1024, 2048}, Case{1025, 4096}, Case{2205, 4096},
                         Case{-10, 1024}}) {
        SCOPED_TRACE(c.maximum);
        Delay delay(environment, c.maximum);
        EXPECT_EQ(delay.size, c.size);
        EXPECT_EQ(delay.mask, c.size - 1);
        EXPECT_EQ(delay.ring.count, c.size);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(delay.ring.data) % 32, 0u);
    }
}

TEST(WaveDelay, NothingWrittenReadsSilence) {
    Environment environment;
    Delay delay(environment, 100);
    std::vector<float> out(64, 9.0f);
    delay.read(10, out.data(), 64);
    for (float v : out)
        ASSERT_EQ(v, 0.0f);
    std::vector<float> delays(64, 3.25f);
    out.assign(64, 9.0f);
    delay.readInterpolated(delays.data(), out.data(), 64);
    for (float v : out)
        ASSERT_EQ(v, 0.0f);
}

TEST(WaveDelay, ReadsMatchTheHistory) {
    struct Case {
        const char* what;
        int written;
        int n;
        float delay;
    };
    const Case cases[] = {
        {"delay 0 returns what was just written", 32, 32, 0.0f},
        {"integer delay", 64, 16, 7.0f},
        {"partly before the first sample", 10, 10, 5.0f},
        {"half way between samples 1 and 2 back", 20, 20, 1.5f},
        {"fraction with an unwritten older neighbour", 8, 8, 7.25f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Environment environment;
        Delay delay(environment, 100);
        History history;
        writeBoth(delay, history, ramp(c.written, 1.0f));
        std::vector<float> out(static_cast<std::size_t>(c.n));
        std::vector<float> delays(static_cast<std::size_t>(c.n), c.delay);
        delay.readInterpolated(delays.data(), out.data(), c.n);
        for (int i = 0; i < c.n; ++i)
            ASSERT_FLOAT_EQ(out[static_cast<std::size_t>(i)], history.delayed(c.n, i, c.delay)) << "at " << i;
        if (c.delay == std::floor(c.delay)) {
            std::vector<float> integerOut(static_cast<std::size_t>(c.n));
            delay.read(static_cast<int>(c.delay), integerOut.data(), c.n);
            EXPECT_EQ(integerOut, out);
        }
    }
}

TEST(WaveDelay, HalfSampleDelayIsTheMeanOfOneAndTwoBack) {
    Environment environment;
    Delay delay(environment, 16);
    const float written[] = {3.0f, 5.0f, 11.0f};
    delay.write(written, 3);
    const float delays[] = {1.5f};
    float out = 0.0f;
    delay.readInterpolated(delays, &out, 1); // sample 1 back is 5, 2 back is 3
    EXPECT_FLOAT_EQ(out, 4.0f);
}

TEST(WaveDelay, WrapsAroundOverManyBlocksWithMovingDelays) {
    Environment environment;
    constexpr int maximum = 300;
    Delay delay(environment, maximum);
    ASSERT_EQ(delay.size, 2048);
    History history;
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> blockSize(1, 1024);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    std::uniform_real_distribution<float> fractional(0.0f, static_cast<float>(maximum));
    float phase = 0.0f;
    for (int block = 0; block < 120; ++block) {
        SCOPED_TRACE(block);
        const int n = blockSize(random);
        std::vector<float> in(static_cast<std::size_t>(n));
        for (float& v : in)
            v = sample(random);
        writeBoth(delay, history, in);

        const int integerDelay = block % (maximum + 1);
        std::vector<float> out(static_cast<std::size_t>(n));
        delay.read(integerDelay, out.data(), n);
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(out[static_cast<std::size_t>(i)],
                      history.delayed(n, i, static_cast<float>(integerDelay)))
                << "integer read at " << i;

        // A swept delay, as a smoothed delay line reads it, plus random jumps.
        std::vector<float> delays(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) {
            phase += 0.01f;
            delays[static_cast<std::size_t>(i)] =
                i % 7 == 0 ? fractional(random) : 150.0f + 149.0f * std::sin(phase);
        }
        delay.readInterpolated(delays.data(), out.data(), n);
        for (int i = 0; i < n; ++i)
            ASSERT_NEAR(out[static_cast<std::size_t>(i)],
                        history.delayed(n, i, delays[static_cast<std::size_t>(i)]), 1e-6f)
                << "interpolated read at " << i << " delay " << delays[static_cast<std::size_t>(i)];
    }
    EXPECT_EQ(delay.fillCount, delay.size);
}

TEST(WaveDelay, OutOfRangeDelaysAreClampedInsideTheRing) {
    Environment environment;
    Delay delay(environment, 10);
    History history;
    writeBoth(delay, history, ramp(3000, 1.0f)); // longer than the ring: only the newest survive
    const int n = 4;
    const float longest = static_cast<float>(delay.size - n);
    struct Case {
        float requested;
        float used;
    };
    const Case cases[] = {{-3.0f, 0.0f},
                          {std::numeric_limits<float>::quiet_NaN(), 0.0f},
                          {1e9f, longest},
                          {std::numeric_limits<float>::infinity(), longest}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.requested);
        const float delays[n] = {c.requested, c.requested, c.requested, c.requested};
        float out[n];
        delay.readInterpolated(delays, out, n);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(out[i], history.delayed(n, i, c.used)) << "at " << i;
        float integerOut[n];
        delay.read(c.used == 0.0f ? -7 : 1 << 30, integerOut, n);
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(integerOut[i], history.delayed(n, i, c.used)) << "at " << i;
    }
}

TEST(WaveDelay, NewMaximumReallocatesAndClearsButTheSameKeepsTheContents) {
    Environment environment;
    Delay delay(environment, 100);
    const std::vector<float> block = ramp(16, 1.0f);
    delay.write(block.data(), 16);
    delay.setMaximumDelay(100);
    float out = 0.0f;
    delay.read(0, &out, 1);
    EXPECT_EQ(out, 16.0f);

    delay.setMaximumDelay(5000);
    EXPECT_EQ(delay.size, 8192);
    EXPECT_EQ(delay.fillCount, 0);
    EXPECT_EQ(delay.writePosition, 0);
    delay.read(0, &out, 1);
    EXPECT_EQ(out, 0.0f);
}

TEST(WaveDelay, BlockSizeChangeKeepsTheNewestSamples) {
    Environment environment;
    Delay delay(environment, 100);
    History history;
    writeBoth(delay, history, ramp(1500, 1.0f));
    writeBoth(delay, history, ramp(700, 2000.0f)); // wraps the 2048-sample ring
    delay.maxBlockSizeChanged(3000);
    ASSERT_EQ(delay.size, 4096);
    constexpr int n = 3000;
    std::vector<float> out(n);
    delay.read(96, out.data(), n);
    // Everything the old ring held comes back; older samples read as never written.
    for (int i = 0; i < n; ++i) {
        const long age = n + 96 - i;
        ASSERT_EQ(out[static_cast<std::size_t>(i)], age <= 2048 ? history.at(age) : 0.0f) << "at " << i;
    }
}

// Reads the input back three samples late.
class ThreeSampleDelay : public DelayFilterBase {
public:
    explicit ThreeSampleDelay(Environment& environment, Producer* source)
        : DelayFilterBase(environment, 3, source) {}
    void readDelayed(BasicBlock<float>* out, int count, int) override { delay.read(3, out->data, count); }
};

TEST(WaveDelayFilterBase, ContiguousBlocksCarryOverAndAGapClearsTheRing) {
    Environment environment;
    testing::ProbeSource source(environment); // block k holds k everywhere
    ThreeSampleDelay delayed(environment, &source);
    struct Step {
        bool skip;
        float expected[4];
    };
    const Step steps[] = {
        {false, {0, 0, 0, 1}},
        {false, {1, 1, 1, 2}},
        {true, {}},
        {false, {0, 0, 0, 3}}, // the skipped frame broke the line: nothing of block 2 comes back
    };
    for (const Step& step : steps) {
        environment.beginFrame();
        if (!step.skip) {
            const BasicBlock<float>* out = pullBlock(delayed, 4);
            for (int i = 0; i < 4; ++i)
                EXPECT_EQ(out->data[i], step.expected[i]) << "at " << i;
        }
        environment.advance(4, step.skip);
    }
}

} // namespace
} // namespace wave
