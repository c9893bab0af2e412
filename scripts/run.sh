#!/usr/bin/env bash
# Sets up, builds and starts Sonavel.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The tests' frameworks are the test command's to install: a new build folder leaves the tests
# out, and one that the test command configured keeps them.
tests=()
[[ -f build/CMakeCache.txt ]] || tests=(-DSONAVEL_TESTS=OFF)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${tests[@]}" >/dev/null
cmake --build build --target sonavel -j"$(nproc)"
exec ./build/sonavel "$@"
