// DynamicMaxBlockSizeListener: what an object that sizes its memory by the block size implements.
#pragma once

namespace wave {

// Told when the environment's maximum block size changes, so the object can resize its buffers.
// Thread: called during setup only (a size change allocates).
class DynamicMaxBlockSizeListener {
public:
    virtual void maxBlockSizeChanged(int newSize) = 0;
    virtual ~DynamicMaxBlockSizeListener() = default;
};

} // namespace wave
