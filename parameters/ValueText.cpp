// Number formatting, number and note-name reading, and option-name abbreviation.
#include "parameters/ValueText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
char toLower(char c) {
    return isUpper(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string printNumber(const char* format, int precision, bool withPrecision, double x) {
    char buffer[64];
    int length = withPrecision ? std::snprintf(buffer, sizeof buffer, format, precision, x)
                               : std::snprintf(buffer, sizeof buffer, format, x);
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < sizeof buffer) return std::string(buffer, length);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    if (withPrecision)
        std::snprintf(text.data(), text.size(), format, precision, x);
    else
        std::snprintf(text.data(), text.size(), format, x);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

// The number a formatted text shows, read back the way the parser reads it.
double shownValue(const std::string& text) {
    float value = 0.0f;
    std::size_t end = 0;
    return ValueText::readNumber(text, 0, value, end) ? value : 0.0;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t pos = text.find(from); pos != std::string::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
}

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find(' ', pos);
        if (end == std::string::npos) end = text.size();
        if (end > pos) words.push_back(text.substr(pos, end - pos));
        pos = end + 1;
    }
    return words;
}

std::string joinWords(const std::vector<std::string>& words, std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) text += separator;
        text += words[i];
    }
    return text;
}

// "Filter1" -> "F1": the last capital before the trailing digits, then the digits.
std::string cutWordToCapitalAndDigits(const std::string& word) {
    std::size_t digits = word.size();
    while (digits > 0 && isDigit(word[digits - 1]))
        --digits;
    if (digits == word.size() || digits == 0) return word;
    for (std::size_t i = digits; i-- > 0;)
        if (isUpper(word[i])) return word[i] + word.substr(digits);
    return word;
}

// "Normal" -> "N", "LoPass2" -> "LP2": the first letter and the capitals and digits after it.
std::string firstLetterWithCapitalsAndDigits(const std::string& word) {
    std::string shortWord = word.substr(0, 1);
    for (std::size_t i = 1; i < word.size(); ++i)
        if (isUpper(word[i]) || isDigit(word[i])) shortWord += word[i];
    return shortWord;
}

} // namespace

std::string ValueText::formatNumber(float x, const std::string& format) {
    if (std::isnan(x)) return "NaN";
    if (std::isinf(x)) return x > 0 ? "INF" : "-INF";
    std::string text;
    if (!format.empty() && format[0] == '*') {
        std::size_t pos = 1;
        const bool forceSign = pos < format.size() && format[pos] == '+';
        if (forceSign) ++pos;
        int digits = 0;
        while (pos < format.size() && isDigit(format[pos]) && digits < 9)
            digits = digits * 10 + (format[pos++] - '0');
        const double limit = 10.0 - 0.5 * std::pow(10.0, -digits);
        const double magnitude = std::fabs(static_cast<double>(x));
        int decimals = digits;
        for (int decade = 0; decimals > 0 && magnitude >= limit * std::pow(10.0, decade); ++decade)
            --decimals;
        text = printNumber(forceSign ? "%+.*f" : "%.*f", decimals, true, x);
    } else {
        text = printNumber(format.c_str(), 0, false, x);
    }
    // A host may have switched the C library to a locale with a decimal comma; these formats print no
    // thousands separators, so a comma can only be the decimal point.
    std::replace(text.begin(), text.end(), ',', '.');
    const bool hasNonZeroDigit =
        std::any_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
    if (!hasNonZeroDigit && !text.empty() && (text[0] == '+' || text[0] == '-')) text.erase(0, 1);
    return text;
}

std::string ValueText::formatFrequency(float hz) {
    const double x = hz;
    const char* format = x > 9999.95 ? "%.0f" : x > 999.995 ? "%.1f" : x > 99.9995 ? "%.2f" : "%.3f";
    return formatNumber(hz, format);
}

std::string ValueText::formatDecibels(float db) {
    std::string text = formatNumber(db, "%+.2f");
    // Decided on the printed number, so that the text read back prints the same way again.
    if (text == "-INF" || (db < -179.9f && shownValue(text) < -179.9)) return "-INF";
    return text;
}

std::string ValueText::formatTime(float milliseconds) {
    std::string text = formatNumber(milliseconds, "*3f");
    // Values that would print as "1000 ms" take the seconds form, which is what "1000 ms" reads back as.
    if (milliseconds >= 1000.0f || shownValue(text) >= 1000.0)
        return formatNumber(milliseconds * 0.001f, "*3f") + " sec";
    return text + " ms";
}

bool ValueText::readNumber(std::string_view text, std::size_t pos, float& value, std::size_t& end) {
    std::size_t p = pos;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    if (p + 3 <= text.size() && equalsIgnoreCase(text.substr(p, 3), "inf")) {
        value = negative ? -INFINITY : INFINITY;
        end = p + 3;
        return true;
    }
    const std::size_t start = p;
    std::size_t digits = 0;
    while (p < text.size() && isDigit(text[p]))
        ++p, ++digits;
    if (p < text.size() && text[p] == '.') {
        ++p;
        while (p < text.size() && isDigit(text[p]))
            ++p, ++digits;
    }
    if (digits == 0) return false;
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        std::size_t q = p + 1;
        if (q < text.size() && (text[q] == '+' || text[q] == '-')) ++q;
        if (q < text.size() && isDigit(text[q])) {
            while (q < text.size() && isDigit(text[q]))
                ++q;
            p = q;
        }
    }
    double number = 0.0;
    const auto result = std::from_chars(text.data() + start, text.data() + p, number);
    if (result.ec == std::errc::result_out_of_range) {
        // Only the exponent can push a number out of range: far below zero it vanishes, above it overflows.
        const std::size_t exponent = text.substr(start, p - start).find_first_of("eE");
        const bool tiny = exponent != std::string_view::npos && text[start + exponent + 1] == '-';
        number = tiny ? 0.0 : HUGE_VAL;
    } else if (result.ec != std::errc()) {
        return false;
    }
    if (number > FLT_MAX) number = HUGE_VAL;
    value = static_cast<float>(negative ? -number : number);
    end = p;
    return true;
}

