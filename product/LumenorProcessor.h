// The product's processor with its own copy of the 709 parameters. Until the filter graph is assembled,
// each channel's output is its main input, so the frame around it (silence, splitting, clean output)
// already works end to end.
#pragma once

#include "core/GenericPluginProcessor.h"
#include "product/LumenorIdentity.h"
#include "product/LumenorParameters.h"

class LumenorProcessor : public GenericPluginProcessor, public LumenorParameters {
public:
    explicit LumenorProcessor(int layoutIndex)
        : GenericPluginProcessor(lumenorPluginInfo(), layoutIndex),
          LumenorParameters(static_cast<GenericParameterOwner&>(*this)) {
        setMidiStateParameter(receiveMidi.id());
        for (int c = 0; c < channelCount(); ++c) channel(c).output = &channel(c).mainInput;
    }
};
