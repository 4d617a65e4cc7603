#!/usr/bin/env bash
# Set up and test: installs what is missing, builds, and runs every test headless.
#   scripts/test.sh [--preset NAME] [CTEST ARGUMENTS]
# NAME is a preset of CMakePresets.json: default, or sanitize for the build
# with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=default
if [ "${1:-}" = "--preset" ]; then
    preset=$2
    shift 2
fi
scripts/install-deps.sh --test
scripts/build.sh "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset" "$@"
