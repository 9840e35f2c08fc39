// First-error-wins reporting.
#include "persistence/ErrorReporter.h"

#include <utility>

ErrorReporter::ErrorReporter(std::int32_t code, std::string message)
    : code_(code), message_(code == 0 ? std::string() : std::move(message)) {}

void ErrorReporter::reportError(std::int32_t code, std::string_view message) {
    if (code_ != 0 || code == 0) return;
    code_ = code;
    message_ = message;
}

void ErrorReporter::clearError() {
    code_ = 0;
    message_.clear();
}
