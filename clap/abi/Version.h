// Our own declarations of the CLAP plug-in ABI (version 1.2.5): basic types and the version record.
// Every record here is laid out exactly as the public standard fixes it; the static_asserts pin the
// sizes and offsets that hosts rely on.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

typedef uint32_t clap_id;
inline constexpr clap_id CLAP_INVALID_ID = UINT32_MAX;
inline constexpr uint32_t CLAP_NAME_SIZE = 256;
inline constexpr uint32_t CLAP_PATH_SIZE = 1024;

typedef struct clap_version {
    uint32_t major;
    uint32_t minor;
    uint32_t revision;
} clap_version_t;

inline constexpr clap_version_t CLAP_VERSION_1_2_5 = {1, 2, 5};

typedef int64_t clap_beattime;
typedef int64_t clap_sectime;
inline constexpr int64_t CLAP_BEATTIME_FACTOR = int64_t(1) << 31;
inline constexpr int64_t CLAP_SECTIME_FACTOR = int64_t(1) << 31;
}

static_assert(sizeof(clap_version_t) == 12);
