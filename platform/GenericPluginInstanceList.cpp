// The process-wide list of open plug-in instances and how a new instance finds it.
#include "platform/GenericPluginInstanceList.h"

#include "platform/Module.h"
#include "platform/NamedMemoryBlock.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

namespace {

// Layout of the shared block; every copy of the library reads it the same way.
struct InstanceListBlock {
    IGenericPluginInstanceList* list;
    std::int32_t spinLock;
    std::int32_t reserved;
};
static_assert(sizeof(InstanceListBlock) == 16);

int compareIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c; };
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference =
            lower(static_cast<unsigned char>(a[i])) - lower(static_cast<unsigned char>(b[i]));
        if (difference != 0) return difference;
    }
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

} // namespace

GenericPluginInstanceList::GenericPluginInstanceList() : m_criticalSection(createCriticalSection()) {}

void GenericPluginInstanceList::lock() {
    m_criticalSection->enter();
}

void GenericPluginInstanceList::unlock() {
    m_criticalSection->leave();
}

void GenericPluginInstanceList::add(IGenericPluginInstance* instance) {
    std::lock_guard guard(*this);
    m_instances.insert(m_instances.begin(), instance);
}

IGenericPluginInstance* GenericPluginInstanceList::findByName(std::string_view name) {
    std::lock_guard guard(*this);
    // Instances are renamed without resorting, so the list cannot be searched as if sorted.
    auto found =
        std::find_if(m_instances.begin(), m_instances.end(),
                     [name](IGenericPluginInstance* instance) { return instance->instanceName() == name; });
    return found == m_instances.end() ? nullptr : *found;
}

IGenericPluginInstance* GenericPluginInstanceList::get(int index) {
    std::lock_guard guard(*this);
    if (index < 0 || static_cast<std::size_t>(index) >= m_instances.size()) return nullptr;
    return m_instances[static_cast<std::size_t>(index)];
}

int GenericPluginInstanceList::count() {
    std::lock_guard guard(*this);
    return static_cast<int>(m_instances.size());
}

int GenericPluginInstanceList::takeNextInstanceNumber() {
    std::lock_guard guard(*this);
    return m_nextInstanceNumber++;
}

bool GenericPluginInstanceList::claimInstanceNumber(int number) {
    std::lock_guard guard(*this);
    const bool taken =
        std::any_of(m_instances.begin(), m_instances.end(), [number](IGenericPluginInstance* instance) {
            return instance->instanceNumber() == number;
        });
    if (taken) return false;
    m_nextInstanceNumber = std::max(m_nextInstanceNumber, number + 1);
    return true;
}

bool GenericPluginInstanceList::namesInOrder(std::string_view a, std::string_view b) {
    const int ignoringCase = compareIgnoringCase(a, b);
    return ignoringCase != 0 ? ignoringCase < 0 : a < b;
}

void GenericPluginInstanceList::sortByName() {
    std::lock_guard guard(*this);
    std::stable_sort(m_instances.begin(), m_instances.end(),
                     [](IGenericPluginInstance* a, IGenericPluginInstance* b) {
                         return namesInOrder(a->instanceName(), b->instanceName());
                     });
}

void GenericPluginInstanceList::remove(IGenericPluginInstance* instance) {
    std::lock_guard guard(*this);
    std::erase(m_instances, instance);
}

IGenericPluginInstanceList* joinProcessInstanceList(IGenericPluginInstance* instance) {
    auto* block =
        static_cast<InstanceListBlock*>(processNamedBlock("QuorvaneInstances2", sizeof(InstanceListBlock)));
    std::atomic_ref<IGenericPluginInstanceList*> published(block->list);
    std::atomic_ref<std::int32_t> spinLock(block->spinLock);

    // The spin lock guards only finding the published list; the list's own lock guards its contents.
    std::int32_t unlocked = 0;
    while (!spinLock.compare_exchange_weak(unlocked, 1, std::memory_order_acquire)) {
        unlocked = 0;
        std::this_thread::yield();
    }
    if (IGenericPluginInstanceList* list = published.load(std::memory_order_acquire)) {
        list->add(instance);
        spinLock.store(0, std::memory_order_release);
        return list;
    }
    spinLock.store(0, std::memory_order_release);

    auto created = std::make_unique<GenericPluginInstanceList>();
    created->add(instance);
    // The list's code lives in this module; other copies may use the list after this copy is unloaded.
    const bool retained = retainOwnModule();
    IGenericPluginInstanceList* expected = nullptr;
    if (published.compare_exchange_strong(expected, created.get(), std::memory_order_acq_rel))
        return created.release();

    created->remove(instance);
    expected->add(instance);
    if (retained) releaseOwnModule();
    return expected;
}
