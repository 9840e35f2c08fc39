#!/usr/bin/env bash
# The main job: builds the plug-in, installs it for the current user (~/.clap on Linux), renders the
# built-in demo signal through it and reports peak, RMS and the real-time factor.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${LUMENOR_BUILD_ROOT:-$root/build}/release
"$root/tools/install-deps.sh"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMENOR_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX="$HOME/.local" >/dev/null
cmake --build "$build" -j "$(nproc)"

mkdir -p "$HOME/.clap"
install -m 755 "$build/Lumenor.clap" "$HOME/.clap/Lumenor.clap"
echo "Installed $HOME/.clap/Lumenor.clap"

out=${LUMENOR_RENDER_OUTPUT:-$build/demo.wav}
"$build/tools/lumenor-render" --plugin "$HOME/.clap/Lumenor.clap" --output "$out"
