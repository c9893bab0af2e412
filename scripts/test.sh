#!/usr/bin/env bash
# Sets up, builds and runs every test: a plain build, then one under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
jobs=$(nproc)

run_suite() {  # <build dir> <extra cmake args...>
  local dir=$1; shift
  cmake -S . -B "$dir" -DSONAVEL_WERROR=$werror "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

if [[ "${SONAVEL_SKIP_SANITIZERS:-}" != "1" ]]; then
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSONAVEL_SANITIZE=ON
fi
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
