// Filter: the base of the graph's one-input processors (filter nodes, volume, analysers).
#pragma once

#include "wave/FilterBase.h"

namespace wave {

// Derived filters implement process (input block, output block, count, mode).
// Thread: the input is connected during setup; processing on the audio thread.
class Filter : public FilterBase {
public:
    using FilterBase::FilterBase;
};

} // namespace wave
