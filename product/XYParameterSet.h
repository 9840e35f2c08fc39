// The parameters of one XY controller ("XY Controller N"): its two axes, each a modulation source.
#pragma once

#include "parameters/FloatPluginParameter.h"
#include "parameters/PluginParameterSet.h"

class XYParameterSet : public PluginParameterSet {
public:
    // Main thread.
    XYParameterSet(GenericParameterOwner& owner, int index);
    void initialise() override;

    FloatPluginParameter hor; // the set's first source
    FloatPluginParameter ver; // the set's second source
};
