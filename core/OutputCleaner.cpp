#include "core/OutputCleaner.h"

#include <cfloat>
#include <cmath>
#include <emmintrin.h>

void copyClean(const float* source, float* destination, int count) {
    const __m128 absMask = _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF));
    const __m128 smallest = _mm_set1_ps(FLT_MIN);
    const __m128 largest = _mm_set1_ps(FLT_MAX);
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128 x = _mm_loadu_ps(source + i);
        const __m128 magnitude = _mm_and_ps(x, absMask);
        // Ordered comparisons are false for NaN, so NaN fails both tests.
        const __m128 keep = _mm_and_ps(_mm_cmpge_ps(magnitude, smallest), _mm_cmple_ps(magnitude, largest));
        _mm_storeu_ps(destination + i, _mm_and_ps(x, keep));
    }
    for (; i < count; ++i) {
        const float x = source[i];
        const float magnitude = std::fabs(x);
        destination[i] = (magnitude >= FLT_MIN && magnitude <= FLT_MAX) ? x : 0.0f;
    }
}
