#!/usr/bin/env bash
# Configures and builds everything into build/ (the program folder is build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
# Rebuilds of several checkouts share compiled objects when ccache is there.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@"
cmake --build build -j"$(nproc)"
