// The instance list over a recursive critical section.
#pragma once

#include "platform/CriticalSection.h"
#include "platform/IGenericPluginInstanceList.h"

#include <memory>
#include <vector>

class GenericPluginInstanceList : public IGenericPluginInstanceList, public ILock {
public:
    GenericPluginInstanceList();

    void lock() override;
    void unlock() override;
    void add(IGenericPluginInstance* instance) override;
    IGenericPluginInstance* findByName(std::string_view name) override;
    IGenericPluginInstance* get(int index) override;
    int count() override;
    int takeNextInstanceNumber() override;
    bool claimInstanceNumber(int number) override;
    void sortByName() override;
    void remove(IGenericPluginInstance* instance) override;

    // The order sortByName establishes: true when `a` sorts before `b`.
    static bool namesInOrder(std::string_view a, std::string_view b);

private:
    std::unique_ptr<CriticalSection> m_criticalSection;
    std::vector<IGenericPluginInstance*> m_instances;
    int m_nextInstanceNumber = 0;
};

// Adds `instance` to the list shared by every copy of this library in the process (the first caller creates
// and publishes it) and returns that list. Any thread.
IGenericPluginInstanceList* joinProcessInstanceList(IGenericPluginInstance* instance);
