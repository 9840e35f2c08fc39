// Tests of the sample storage: aligned buffers, blocks, constant blocks and the environment's own blocks.
#include "wave/AlignedBuffer.h"
#include "wave/BasicBlock.h"
#include "wave/ConstValueBlock.h"
#include "wave/Environment.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace wave {
namespace {

bool isAligned(const void* p) {
    return reinterpret_cast<std::uintptr_t>(p) % 32 == 0;
}

TEST(WaveAlignedBuffer, AllocationIsAlignedZeroedAndRoundedToWholeUnits) {
    struct Case {
        int count;
        std::size_t bytes;
    };
    const Case cases[] = {{1, 32}, {7, 32}, {8, 32}, {9, 64}, {1024, 4096}, {1025, 4128}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(AlignedBuffer<float>::allocationBytes(c.count), c.bytes);
        AlignedBuffer<float> buffer(c.count);
        ASSERT_EQ(buffer.count, c.count);
        ASSERT_NE(buffer.data, nullptr);
        EXPECT_TRUE(isAligned(buffer.data));
        // The padding up to the next unit is part of the allocation and zeroed too.
        const std::size_t floats = c.bytes / sizeof(float);
        for (std::size_t i = 0; i < floats; ++i)
            ASSERT_EQ(buffer.data[i], 0.0f) << "at " << i;
    }
}

TEST(WaveAlignedBuffer, EmptyBufferHasNoData) {
    AlignedBuffer<float> buffer(0);
    EXPECT_EQ(buffer.count, 0);
    EXPECT_EQ(buffer.data, nullptr);
    EXPECT_EQ(AlignedBuffer<float>::allocationBytes(-5), 0u);
}

TEST(WaveAlignedBuffer, ResizeKeepsLeadingElementsAndZeroesNewOnes) {
    AlignedBuffer<float> buffer(4);
    for (int i = 0; i < 4; ++i)
        buffer.data[i] = static_cast<float>(i + 1);
    ASSERT_TRUE(buffer.resize(40));
    EXPECT_TRUE(isAligned(buffer.data));
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(buffer.data[i], i < 4 ? static_cast<float>(i + 1) : 0.0f) << "at " << i;
    ASSERT_TRUE(buffer.resize(2));
    EXPECT_EQ(buffer.count, 2);
    EXPECT_EQ(buffer.data[0], 1.0f);
    EXPECT_EQ(buffer.data[1], 2.0f);
}

TEST(WaveBasicBlock, BlockTakesTheBufferSizeAndKeepsLeadingSamplesWhenResized) {
    Environment environment;
    BasicBlock<float> block(environment);
    EXPECT_EQ(block.count, environment.bufferSize());
    EXPECT_EQ(block.environment, &environment);
    EXPECT_EQ(block.flags, 0);
    EXPECT_FALSE(block.isConstant());
    EXPECT_TRUE(isAligned(block.data));
    block.data[0] = 3.0f;
    block.data[1023] = 4.0f;
    block.maxBlockSizeChanged(2048);
    ASSERT_EQ(block.count, 2048);
    EXPECT_TRUE(isAligned(block.data));
    EXPECT_EQ(block.data[0], 3.0f);
    EXPECT_EQ(block.data[1023], 4.0f);
    EXPECT_EQ(block.data[2047], 0.0f);
}

TEST(WaveBasicBlock, ConstValueBlockHoldsItsValueEverywhereAcrossResizes) {
    Environment environment;
    ConstValueBlock block(environment, 0.25f);
    EXPECT_TRUE(block.isConstant());
    block.maxBlockSizeChanged(1500);
    block.setValue(-2.0f);
    ASSERT_EQ(block.count, 1500);
    for (int i = 0; i < block.count; ++i)
        ASSERT_EQ(block.data[i], -2.0f) << "at " << i;
    EXPECT_TRUE(block.isConstant());
}

TEST(WaveBasicBlock, EnvironmentOwnsSilentZeroBlockAndTwoScratchBlocks) {
    Environment environment;
    const ConstValueBlock& zero = environment.zeroBlock;
    EXPECT_TRUE(zero.isConstant());
    ASSERT_EQ(zero.count, Environment::defaultBlockSize);
    EXPECT_TRUE(isAligned(zero.data));
    for (int i = 0; i < zero.count; ++i)
        ASSERT_EQ(zero.data[i], 0.0f);
    for (const BasicBlock<float>& scratch : environment.scratchBlocks) {
        EXPECT_EQ(scratch.count, Environment::defaultBlockSize);
        EXPECT_TRUE(isAligned(scratch.data));
    }
    EXPECT_NE(environment.scratchBlocks[0].data, environment.scratchBlocks[1].data);
}

} // namespace
} // namespace wave
