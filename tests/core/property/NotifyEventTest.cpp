// Events: firing order, ownership of handlers, removal by descriptor and changes while firing.
#include "core/property/NotifyEvent.h"
#include "core/property/ManagedObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct Listener {
    void first(void* argument) {
        log += 'f';
        log += std::to_string(*static_cast<int*>(argument));
    }
    void second(void*) { log += "s"; }
    std::string log;
};

struct DerivedListener : ManagedObject, Listener {};

TEST(NotifyEvent, FiresPrimaryFirstThenNewestToOldest) {
    NotifyEvent event;
    std::string order;
    event.addHandler([&](void*) { order += "A"; });
    event.addHandler([&](void*) { order += "B"; });
    event.setPrimaryHandler([&](void*) { order += "P"; });
    event.addHandler([&](void*) { order += "C"; });
    event.fire(nullptr);
    EXPECT_EQ(order, "PCBA");
}

TEST(NotifyEvent, PassesTheArgument) {
    NotifyEvent event;
    Listener listener;
    event.addHandler(&listener, &Listener::first);
    int value = 42;
    event.fire(&value);
    EXPECT_EQ(listener.log, "f42");

    BasicNotifyEvent<const std::string&> typed;
    std::string received;
    typed.addHandler([&](const std::string& text) { received = text; });
    typed.fire("text");
    EXPECT_EQ(received, "text");
}

TEST(NotifyEvent, OwnsItsHandlers) {
    auto token = std::make_shared<int>(0);
    {
        NotifyEvent event;
        event.setPrimaryHandler([token](void*) {});
        event.addHandler([token](void*) {});
        EXPECT_EQ(token.use_count(), 3);
        event.setPrimaryHandler([](void*) {});
        EXPECT_EQ(token.use_count(), 2);
    }
    EXPECT_EQ(token.use_count(), 1);
}

TEST(NotifyEvent, RemovesOnlyTheHandlerOfThatObjectAndMemberFunction) {
    NotifyEvent event;
    Listener a;
    Listener b;
    event.addHandler(&a, &Listener::second);
    event.addHandler(&a, &Listener::second);
    event.addHandler(&a, &Listener::first);
    event.addHandler(&b, &Listener::second);
    event.addHandler([](void*) {});

    EXPECT_TRUE(event.removeHandler(&a, &Listener::second));
    int value = 1;
    event.fire(&value);
    EXPECT_EQ(a.log, "f1s");
    EXPECT_EQ(b.log, "s");
    EXPECT_EQ(event.handlerCount(), 4u);

    EXPECT_TRUE(event.removeHandler(&a, &Listener::second));
    EXPECT_FALSE(event.removeHandler(&a, &Listener::second));
    // A callable never matches, not even a descriptor that is a callable handler itself.
    EXPECT_FALSE(event.removeHandler(NotifyEvent::HandlerImplFunc([](void*) {})));
    EXPECT_EQ(event.handlerCount(), 3u);
}

TEST(NotifyEvent, MatchesMemberFunctionsOfABaseThroughADerivedObject) {
    NotifyEvent event;
    DerivedListener listener;
    event.addHandler(&listener, &Listener::second);
    EXPECT_TRUE(event.removeHandler(&listener, &Listener::second));
    EXPECT_EQ(event.handlerCount(), 0u);
}

// A handler that unsubscribes itself and subscribes another one while the event fires.
struct SelfRemover {
    void onFire(void*) {
        ++calls;
        event->removeHandler(this, &SelfRemover::onFire);
        event->addHandler([this](void*) { ++addedCalls; });
    }
    NotifyEvent* event = nullptr;
    int calls = 0;
    int addedCalls = 0;
};

TEST(NotifyEvent, HandlersMayRemoveThemselvesAndAddOthersWhileItFires) {
    NotifyEvent event;
    SelfRemover remover;
    remover.event = &event;
    int olderCalls = 0;
    event.addHandler([&](void*) { ++olderCalls; });
    event.addHandler(&remover, &SelfRemover::onFire);

    event.fire(nullptr);
    EXPECT_EQ(remover.calls, 1);
    EXPECT_EQ(olderCalls, 1);
    EXPECT_EQ(remover.addedCalls, 0);

    event.fire(nullptr);
    EXPECT_EQ(remover.calls, 1);
    EXPECT_EQ(olderCalls, 2);
    EXPECT_EQ(remover.addedCalls, 1);
    EXPECT_EQ(event.handlerCount(), 2u);
}

TEST(NotifyEvent, PrimaryHandlerMayReplaceItselfWhileItFires) {
    NotifyEvent event;
    int replacedCalls = 0;
    event.setPrimaryHandler([&](void*) { event.setPrimaryHandler([&](void*) { ++replacedCalls; }); });
    event.fire(nullptr);
    EXPECT_EQ(replacedCalls, 0);
    event.fire(nullptr);
    EXPECT_EQ(replacedCalls, 1);
}

} // namespace
