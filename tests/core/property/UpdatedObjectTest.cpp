// Deferred notification: pending records and event forwarders deliver once per update.
#include "core/property/UpdatedObject.h"
#include "core/property/EventForwarderList.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

TEST(UpdatedObject, FiresARecordMarkedSeveralTimesOnce) {
    UpdatedObject object;
    NotifyEvent changed;
    std::vector<void*> received;
    changed.addHandler([&](void* argument) { received.push_back(argument); });
    int first = 0;
    int last = 0;
    const std::size_t record = object.addRecord(changed, &first);

    object.update();
    EXPECT_TRUE(received.empty());

    object.markPending(record);
    object.markPending(record);
    object.markPending(record, &last);
    EXPECT_TRUE(received.empty());
    object.update();
    object.update();
    EXPECT_EQ(received, std::vector<void*>{&last});
    EXPECT_FALSE(object.isPending(record));
}

TEST(UpdatedObject, FiresRecordsInOrderAndKeepsThoseMarkedDuringUpdate) {
    UpdatedObject object;
    NotifyEvent a;
    NotifyEvent b;
    std::vector<char> order;
    const std::size_t recordA = object.addRecord(a);
    const std::size_t recordB = object.addRecord(b);
    a.addHandler([&](void*) { order.push_back('a'); });
    b.addHandler([&](void*) {
        order.push_back('b');
        object.markPending(recordB);
    });

    object.markPending(recordB);
    object.markPending(recordA);
    object.update();
    EXPECT_EQ(order, (std::vector<char>{'a', 'b'}));
    EXPECT_TRUE(object.isPending(recordB));
    object.update();
    EXPECT_EQ(order, (std::vector<char>{'a', 'b', 'b'}));
}

TEST(UpdatedObject, RejectsUnknownRecords) {
    UpdatedObject object;
    EXPECT_THROW(object.markPending(0), std::out_of_range);
}

TEST(EventForwarderList, DeliversTheLatestArgumentOncePerUpdateInTriggerOrder) {
    EventForwarderList list;
    NotifyEvent sourceA;
    NotifyEvent sourceB;
    std::vector<std::pair<char, void*>> delivered;
    list.addForwarder([&](void* argument) { delivered.emplace_back('a', argument); }).listenTo(sourceA);
    list.addForwarder([&](void* argument) { delivered.emplace_back('b', argument); }).listenTo(sourceB);
    int values[3] = {};

    sourceB.fire(&values[0]);
    sourceA.fire(&values[1]);
    sourceB.fire(&values[2]);
    EXPECT_TRUE(delivered.empty());
    list.update();
    list.update();
    const std::vector<std::pair<char, void*>> expected{{'b', &values[2]}, {'a', &values[1]}};
    EXPECT_EQ(delivered, expected);
}

TEST(EventForwarderList, AForwarderTriggeredDuringDeliveryWaitsForTheNextUpdate) {
    EventForwarderList list;
    NotifyEvent source;
    int deliveries = 0;
    EventForwarderList::Forwarder* forwarder = nullptr;
    forwarder = &list.addForwarder([&](void*) {
        ++deliveries;
        if (deliveries == 1) forwarder->trigger(nullptr);
    });
    forwarder->listenTo(source);

    source.fire(nullptr);
    list.update();
    EXPECT_EQ(deliveries, 1);
    EXPECT_TRUE(forwarder->isWaiting());
    list.update();
    EXPECT_EQ(deliveries, 2);
    EXPECT_FALSE(forwarder->isWaiting());
}

} // namespace
