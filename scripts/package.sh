#!/usr/bin/env bash
# Builds the Debian package of RADIRAV-9: an optimised build with Debian's hardening flags,
# packed by CPack into build/package/radirav_VERSION_ARCH.deb (its path is the last line printed).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh package

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DRADIRAV_PACKAGE=ON \
  -DRADIRAV_BUILD_TESTS=OFF -DRADIRAV_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build build/package -j2
rm -f build/package/radirav_*.deb
(cd build/package && cpack >/dev/null)
ls build/package/radirav_*.deb
