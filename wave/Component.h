// Component: the common base of every object of the block-processing graph.
#pragma once

namespace wave {

// Carries no data; it lets owners keep heterogeneous graph objects and delete them through one base.
// Thread: as the derived object (the graph belongs to the audio thread; it is built during setup).
class Component {
public:
    virtual ~Component() = default;
};

} // namespace wave
