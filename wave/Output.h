// Output: the base of graph end points that consume blocks without producing one (level triggers).
#pragma once

#include "wave/Component.h"
#include "wave/Consumer.h"

namespace wave {

class Environment;

// Thread: built during setup; derived end points evaluate their inputs on the audio thread.
class Output : public Component, public Consumer {
public:
    Environment* environment;

    explicit Output(Environment& owner) : environment(&owner) {}
};

} // namespace wave
