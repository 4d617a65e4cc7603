#!/usr/bin/env bash
# Builds the Debian package of Velmora: installs what is missing, builds the
# default preset and runs CPack. The .deb lands in build/package/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
scripts/build.sh default
cpack --config build/CPackConfig.cmake -B build/package
ls build/package/*.deb
