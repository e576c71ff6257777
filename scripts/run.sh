#!/usr/bin/env bash
# Sets everything up and runs Fretwise.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
build/cli/fretwise-chord C4 E4 G4
