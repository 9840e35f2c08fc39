// Number formatting and text reading shared by the parameter texts: the printf and significant-digit
// number formats, the frequency, decibel and time texts, note names, and the abbreviation of option
// names. Formatting and parsing allocate: main thread only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class ValueText {
public:
    // "INF"/"-INF" for infinities; "*N f" / "*+N f" keeps N decimals below 10 and drops one
    // per decade above; any other format (one floating-point conversion) goes to printf. A text without
    // a non-zero digit loses its sign.
    static std::string formatNumber(float x, const std::string& format);
    // Three decimals below 100 Hz, two below 1 kHz, one below 10 kHz, none above; no label.
    static std::string formatFrequency(float hz);
    // "%+.2f", or "-INF" for levels that print below -179.90.
    static std::string formatDecibels(float db);
    // "12.30 ms" or "1.500 sec", with the label.
    static std::string formatTime(float milliseconds);

    // Reads a decimal number (optional sign, digits with an optional point and exponent, or "INF") at
    // `pos`; answers false when none starts there, else sets `value` and `end`.
    static bool readNumber(std::string_view text, std::size_t pos, float& value, std::size_t& end);
    // Reads a decimal integer as "%d" does: leading white space, optional sign, digits; the rest is ignored.
    static bool readInteger(std::string_view text, int& value);
    // A note name such as "A4", "c#3", "Eb5+20" (octave 4 when omitted; cents after the octave).
    static bool parseNoteName(std::string_view text, float& hz);

    static bool equalsIgnoreCase(std::string_view a, std::string_view b);
    // Cuts to at most `maxChars` characters without splitting a UTF-8 sequence.
    static std::string cutToChars(std::string text, int maxChars);
    static int charCount(std::string_view text);
    // Shortens an option name in stages until it fits `maxChars` characters.
    static std::string abbreviate(std::string text, int maxChars);
};
