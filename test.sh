#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings are errors) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
