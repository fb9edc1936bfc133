#!/usr/bin/env bash
# Fails when a C++ file is not formatted as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed"
    exit 77
fi
git ls-files -- '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
