#!/usr/bin/env bash
# Sets everything up, builds and makes the Debian package build/fretwise_<version>_<arch>.deb.
# Install it with: apt-get install ./build/fretwise_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
cd build
cpack -G DEB
