// Consumer: the base of graph objects that read the blocks of producers.
#pragma once

namespace wave {

// A consumer fetches each input with pullBlock (wave/Producer.h), so a producer shared by several consumers
// computes once per frame, and treats the fetched block as read-only: it may belong to somebody else.
// Thread: audio thread; inputs are connected during setup.
class Consumer {
public:
    virtual ~Consumer() = default;
};

} // namespace wave
