// Planar audio in memory, as the renderer reads, processes and writes it.
#pragma once

#include <cstddef>
#include <vector>

struct AudioData {
    double sampleRate = 0.0;
    std::vector<std::vector<float>> channels; // every channel holds the same number of frames

    size_t frameCount() const { return channels.empty() ? 0 : channels.front().size(); }
    size_t channelCount() const { return channels.size(); }
};
