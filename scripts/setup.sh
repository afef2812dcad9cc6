#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need (only those missing).
# With the argument "fuzz" also clang and its runtime with libFuzzer, for scripts/fuzz.sh; with
# "package" the tools that build and check the Debian package (scripts/package.sh).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git clang-format
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
  fonts-dejavu-core fonts-liberation
  libx11-dev libxtst-dev qt6-translations-l10n
  xvfb openbox xdotool wmctrl imagemagick x11-utils x11-xkb-utils
)
if [ "${1:-}" = fuzz ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi
if [ "${1:-}" = package ]; then
  packages+=(dpkg-dev librsvg2-bin desktop-file-utils appstream lintian man-db)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
