// The outcome of a load or another operation that can fail: a code (0 success, -1 for every failure of
// the persistence code) and a message that is empty on success.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class IErrorResult {
public:
    virtual ~IErrorResult() = default;

    // Takes effect only while no error is held, so the first error of an operation is the one kept. A
    // report with code 0 says nothing and is ignored.
    virtual void reportError(std::int32_t code, std::string_view message) = 0;
    virtual std::int32_t errorCode() const = 0;
    virtual const std::string& errorMessage() const = 0;

    bool succeeded() const { return errorCode() == 0; }
};
