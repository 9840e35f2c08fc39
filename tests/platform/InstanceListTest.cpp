// The instance list, its numbering and ordering, and the process-wide list found through a named block.
#include "platform/GenericPluginInstanceList.h"
#include "platform/NamedMemoryBlock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>

namespace {

class TestInstance : public IGenericPluginInstance {
public:
    explicit TestInstance(std::string name, int number = -1) : m_name(std::move(name)), m_number(number) {}
    std::string instanceName() const override { return m_name; }
    int instanceNumber() const override { return m_number; }

private:
    std::string m_name;
    int m_number;
};

TEST(GenericPluginInstanceList, HandsOutNumbersThatNoOpenInstanceHolds) {
    GenericPluginInstanceList list;
    const int first = list.takeNextInstanceNumber();
    const int second = list.takeNextInstanceNumber();
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);
    TestInstance a("A", first);
    TestInstance b("B", second);
    list.add(&a);
    list.add(&b);

    EXPECT_FALSE(list.claimInstanceNumber(1));
    list.remove(&b);
    EXPECT_TRUE(list.claimInstanceNumber(1));
    EXPECT_EQ(list.takeNextInstanceNumber(), 2);
    EXPECT_TRUE(list.claimInstanceNumber(7));
    EXPECT_EQ(list.takeNextInstanceNumber(), 8);
}

TEST(GenericPluginInstanceList, AddsAtTheFrontFindsByExactNameAndSorts) {
    GenericPluginInstanceList list;
    TestInstance instances[] = {TestInstance("b"), TestInstance("ab"), TestInstance("B"), TestInstance("A"),
                                TestInstance("a")};
    for (TestInstance& instance : instances)
        list.add(&instance);
    ASSERT_EQ(list.count(), 5);
    EXPECT_EQ(list.get(0), &instances[4]);
    EXPECT_EQ(list.get(5), nullptr);
    EXPECT_EQ(list.get(-1), nullptr);
    EXPECT_EQ(list.findByName("B"), &instances[2]);
    EXPECT_EQ(list.findByName("c"), nullptr);

    list.sortByName();
    std::string order;
    for (int i = 0; i < list.count(); ++i)
        order += list.get(i)->instanceName() + " ";
    EXPECT_EQ(order, "A a ab B b ");
}

TEST(ProcessNamedBlock, IsOneZeroFilledBlockPerName) {
    EXPECT_EQ(processBlockName("QuorvaneProcess2"), "QuorvaneProcess2." + std::to_string(currentProcessId()));
    auto* block = static_cast<std::uint8_t*>(processNamedBlock("LumenorTestBlock", 24));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % 16, 0u);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(block[i], 0) << i;
    block[23] = 5;
    EXPECT_EQ(static_cast<std::uint8_t*>(processNamedBlock("LumenorTestBlock", 24))[23], 5);
    EXPECT_NE(processNamedBlock("LumenorTestBlock2", 24), static_cast<void*>(block));
}

TEST(GenericPluginInstanceList, InstancesJoiningFromSeveralThreadsShareOneProcessList) {
    TestInstance first("first");
    TestInstance second("second");
    IGenericPluginInstanceList* lists[2] = {};
    std::thread other([&] { lists[1] = joinProcessInstanceList(&second); });
    lists[0] = joinProcessInstanceList(&first);
    other.join();

    ASSERT_NE(lists[0], nullptr);
    EXPECT_EQ(lists[0], lists[1]);
    EXPECT_EQ(lists[0]->findByName("first"), &first);
    EXPECT_EQ(lists[0]->findByName("second"), &second);
    lists[0]->remove(&first);
    lists[0]->remove(&second);
    EXPECT_EQ(lists[0]->findByName("first"), nullptr);
}

} // namespace
