#!/usr/bin/env bash
# Sets everything up and runs Fretwise: the window on a desktop, started in the build folder,
# where the sound set lies in ./wav. With no display, the example chord on the command line.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cd build
  exec ./app/fretwise
fi
echo "No display to open the window on; here is the example chord from fretwise-chord instead."
exec build/cli/fretwise-chord C4 E4 G4
