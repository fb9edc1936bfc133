#!/usr/bin/env bash
# Installs what is missing, builds Pantrix and starts it as the desktop menu does: in
# ~/Pantrix (or the folder PANTRIX_DIR names), created when missing, where it keeps all its
# data files. Arguments are passed on (--folder DIR works in DIR instead).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset release
cmake --build --preset release --target pantrix
exec build/release/src/pantrix --desktop "$@"
