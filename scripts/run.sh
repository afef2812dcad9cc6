#!/usr/bin/env bash
# Sets up, builds and starts RADIRAV-9. Without a display it runs the batch calculator on the
# example case instead. Only the program and the batch calculator are built, not the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build build/release -j2 --target radirav radirav-calc

if [ -x build/release/src/radirav ] && { [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; }; then
  exec build/release/src/radirav "$@"
fi
echo "No display: running the batch calculator on examples/ethanol-water.case instead." >&2
exec build/release/tools/radirav-calc/radirav-calc examples/ethanol-water.case
