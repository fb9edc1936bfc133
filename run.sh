#!/usr/bin/env bash
# Installs what is missing, builds Pantrix and starts it in its working folder
# (~/Pantrix, or the folder PANTRIX_DIR names), where it keeps all its data files.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset release
cmake --build --preset release --target pantrix
program="$PWD/build/release/src/pantrix"
folder="${PANTRIX_DIR:-$HOME/Pantrix}"
mkdir -p "$folder"
cd "$folder"
exec "$program" "$@"
