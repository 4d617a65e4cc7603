#!/usr/bin/env bash
# Set up and run: installs what is missing, builds, and starts Velmora on its default database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/app/velmora
