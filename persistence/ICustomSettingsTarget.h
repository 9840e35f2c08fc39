// What the custom settings block needs from a plug-in instance: its string settings map, its per-track
// index and the settings-changed notification.
#pragma once

#include <map>
#include <string>

class ICustomSettingsTarget {
public:
    virtual ~ICustomSettingsTarget() = default;

    // Main thread: keys in byte-wise ascending order, which is the order they are stored in.
    virtual std::map<std::string, std::string>& settingsMap() = 0;
    // Main thread: -1 when the instance has none.
    virtual int perTrackIndex() const = 0;
    virtual void setPerTrackIndex(int index) = 0;
    // Main thread: the map was replaced (the model tells its listener with -1032).
    virtual void settingsChanged() = 0;
};
