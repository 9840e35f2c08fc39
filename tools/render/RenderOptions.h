// The renderer's command line. Options live in one table (RenderOptions.cpp), so a new option is one
// entry there and one field here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct RenderOptions {
    enum class Outcome { Run, ShowHelp, Invalid };

    std::string pluginPath; // default: the plug-in built beside the renderer
    std::string inputPath;  // empty: the built-in demo signal
    std::string outputPath; // empty: measure only
    std::optional<double> sampleRate;
    uint32_t blockSize = 512;
    double demoSeconds = 4.0;

    // Fills the options from the arguments; Invalid comes with a readable error.
    static Outcome parse(int argc, const char* const* argv, RenderOptions& options, std::string& error);
    static std::string usage(const std::string& program);
};
