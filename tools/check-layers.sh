#!/usr/bin/env bash
# Fails when a file includes a header from a folder above its own:
#   data, ui  <  model  <  catalogue, stores, customlists, print, log, misc  <  app  <  main.cpp
set -euo pipefail
cd "$(dirname "$0")/../src"
rank() {
    case "$1" in
    data | ui) echo 0 ;;
    model) echo 1 ;;
    catalogue | stores | customlists | print | log | misc) echo 2 ;;
    app) echo 3 ;;
    *) echo 9 ;;
    esac
}
status=0
for file in */*.cpp */*.h; do
    here=$(rank "${file%%/*}")
    while read -r folder; do
        if [ "$(rank "$folder")" -gt "$here" ]; then
            echo "$file includes a header from $folder/, a folder above its own"
            status=1
        fi
    done < <(sed -n 's|^#include "\([a-z]*\)/.*|\1|p' "$file")
done
exit $status
