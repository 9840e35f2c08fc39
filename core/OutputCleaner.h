// The last copy into the host's buffers: hosts must never receive NaN, infinity or subnormal numbers, and
// flush-to-zero in arithmetic does not clean a sample that is only copied (a pass-through path), so the
// copy itself replaces them with zero.
#pragma once

// Copies count samples; NaN, ±infinity, subnormals and zeros of either sign become +0.
void copyClean(const float* source, float* destination, int count);
