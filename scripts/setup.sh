#!/usr/bin/env bash
# Installs the Debian packages that are missing: with no argument those that building and running
# Sonavel needs, with --tests also those of its tests, fuzzing and benchmarks. Only apt-get runs
# as root, through sudo when the caller is not root, and only when something is missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev
  libmpg123-dev mpg123
  libmp3lame-dev
  libsndfile1-dev
  libsqlite3-dev libfontconfig-dev libxcb1-dev
  fonts-dejavu-core
)
case "${1:-}" in
  "") ;;
  --tests)
    packages+=(
      libgtest-dev libgmock-dev
      lame
      clang libclang-rt-14-dev
      xvfb xauth xdotool imagemagick python3
      openbox trayer x11-utils
      libx11-dev
    )
    ;;
  *)
    echo "usage: $0 [--tests]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
((${#missing[@]})) || exit 0

echo "setup: installing ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "setup: sudo is not installed; as root, run: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  # sudo drops the caller's environment: the variable goes on its command line.
  sudo_cmd=(sudo DEBIAN_FRONTEND=noninteractive)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
