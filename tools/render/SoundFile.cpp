// libsndfile glue: interleaved file data to planar channels and back.
#include "tools/render/SoundFile.h"

#include <sndfile.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace {

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

std::string lowerCaseExtension(const std::string& path) {
    size_t dot = path.find_last_of('.');
    size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = path.substr(dot);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return extension;
}

// The format for a file name's extension, or 0.
int formatFor(const std::string& path) {
    std::string extension = lowerCaseExtension(path);
    if (extension == ".wav") return SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    if (extension == ".flac") return SF_FORMAT_FLAC | SF_FORMAT_PCM_24;
    return 0;
}

// FLAC stores the rate in 20 bits of Hz ticks up to this limit.
constexpr double kMaxFlacRate = 655350.0;

} // namespace

bool canWriteSoundFile(const std::string& path, double sampleRate, std::string& error) {
    int format = formatFor(path);
    if (format == 0) {
        error = "cannot write '" + path + "': the output file name must end in .wav or .flac";
        return false;
    }
    if ((format & SF_FORMAT_TYPEMASK) == SF_FORMAT_FLAC && sampleRate > kMaxFlacRate) {
        error = "cannot write '" + path + "': FLAC files hold rates up to 655350 Hz; use .wav";
        return false;
    }
    return true;
}

bool readSoundFile(const std::string& path, AudioData& audio, std::string& error) {
    SF_INFO info{};
    SndfileHandle file(sf_open(path.c_str(), SFM_READ, &info));
    if (!file) {
        error = "cannot read '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    if (info.channels <= 0 || info.frames <= 0 || info.samplerate <= 0) {
        error = "'" + path + "' holds no audio";
        return false;
    }
    size_t channels = size_t(info.channels);
    std::vector<float> interleaved(size_t(info.frames) * channels);
    sf_count_t read = sf_readf_float(file.get(), interleaved.data(), info.frames);
    if (read <= 0) {
        error = "cannot read the samples of '" + path + "': " + sf_strerror(file.get());
        return false;
    }
    audio.sampleRate = info.samplerate;
    audio.channels.assign(channels, std::vector<float>(size_t(read)));
    for (size_t frame = 0; frame < size_t(read); ++frame)
        for (size_t channel = 0; channel < channels; ++channel)
            audio.channels[channel][frame] = interleaved[frame * channels + channel];
    return true;
}

bool writeSoundFile(const std::string& path, const AudioData& audio, std::string& error) {
    if (!canWriteSoundFile(path, audio.sampleRate, error)) return false;
    SF_INFO info{};
    info.format = formatFor(path);
    info.channels = int(audio.channelCount());
    info.samplerate = int(audio.sampleRate);
    if (info.channels == 0 || !sf_format_check(&info)) {
        error = "cannot write '" + path + "': no channels, or a sample rate the format does not take";
        return false;
    }
    SndfileHandle file(sf_open(path.c_str(), SFM_WRITE, &info));
    if (!file) {
        error = "cannot write '" + path + "': " + sf_strerror(nullptr);
        return false;
    }
    // FLAC holds integers: clip rather than let libsndfile wrap out-of-range samples.
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE);
    size_t channels = audio.channelCount(), frames = audio.frameCount();
    std::vector<float> interleaved(frames * channels);
    for (size_t frame = 0; frame < frames; ++frame)
        for (size_t channel = 0; channel < channels; ++channel)
            interleaved[frame * channels + channel] = audio.channels[channel][frame];
    if (sf_writef_float(file.get(), interleaved.data(), sf_count_t(frames)) != sf_count_t(frames)) {
        error = "cannot write '" + path + "': " + sf_strerror(file.get());
        return false;
    }
    return true;
}
