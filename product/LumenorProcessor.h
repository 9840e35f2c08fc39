// The product's processor. Until the filter graph is assembled, each channel's output is its main input,
// so the frame around it (silence, splitting, clean output) already works end to end.
#pragma once

#include "core/GenericPluginProcessor.h"
#include "product/LumenorIdentity.h"

class LumenorProcessor : public GenericPluginProcessor {
public:
    explicit LumenorProcessor(int layoutIndex) : GenericPluginProcessor(lumenorPluginInfo(), layoutIndex) {
        for (int c = 0; c < channelCount(); ++c) channel(c).output = &channel(c).mainInput;
    }
};
