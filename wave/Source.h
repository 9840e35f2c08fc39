// Source: the base of producers without an input producer (mixers, routers, modulation sources).
#pragma once

#include "wave/Producer.h"

namespace wave {

// Derived sources implement produce and read whatever producers they own through pullBlock.
// Thread: built during setup; produce on the audio thread.
class Source : public Producer {
public:
    using Producer::Producer;
};

} // namespace wave