bool ValueText::readInteger(std::string_view text, int& value) {
    std::size_t p = 0;
    while (p < text.size() && (text[p] == ' ' || (text[p] >= '\t' && text[p] <= '\r')))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
    if (p >= text.size() || !isDigit(text[p])) return false;
    std::int64_t number = 0;
    while (p < text.size() && isDigit(text[p])) {
        number = number * 10 + (text[p++] - '0');
        if (number > 2147483648LL) return false;
    }
    if (negative) number = -number;
    if (number > 2147483647LL) return false;
    value = static_cast<int>(number);
    return true;
}

bool ValueText::parseNoteName(std::string_view text, float& hz) {
    static constexpr int kSemitones[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    std::size_t p = 0;
    while (p < text.size() && text[p] == ' ')
        ++p;
    if (p >= text.size()) return false;
    const char letter = toLower(text[p]);
    if (letter < 'a' || letter > 'g') return false;
    double semitone = kSemitones[letter - 'a'];
    ++p;
    if (p < text.size() && text[p] == '#')
        ++semitone, ++p;
    else if (p < text.size() && (text[p] == 'b' || text[p] == 'B'))
        --semitone, ++p;
    int octave = 4;
    double cents = 0.0;
    const bool octaveFollows =
        p < text.size() &&
        (isDigit(text[p]) || (text[p] == '-' && p + 1 < text.size() && isDigit(text[p + 1])));
    if (octaveFollows) {
        const bool negative = text[p] == '-';
        if (negative) ++p;
        octave = 0;
        while (p < text.size() && isDigit(text[p])) {
            if (octave > 99) return false;
            octave = octave * 10 + (text[p++] - '0');
        }
        if (negative) octave = -octave;
        if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
            float value = 0.0f;
            std::size_t end = p;
            if (!readNumber(text, p, value, end) || !std::isfinite(value)) return false;
            cents = value;
            p = end;
        }
    }
    while (p < text.size() && text[p] == ' ')
        ++p;
    if (p != text.size()) return false;
    const double log2Hz = ((octave + 1) * 12 + 0.01 * cents + semitone - 69.0) / 12.0 + 8.78136;
    hz = static_cast<float>(std::exp2(log2Hz));
    return std::isfinite(hz);
}

bool ValueText::equalsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (toLower(a[i]) != toLower(b[i])) return false;
    return true;
}

int ValueText::charCount(std::string_view text) {
    return static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string ValueText::cutToChars(std::string text, int maxChars) {
    if (maxChars <= 0) return {};
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && ++count > maxChars) {
            text.resize(i);
            break;
        }
    }
    return text;
}

std::string ValueText::abbreviate(std::string text, int maxChars) {
    static constexpr std::string_view kReplacements[][2] = {
        {"High ", "Hi"},     {"Low ", "Lo"},    {"HiPass", "HP"},        {"HiShelf", "HS"},
        {"HiCut", "HC"},     {"LoPass", "LP"},  {"LoShelf", "LS"},       {"LoCut", "LC"},
        {"Band Pass", "BP"}, {"Filter", "Fil"}, {"Frequency", "Freq"},   {"Delay", "Del"},
        {"Reverb", "Rev"},   {"Effect", "FX"},  {"Threshold", "Thresh"}, {"Attack", "Att"},
        {"Release", "Rel"},  {"Decay", "Dcy"},  {"Crossover", "Cross"},  {"Side Chain", "SC"}};
    auto tooLong = [&] { return charCount(text) > maxChars; };

    for (const auto& replacement : kReplacements)
        if (tooLong()) replaceAll(text, replacement[0], replacement[1]);
    for (char digit = '0'; digit <= '8' && tooLong(); ++digit)
        replaceAll(text, std::string{' ', digit}, std::string{digit});

    std::vector<std::string> words = splitWords(text);
    for (std::size_t i = words.size(); i-- > 0 && tooLong();) {
        words[i] = cutWordToCapitalAndDigits(words[i]);
        text = joinWords(words, " ");
    }
    if (tooLong()) text = joinWords(words, "");
    for (std::size_t i = 0; i + 1 < words.size() && tooLong(); ++i) {
        words[i] = firstLetterWithCapitalsAndDigits(words[i]);
        text = joinWords(words, "");
    }
    // Drop vowels, brackets and dashes from the end, keeping the first character.
    for (std::size_t i = text.size(); i-- > 1 && tooLong();)
        if (std::string_view("eyuioa()-").find(text[i]) != std::string_view::npos) text.erase(i, 1);
    return cutToChars(std::move(text), maxChars);
}
