#!/usr/bin/env bash
# Sets up, builds and runs every test: once under ASan and UBSan, then a plain build; in CI
# also a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh --tests
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
jobs=${SONAVEL_JOBS:-$(nproc)}
# Qt wants a private runtime folder; CI has none.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
  export XDG_RUNTIME_DIR=$(mktemp -d)
  chmod 700 "$XDG_RUNTIME_DIR"
fi

run_suite() {  # <build dir> <extra cmake args...>
  local dir=$1; shift
  cmake -S . -B "$dir" -DSONAVEL_TESTS=ON -DSONAVEL_WERROR=$werror "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  (cd "$dir" && ctest --output-on-failure -j"$jobs")
}

if [[ "${SONAVEL_SKIP_SANITIZERS:-}" != "1" ]]; then
  ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSONAVEL_SANITIZE=ON
fi
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
# A minute per target; `fuzz/run 3600` is the long run for anyone.
if [[ "${CI:-}" == "true" ]]; then
  SONAVEL_JOBS=$jobs bash fuzz/run 60
fi
