// lumenor-render: loads a CLAP effect, renders the demo signal or an audio file through it and reports
// the output's peak and RMS levels and the real-time factor.
#include "tools/claphost/Host.h"
#include "tools/claphost/PluginInstance.h"
#include "tools/claphost/PluginModule.h"
#include "tools/render/DemoSignal.h"
#include "tools/render/RenderOptions.h"
#include "tools/render/Renderer.h"
#include "tools/render/SoundFile.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace {

constexpr double kDefaultSampleRate = 48000.0;

int fail(const std::string& message) {
    std::fprintf(stderr, "lumenor-render: %s\n", message.c_str());
    return 1;
}

std::string decibels(double linear) {
    if (!(linear > 0.0)) return "-inf dBFS";
    char text[32];
    std::snprintf(text, sizeof text, "%.2f dBFS", 20.0 * std::log10(linear));
    return text;
}

// Reads the input file or makes the demo signal at the chosen rate.
bool prepareInput(const RenderOptions& options, AudioData& input, std::string& error) {
    if (options.inputPath.empty()) {
        input = makeDemoSignal(options.sampleRate.value_or(kDefaultSampleRate), options.demoSeconds);
        return true;
    }
    if (!readSoundFile(options.inputPath, input, error)) return false;
    if (options.sampleRate && *options.sampleRate != input.sampleRate) {
        error = "'" + options.inputPath + "' is at " + std::to_string(int(input.sampleRate)) +
                " Hz; this renderer does not resample, so --rate must match it or be left out";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    RenderOptions options;
    options.pluginPath = LUMENOR_RENDER_DEFAULT_PLUGIN;
    std::string error;
    switch (RenderOptions::parse(argc, argv, options, error)) {
    case RenderOptions::Outcome::ShowHelp:
        std::fputs(RenderOptions::usage("lumenor-render").c_str(), stdout);
        return 0;
    case RenderOptions::Outcome::Invalid:
        return fail(error + " (see --help)");
    case RenderOptions::Outcome::Run:
        break;
    }

    AudioData input;
    if (!prepareInput(options, input, error)) return fail(error);
    if (!options.outputPath.empty() && !canWriteSoundFile(options.outputPath, input.sampleRate, error))
        return fail(error);

    std::unique_ptr<claphost::PluginModule> module = claphost::PluginModule::load(options.pluginPath, error);
    if (!module) return fail(error);
    const clap_plugin_descriptor_t* descriptor = module->descriptor(0);
    if (!descriptor || !descriptor->id) return fail("'" + module->path() + "' offers no plug-in");

    claphost::Host host;
    std::unique_ptr<claphost::PluginInstance> instance =
        claphost::PluginInstance::create(*module, host, descriptor->id, error);
    if (!instance) return fail(error);
    if (!instance->init())
        return fail(std::string("the plug-in '") + descriptor->id + "' failed to initialise");

    Renderer renderer(*instance, options.blockSize);
    Renderer::Result result;
    if (!renderer.render(input, result, error)) return fail(error);

    if (!options.outputPath.empty() && !writeSoundFile(options.outputPath, result.output, error))
        return fail(error);

    Levels levels = Levels::measure(result.output);
    double audioSeconds = double(result.output.frameCount()) / result.output.sampleRate;
    std::printf("plug-in:   %s (%s)\n", descriptor->name ? descriptor->name : descriptor->id,
                module->path().c_str());
    std::printf("rendered:  %.3f s at %.0f Hz in blocks of %u frames%s%s\n", audioSeconds,
                result.output.sampleRate, options.blockSize, options.outputPath.empty() ? "" : " to ",
                options.outputPath.c_str());
    std::printf("peak:      %s\n", decibels(levels.peak).c_str());
    std::printf("RMS:       %s\n", decibels(levels.rms).c_str());
    if (result.cpuSeconds > 0.0)
        std::printf("real time: %.1fx (audio seconds per CPU second)\n", audioSeconds / result.cpuSeconds);
    else
        std::printf("real time: too fast to measure\n");
    return 0;
}
