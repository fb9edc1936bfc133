#!/usr/bin/env bash
# Installs what is missing, builds everything (warnings are errors) and runs every test;
# then builds and runs the suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# where any report fails the run.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
export QT_QPA_PLATFORM=offscreen
cmake --preset ci
cmake --build --preset ci
ctest --preset ci
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize
