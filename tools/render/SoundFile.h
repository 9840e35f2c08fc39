// Reading and writing audio files through libsndfile. Files are read whole into planar floats; the
// output format follows the file name's extension: ".wav" (32-bit float) or ".flac" (24-bit).
#pragma once

#include "tools/render/AudioData.h"

#include <string>

// False with a readable error when the file cannot be opened, read or holds no audio.
bool readSoundFile(const std::string& path, AudioData& audio, std::string& error);
// Whether writeSoundFile can write this name at this rate; checked before a long render, not after.
bool canWriteSoundFile(const std::string& path, double sampleRate, std::string& error);
// False with a readable error for an unknown extension or a file that cannot be written.
bool writeSoundFile(const std::string& path, const AudioData& audio, std::string& error);
