#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Zarnith and its
# sample game. apt is asked only when one of them is missing, so a machine
# that is ready needs neither the network nor root.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config ccache
  # engine: Ogre with its plug-ins, and its mesh tools
  libogre-1.12-dev ogre-1.12-tools
  # window, input, physics, XML
  libsdl2-dev libois-dev libbullet-dev librapidxml-dev
  # boost (Geometry is header-only)
  libboost-dev libboost-filesystem-dev libboost-system-dev
  # sound
  libopenal-dev libsndfile1-dev
  # the check values of Zip archive members
  zlib1g-dev
  # tests, and running without a display (Mesa's software OpenGL)
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick libgl1-mesa-dri libxdamage-dev
  # sample game building
  zip fonts-dejavu-core sox
  # the sanitizer build (ZARNITH_SANITIZE) and the fuzzers: clang, its
  # sanitizer and libFuzzer runtimes, and llvm-symbolizer for readable reports
  clang libclang-rt-14-dev llvm
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  if [ "$status" != "install ok installed" ]; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "install-deps: root or sudo is needed to install: ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "install-deps: installing ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
  apt-get install -y --no-install-recommends "${missing[@]}"
