// Keeps the first error reported during an operation; the base of every preset loader.
#pragma once

#include "persistence/IErrorResult.h"

class ErrorReporter : public IErrorResult {
public:
    ErrorReporter() = default;
    ErrorReporter(std::int32_t code, std::string message);

    void reportError(std::int32_t code, std::string_view message) override;
    std::int32_t errorCode() const override { return code_; }
    const std::string& errorMessage() const override { return message_; }

    // Back to success, for the start of the next operation.
    void clearError();

private:
    std::int32_t code_ = 0;
    std::string message_;
};
