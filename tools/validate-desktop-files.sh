#!/usr/bin/env bash
# Validates the desktop entry and the AppStream metadata with the desktop's own tools;
# skips (77) when neither tool is installed.
set -euo pipefail
desktop_file="$1"
metainfo_file="$2"
checked=0
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop_file"
    checked=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo_file"
    checked=1
fi
if [ "$checked" -eq 0 ]; then
    echo "neither desktop-file-validate nor appstreamcli is installed"
    exit 77
fi
