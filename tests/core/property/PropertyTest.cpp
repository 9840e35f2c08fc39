// Properties: change detection, clamping, owner notification and nested notification.
#include "core/property/Property.h"
#include "core/property/LimitedProperty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct Notification {
    const AbstractProperty* property;
    std::intptr_t word1;
    std::intptr_t word2;
    float valueSeen;
};

class RecordingOwner : public PropertyOwner {
public:
    void propertyChanged(const AbstractProperty* property, std::intptr_t word1,
                         std::intptr_t word2) override {
        notifications.push_back({property, word1, word2, level.value()});
    }

    Property<float> level{this, 1.0f};
    std::vector<Notification> notifications;
};

const float kNaN = std::numeric_limits<float>::quiet_NaN();

TEST(Property, NotifiesOnlyChangesAfterStoringTheValue) {
    RecordingOwner owner;
    owner.level.assign(2.0f, 7, -9);
    owner.level.assign(2.0f, 8, 8);
    ASSERT_EQ(owner.notifications.size(), 1u);
    EXPECT_EQ(owner.notifications[0].property, &owner.level);
    EXPECT_EQ(owner.notifications[0].word1, 7);
    EXPECT_EQ(owner.notifications[0].word2, -9);
    EXPECT_EQ(owner.notifications[0].valueSeen, 2.0f);
}

TEST(Property, FloatChangesFollowOrderingSoNaNNeverChangesAnything) {
    struct Case {
        float initial;
        float assigned;
        bool changes;
    };
    const Case cases[] = {
        {1.0f, 1.0f, false}, {1.0f, 1.5f, true},  {0.0f, -0.0f, false},
        {1.0f, kNaN, false}, {kNaN, 1.0f, false},
    };
    for (const Case& c : cases) {
        RecordingOwner owner;
        owner.level.assign(c.initial);
        owner.notifications.clear();
        owner.level.assign(c.assigned);
        EXPECT_EQ(owner.notifications.size(), c.changes ? 1u : 0u) << c.initial << " <- " << c.assigned;
        if (c.changes) {
            EXPECT_EQ(owner.level.value(), c.assigned);
        }
    }
}

TEST(Property, WithoutOwnerStores) {
    Property<std::string> name(nullptr, "a");
    name.assign("b");
    EXPECT_EQ(name.value(), "b");
}

TEST(Property, AssignsThroughValueAssignable) {
    RecordingOwner owner;
    ValueAssignable<float>& target = owner.level;
    target.assign(4.0f, 1, 2);
    EXPECT_EQ(owner.level.value(), 4.0f);
    EXPECT_EQ(owner.notifications.size(), 1u);
}

TEST(LimitedProperty, ClampsIntoItsRangeBeforeComparing) {
    RecordingOwner owner;
    LimitedProperty gain(&owner, 0.1f, 10.0f, 50.0f);
    EXPECT_EQ(gain.value(), 10.0f);

    gain.assign(1.0f);
    owner.notifications.clear();
    gain.assign(20.0f);
    EXPECT_EQ(gain.value(), 10.0f);
    EXPECT_EQ(owner.notifications.size(), 1u);
    gain.assign(10.0f);
    gain.assign(30.0f);
    EXPECT_EQ(owner.notifications.size(), 1u);

    gain.assign(-3.0f);
    EXPECT_EQ(gain.value(), 0.1f);
    gain.assign(kNaN);
    EXPECT_EQ(gain.value(), 0.1f);
    EXPECT_EQ(owner.notifications.size(), 2u);
}

// Two properties kept equal by their owner: each change assigns the other, which notifies at once, and the
// echo ends because the value no longer changes.
class MirroringOwner : public PropertyOwner {
public:
    void propertyChanged(const AbstractProperty* property, std::intptr_t, std::intptr_t) override {
        ++depth;
        maximumDepth = std::max(maximumDepth, depth);
        if (property == &left)
            right.assign(left.value());
        else if (property == &right)
            left.assign(right.value());
        --depth;
        ++calls;
    }

    Property<int> left{this, 0};
    Property<int> right{this, 0};
    int depth = 0;
    int maximumDepth = 0;
    int calls = 0;
};

TEST(Property, NestedNotificationsEndWhenValuesSettle) {
    MirroringOwner owner;
    owner.left.assign(5);
    EXPECT_EQ(owner.right.value(), 5);
    EXPECT_EQ(owner.calls, 2);
    EXPECT_EQ(owner.maximumDepth, 2);
}

} // namespace
