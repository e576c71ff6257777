#!/usr/bin/env bash
# Configures and builds Fretwise into build/ (extra arguments go to CMake's configure step).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build build -j "$(nproc)"
