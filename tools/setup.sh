#!/usr/bin/env bash
# Installs the Debian packages the build needs (only those missing) and configures build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev ccache pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libgl-dev
  libjpeg62-turbo-dev libpng-dev zlib1g-dev libcurl4-openssl-dev libssl-dev libarchive-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  nginx-light openssl  # the download tests run a private web server
  desktop-file-utils appstream  # the desktop entry and metainfo are validated
  dpkg-dev file strace  # the Debian package: its dependencies come from the shared libraries; its
                        # test lists the files the game reads
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
