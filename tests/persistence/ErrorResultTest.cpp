// The error pair of loads: the first error reported is the one kept.
#include "persistence/ErrorResult.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorResult, TheFirstErrorWins) {
    ErrorReporter reporter;
    EXPECT_TRUE(reporter.succeeded());
    EXPECT_EQ(reporter.errorMessage(), "");

    reporter.reportError(0, "not an error");
    EXPECT_TRUE(reporter.succeeded());
    EXPECT_EQ(reporter.errorMessage(), "");

    reporter.reportError(-1, "Unknown parameter: Foo");
    reporter.reportError(-1, "Invalid file format.");
    reporter.reportError(-2, "another");
    EXPECT_EQ(reporter.errorCode(), -1);
    EXPECT_EQ(reporter.errorMessage(), "Unknown parameter: Foo");

    const ErrorResult result(reporter);
    EXPECT_FALSE(result.succeeded());
    EXPECT_EQ(result.errorCode(), -1);
    EXPECT_EQ(result.errorMessage(), "Unknown parameter: Foo");

    reporter.clearError();
    EXPECT_TRUE(reporter.succeeded());
    reporter.reportError(-1, "Invalid file format.");
    EXPECT_EQ(reporter.errorMessage(), "Invalid file format.");
    EXPECT_EQ(result.errorMessage(), "Unknown parameter: Foo") << "a result is a copy, not a view";
}

TEST(ErrorResult, SuccessCarriesNoMessage) {
    EXPECT_TRUE(ErrorResult().succeeded());
    const ErrorResult success(0, "ignored");
    EXPECT_TRUE(success.succeeded());
    EXPECT_EQ(success.errorMessage(), "");
    const ErrorResult failure = ErrorResult::failure("Invalid preset header.");
    EXPECT_EQ(failure.errorCode(), -1);
    EXPECT_EQ(failure.errorMessage(), "Invalid preset header.");
}

} // namespace
