#!/usr/bin/env bash
# Fails when a file includes a header from a folder above its own:
#   data, ui  <  model  <  catalogue, stores, customlists, print, log, notes, help  <  app  <  main.cpp
# and when two feature folders include each other (what both need belongs a layer down).
set -euo pipefail
cd "$(dirname "$0")/../src"
rank() {
    case "$1" in
    data | ui) echo 0 ;;
    model) echo 1 ;;
    catalogue | stores | customlists | print | log | notes | help) echo 2 ;;
    app) echo 3 ;;
    *) echo 9 ;;
    esac
}
status=0
declare -A uses=()
for file in */*.cpp */*.h; do
    own=${file%%/*}
    here=$(rank "$own")
    while read -r folder; do
        if [ "$(rank "$folder")" -gt "$here" ]; then
            echo "$file includes a header from $folder/, a folder above its own"
            status=1
        fi
        if [ "$folder" != "$own" ] && [ "$here" = 2 ] && [ "$(rank "$folder")" = 2 ]; then
            uses["$own>$folder"]=$file
        fi
    done < <(sed -n 's|^#include "\([a-z]*\)/.*|\1|p' "$file")
done
for pair in "${!uses[@]}"; do
    from=${pair%%>*}
    to=${pair##*>}
    if [[ "$from" < "$to" ]] && [ -n "${uses["$to>$from"]:-}" ]; then
        echo "$from/ and $to/ include each other (${uses[$pair]}, ${uses["$to>$from"]})"
        status=1
    fi
done
exit $status
