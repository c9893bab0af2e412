#!/usr/bin/env bash
# Installs the Debian packages Sonavel builds and tests with, only those that are missing.
set -euo pipefail

packages=(
  cmake g++ pkg-config
  qt6-base-dev
  libmpg123-dev mpg123
  libmp3lame-dev lame
  libsndfile1-dev
  libsqlite3-dev libfontconfig-dev
  fonts-dejavu-core
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick python3
  libx11-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
