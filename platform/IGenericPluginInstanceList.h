// The list of the plug-in instances open in this process. Every operation takes the list's lock itself;
// lock and unlock bracket several operations that must see a consistent list. Any thread.
#pragma once

#include "platform/IGenericPluginInstance.h"

#include <string_view>

class IGenericPluginInstanceList {
public:
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // Puts the instance at the front of the list.
    virtual void add(IGenericPluginInstance* instance) = 0;
    // The instance whose name is exactly `name`, or null.
    virtual IGenericPluginInstance* findByName(std::string_view name) = 0;
    // Null when `index` is outside [0, count).
    virtual IGenericPluginInstance* get(int index) = 0;
    virtual int count() = 0;
    // Returns the next instance number (from 0) and counts it as taken.
    virtual int takeNextInstanceNumber() = 0;
    // Fails while a listed instance has `number`; otherwise later numbers from takeNextInstanceNumber are
    // above it.
    virtual bool claimInstanceNumber(int number) = 0;
    // Sorts by name: without regard to case first, then with regard to case.
    virtual void sortByName() = 0;
    virtual void remove(IGenericPluginInstance* instance) = 0;
    virtual ~IGenericPluginInstanceList() = default;
};
