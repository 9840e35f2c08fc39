// Parsing and describing the renderer's command-line options.
#include "tools/render/RenderOptions.h"

#include <charconv>
#include <functional>
#include <string_view>

namespace {

constexpr uint32_t kMaxBlockSize = 16384;
constexpr double kMinSampleRate = 1000.0;
constexpr double kMaxSampleRate = 768000.0;
constexpr double kMaxDemoSeconds = 600.0;

template <class Number> bool parseNumber(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    auto [stop, failure] = std::from_chars(text.data(), end, value);
    return failure == std::errc{} && stop == end;
}

struct OptionSpec {
    const char* name;
    const char* argument; // null: the option takes no value
    const char* help;
    // Stores the value; answers an error text, empty when the value is good.
    std::function<std::string(RenderOptions&, std::string_view)> apply;
};

const OptionSpec kOptions[] = {
    {"--plugin", "PATH", "the .clap file to load (default: the one built with this renderer)",
     [](RenderOptions& o, std::string_view v) {
         o.pluginPath = v;
         return std::string();
     }},
    {"--input", "FILE", "an audio file to process instead of the demo signal",
     [](RenderOptions& o, std::string_view v) {
         o.inputPath = v;
         return std::string();
     }},
    {"--output", "FILE", "where to write the result (.wav or .flac); without it only levels are shown",
     [](RenderOptions& o, std::string_view v) {
         o.outputPath = v;
         return std::string();
     }},
    {"--rate", "HZ", "sample rate, 1000 to 768000 (default: the input file's rate, else 48000)",
     [](RenderOptions& o, std::string_view v) {
         double rate = 0.0;
         if (!parseNumber(v, rate) || !(rate >= kMinSampleRate && rate <= kMaxSampleRate))
             return std::string("--rate takes a sample rate from 1000 to 768000 Hz");
         o.sampleRate = rate;
         return std::string();
     }},
    {"--block", "N", "frames per process call, 1 to 16384 (default 512)",
     [](RenderOptions& o, std::string_view v) {
         uint32_t frames = 0;
         if (!parseNumber(v, frames) || frames < 1 || frames > kMaxBlockSize)
             return std::string("--block takes a whole number of frames from 1 to 16384");
         o.blockSize = frames;
         return std::string();
     }},
    {"--seconds", "S", "length of the demo signal in seconds (default 4)",
     [](RenderOptions& o, std::string_view v) {
         double seconds = 0.0;
         if (!parseNumber(v, seconds) || !(seconds > 0.0 && seconds <= kMaxDemoSeconds))
             return std::string("--seconds takes a length above 0 and at most 600");
         o.demoSeconds = seconds;
         return std::string();
     }},
};

} // namespace

RenderOptions::Outcome RenderOptions::parse(int argc, const char* const* argv, RenderOptions& options,
                                            std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return Outcome::ShowHelp;
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& candidate : kOptions)
            if (argument == candidate.name) spec = &candidate;
        if (!spec) {
            error = "unknown argument '" + std::string(argument) + "'";
            return Outcome::Invalid;
        }
        std::string_view value;
        if (spec->argument) {
            if (i + 1 >= argc) {
                error = std::string(spec->name) + " needs a value (" + spec->argument + ")";
                return Outcome::Invalid;
            }
            value = argv[++i];
        }
        error = spec->apply(options, value);
        if (!error.empty()) return Outcome::Invalid;
    }
    return Outcome::Run;
}

std::string RenderOptions::usage(const std::string& program) {
    std::string text = "Usage: " + program +
                       " [options]\n"
                       "Renders audio through a CLAP effect and reports its levels and speed.\n\nOptions:\n";
    for (const OptionSpec& spec : kOptions) {
        std::string left =
            std::string("  ") + spec.name + (spec.argument ? std::string(" ") + spec.argument : "");
        left.resize(std::max<size_t>(left.size() + 2, 20), ' ');
        text += left + spec.help + "\n";
    }
    text += "  --help            this text\n";
    return text;
}
