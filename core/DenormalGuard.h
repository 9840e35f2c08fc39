// Sets the SSE control word for one processing call (denormal results flush to zero, denormal inputs read
// as zero, every floating-point exception masked) and restores the caller's word afterwards.
#pragma once

#include <xmmintrin.h>

class DenormalGuard {
public:
    static constexpr unsigned kProcessingControlWord = 0x9FC0;

    DenormalGuard() : saved_(_mm_getcsr()) { _mm_setcsr(kProcessingControlWord); }
    ~DenormalGuard() { _mm_setcsr(saved_); }
    DenormalGuard(const DenormalGuard&) = delete;
    DenormalGuard& operator=(const DenormalGuard&) = delete;

private:
    unsigned saved_;
};
