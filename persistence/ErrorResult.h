// The result a load hands back: a copy of its reporter's code and message when it finished.
#pragma once

#include "persistence/ErrorReporter.h"

#include <string>
#include <utility>

class ErrorResult : public ErrorReporter {
public:
    // Success.
    ErrorResult() = default;
    ErrorResult(std::int32_t code, std::string message) : ErrorReporter(code, std::move(message)) {}
    explicit ErrorResult(const IErrorResult& source)
        : ErrorReporter(source.errorCode(), source.errorMessage()) {}

    // The code every failure of the persistence code uses.
    static constexpr std::int32_t kFailure = -1;
    static ErrorResult failure(std::string message) { return ErrorResult(kFailure, std::move(message)); }
};
