// Tests of the environment: run order, activation, notifications, sample rate, idleness and shut-down.
#include "wave/WaveTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace wave {
namespace {

using testing::ProbeSource;
using Log = std::vector<std::string>;

constexpr int n = 8;

// Probes named a, b, c ... sharing one run log.
struct Probes {
    Log log;
    std::vector<std::unique_ptr<ProbeSource>> all;

    Probes(Environment& environment, int count) {
        for (int i = 0; i < count; ++i)
            all.push_back(std::make_unique<ProbeSource>(environment, std::string(1, char('a' + i)), &log));
    }
    ProbeSource& operator[](int i) { return *all[static_cast<std::size_t>(i)]; }
};

Log runFrame(Environment& environment, Probes& probes) {
    probes.log.clear();
    environment.beginFrame();
    environment.advance(n, false);
    return probes.log;
}

TEST(WaveEnvironment, RunListOrderFollowsTheRegistrationOrders) {
    struct Case {
        const char* what;
        std::vector<int> orders; // of a, b, c ... in registration sequence
        Log expected;
        int frontGroup;
    };
    const Case cases[] = {
        {"others append", {2, 2, 2}, {"a:1", "b:1", "c:1"}, 0},
        {"front group runs newest first", {0, 0}, {"b:2", "a:2"}, 2},
        {"after-front goes right behind the front group",
         {2, 1, 0, 1, 0},
         {"e:2", "c:2", "d:1", "b:1", "a:1"},
         2},
        {"any other order is last", {7, -3, 0}, {"c:2", "a:1", "b:1"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Environment environment;
        Probes probes(environment, static_cast<int>(c.orders.size()));
        for (std::size_t i = 0; i < c.orders.size(); ++i)
            probes[static_cast<int>(i)].setOrder(c.orders[i]);
        EXPECT_EQ(runFrame(environment, probes), c.expected);
        EXPECT_EQ(environment.frontGroupSize, c.frontGroup);
    }
}

TEST(WaveEnvironment, AdvanceRunsUnpulledProducersAndTheFrontGroupAlways) {
    Environment environment;
    Probes probes(environment, 3);
    probes[0].setOrder(Producer::Front);
    probes[1].setOrder(Producer::AfterFront);
    probes[2].setOrder(Producer::Last);
    environment.beginFrame();
    pullBlock(probes[0], n);
    pullBlock(probes[2], n);
    environment.advance(n, false);
    EXPECT_EQ(probes.log, (Log{"a:0", "c:0", "a:2", "b:1"}));
    EXPECT_EQ(environment.currentTime, n);
}

TEST(WaveEnvironment, SkippedFrameRunsNothingButMovesTime) {
    Environment environment;
    Probes probes(environment, 2);
    probes[0].setOrder(Producer::Front);
    probes[1].setOrder(Producer::Last);
    environment.beginFrame();
    environment.advance(100, true);
    environment.beginFrame();
    environment.advance(28, true);
    EXPECT_TRUE(probes.log.empty());
    EXPECT_EQ(environment.currentTime, 128);
}

TEST(WaveEnvironment, DeactivatedProducerLeavesTheRunListAndReturnsAtItsOrderReset) {
    Environment environment;
    Probes probes(environment, 5);
    const int orders[] = {Producer::Front, Producer::Front, Producer::AfterFront, Producer::Last,
                          Producer::Last};
    for (int i = 0; i < 5; ++i)
        probes[i].setOrder(orders[i]);
    probes[1].setStateful(true);
    probes[2].setStateful(true);
    ASSERT_EQ(runFrame(environment, probes), (Log{"b:2", "a:2", "c:1", "d:1", "e:1"}));

    for (int i : {1, 2, 3})
        probes[i].setActive(false);
    EXPECT_EQ(runFrame(environment, probes), (Log{"a:2", "e:1"}));
    EXPECT_EQ(environment.frontGroupSize, 1);

    for (int i : {3, 2, 1})
        probes[i].setActive(true);
    EXPECT_EQ(runFrame(environment, probes), (Log{"b:2", "a:2", "c:1", "e:1", "d:1"}));
    EXPECT_EQ(environment.frontGroupSize, 2);
    EXPECT_EQ(probes[1].resets, 1);
    EXPECT_EQ(probes[2].resets, 1);
    EXPECT_EQ(probes[3].resets, 0); // not stateful

    probes[1].setActive(true); // no change: no reset, no second entry
    EXPECT_EQ(probes[1].resets, 1);
    EXPECT_EQ(environment.runList.size(), 5u);
}

TEST(WaveEnvironment, UnregisteredProducersStayOutOfTheRunList) {
    Environment environment;
    Probes probes(environment, 2);
    probes[0].setActive(false);
    probes[0].setActive(true);
    EXPECT_TRUE(environment.runList.empty());
    // Ordered while inactive: registered, but it joins only when activated.
    probes[1].setActive(false);
    probes[1].setOrder(Producer::Last);
    EXPECT_TRUE(environment.runList.empty());
    probes[1].setActive(true);
    EXPECT_EQ(runFrame(environment, probes), (Log{"b:1"}));
}

TEST(WaveEnvironment, SetOrderMovesARegisteredProducer) {
    Environment environment;
    Probes probes(environment, 2);
    probes[0].setOrder(Producer::Last);
    probes[1].setOrder(Producer::Last);
    probes[1].setOrder(Producer::Front);
    EXPECT_EQ(runFrame(environment, probes), (Log{"b:2", "a:1"}));
    probes[1].setOrder(Producer::Last);
    EXPECT_EQ(runFrame(environment, probes), (Log{"a:1", "b:1"}));
    EXPECT_EQ(environment.frontGroupSize, 0);
}

TEST(WaveEnvironment, RegisteringWhileProcessingStaysWithinReservedCapacity) {
    Environment environment;
    Probes probes(environment, 40);
    EXPECT_EQ(environment.producerCount, 40);
    ASSERT_GE(environment.runList.capacity(), 40u);
    ASSERT_GE(environment.statefulList.capacity(), 40u);
    const auto* runStorage = environment.runList.data();
    const auto* statefulStorage = environment.statefulList.data();
    for (int i = 0; i < 40; ++i) {
        probes[i].setOrder(i % 3);
        probes[i].setStateful(true);
        probes[i].setActive(i % 2 == 0);
        probes[i].setActive(true);
    }
    EXPECT_EQ(environment.runList.size(), 40u);
    EXPECT_EQ(environment.statefulList.size(), 40u);
    EXPECT_EQ(environment.runList.data(), runStorage);
    EXPECT_EQ(environment.statefulList.data(), statefulStorage);
}

TEST(WaveEnvironment, NotificationKindsReachTheRightProducersAndChildren) {
    struct Case {
        Environment::Notification kind;
        int resets;
        int rateResets;
        bool childReached;
        bool resetTimeStamped;
    };
    const Case cases[] = {
        {Environment::Reset, 1, 0, true, true},
        {Environment::SampleRateChanged, 0, 1, true, true},
        {Environment::ParameterJump, 0, 0, true, false},
        {Environment::LocalReset, 1, 0, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Environment environment, child;
        environment.addChild(child, 1.0f);
        ProbeSource active(environment), inactive(environment), plain(environment), inChild(child);
        for (ProbeSource* p : {&active, &inactive, &inChild})
            p->setStateful(true);
        inactive.setActive(false);
        const int activationResets = inactive.resets;
        environment.currentTime = 500;
        child.currentTime = 70;

        environment.notify(c.kind);

        EXPECT_EQ(active.resets, c.resets);
        EXPECT_EQ(active.rateResets, c.rateResets);
        EXPECT_EQ(inactive.resets, activationResets);
        EXPECT_EQ(inactive.rateResets, 0);
        EXPECT_EQ(plain.resets + plain.rateResets, 0);
        EXPECT_EQ(inChild.resets, c.childReached ? c.resets : 0);
        EXPECT_EQ(inChild.rateResets, c.childReached ? c.rateResets : 0);
        EXPECT_EQ(child.discontinuityTime, c.childReached ? 70 : 0);
        EXPECT_EQ(environment.discontinuityTime, 500);
        EXPECT_EQ(environment.resetTime, c.resetTimeStamped ? 500 : 0);
    }
}

struct WaveSampleRate : ::testing::Test {
    Environment environment, child, grandchild;
    ProbeSource active{environment}, inactive{environment}, inChild{child};
    int handlerCalls = 0;
    float rateSeenByHandler = 0.0f;

    WaveSampleRate() {
        environment.addChild(child, 2.0f);
        child.addChild(grandchild, 0.5f);
        for (ProbeSource* p : {&active, &inactive, &inChild})
            p->setStateful(true);
        inactive.setActive(false);
        environment.sampleRateHandler = [this](Environment& changed) {
            ++handlerCalls;
            EXPECT_EQ(&changed, &environment);
            rateSeenByHandler = changed.sampleRate;
        };
        environment.currentTime = 300;
        child.currentTime = 600;
    }
};

TEST_F(WaveSampleRate, ChildrenFollowTheirParentsRate) {
    EXPECT_EQ(child.sampleRate, 88200.0f);
    EXPECT_EQ(grandchild.sampleRate, 44100.0f);
}

TEST_F(WaveSampleRate, SameRateNotifiesNothing) {
    environment.setSampleRate(44100.0f);
    EXPECT_EQ(handlerCalls, 0);
    EXPECT_EQ(active.rateResets + inactive.rateResets + inChild.rateResets, 0);
    EXPECT_EQ(environment.discontinuityTime, 0);
    EXPECT_EQ(child.discontinuityTime, 0);
}

TEST_F(WaveSampleRate, NewRateResetsStatefulProducersAndNotifiesChildrenAndTheHandler) {
    environment.setSampleRate(48000.0f);
    EXPECT_EQ(handlerCalls, 1);
    EXPECT_EQ(rateSeenByHandler, 48000.0f);
    EXPECT_EQ(child.sampleRate, 96000.0f);
    EXPECT_EQ(grandchild.sampleRate, 48000.0f);
    EXPECT_EQ(active.rateResets, 1);
    EXPECT_EQ(inactive.rateResets, 1); // every stateful producer hears of a new rate
    EXPECT_EQ(inChild.rateResets, 1);
    EXPECT_EQ(active.resets, 0);
    EXPECT_EQ(environment.discontinuityTime, 300);
    EXPECT_EQ(environment.resetTime, 300);
    EXPECT_EQ(child.discontinuityTime, 600);
}

TEST_F(WaveSampleRate, NonsensicalRatesAreIgnored) {
    for (float rate :
         {0.0f, -48000.0f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        environment.setSampleRate(rate);
        EXPECT_EQ(environment.sampleRate, 44100.0f);
    }
    EXPECT_EQ(handlerCalls, 0);
    EXPECT_EQ(active.rateResets, 0);
}

TEST(WaveEnvironment, AllIdleAsksEveryStatefulProducerAndEveryChild) {
    Environment environment, child;
    environment.addChild(child, 1.0f);
    EXPECT_TRUE(environment.allIdle());
    ProbeSource stateful(environment), plain(environment), inChild(child);
    stateful.setStateful(true);
    inChild.setStateful(true);
    plain.idle = false; // not stateful: not asked
    EXPECT_TRUE(environment.allIdle());
    stateful.idle = false;
    EXPECT_FALSE(environment.allIdle());
    stateful.idle = true;
    inChild.idle = false;
    EXPECT_FALSE(environment.allIdle());
    EXPECT_FALSE(child.allIdle());
}

TEST(WaveEnvironment, DestroyedProducersLeaveTheListsUntilShutDown) {
    Environment environment, child;
    environment.addChild(child, 1.0f);
    auto early = std::make_unique<ProbeSource>(environment);
    early->setOrder(Producer::Front);
    early->setStateful(true);
    early.reset();
    EXPECT_TRUE(environment.runList.empty());
    EXPECT_TRUE(environment.statefulList.empty());
    EXPECT_EQ(environment.frontGroupSize, 0);

    auto late = std::make_unique<ProbeSource>(environment);
    auto lateInChild = std::make_unique<ProbeSource>(child);
    for (ProbeSource* p : {late.get(), lateInChild.get()}) {
        p->setOrder(Producer::Last);
        p->setStateful(true);
    }
    environment.shutDown();
    EXPECT_TRUE(child.shuttingDown);
    late.reset();
    lateInChild.reset();
    // The lists were not touched: a graph being torn down is not kept in order.
    EXPECT_EQ(environment.runList.size(), 1u);
    EXPECT_EQ(child.statefulList.size(), 1u);
}

TEST(WaveEnvironment, ChildrenFollowFramesTimeAndFlags) {
    Environment environment, child;
    environment.addChild(child, 0.5f);
    ProbeSource inChild(child);
    inChild.setOrder(Producer::Last);
    struct Step {
        int n;
        bool skip;
        std::int64_t childTime;
        int childRuns;
    };
    // Half rate: frames of 3 samples are 1.5 child samples, carried so no time is lost.
    const Step steps[] = {{3, false, 1, 1}, {3, false, 3, 2}, {4, true, 5, 2}};
    int frame = 0;
    for (const Step& step : steps) {
        environment.beginFrame();
        ++frame;
        EXPECT_EQ(child.frameCounter, frame);
        environment.advance(step.n, step.skip);
        EXPECT_EQ(child.currentTime, step.childTime);
        EXPECT_EQ(inChild.produced, step.childRuns);
    }
    environment.setDisplayWatched(true);
    EXPECT_EQ(child.displayWatched, 1);
    environment.setDisplayWatched(false);
    EXPECT_EQ(child.displayWatched, 0);
}

TEST(WaveEnvironment, ChildrenDetachFromTheirParentWhenEitherGoes) {
    Environment environment;
    {
        Environment child;
        environment.addChild(child, 1.0f);
        EXPECT_EQ(child.parent, &environment);
    }
    EXPECT_TRUE(environment.children.empty());
    Environment orphan;
    {
        Environment parent, other;
        parent.addChild(orphan, 1.0f);
        other.addChild(orphan, 1.0f);
        EXPECT_TRUE(parent.children.empty());
        EXPECT_EQ(orphan.parent, &other);
    }
    EXPECT_EQ(orphan.parent, nullptr);
}

TEST(WaveEnvironment, FrameCounterWrapsAndProducersStillComputeOncePerFrame) {
    Environment environment;
    ProbeSource source(environment);
    environment.frameCounter = INT_MAX;
    pullBlock(source, n);
    environment.beginFrame();
    EXPECT_EQ(environment.frameCounter, INT_MIN);
    pullBlock(source, n);
    pullBlock(source, n);
    EXPECT_EQ(source.produced, 2);
}

} // namespace
} // namespace wave
