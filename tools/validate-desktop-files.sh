#!/usr/bin/env bash
# Checks what the package gives the desktop: the desktop entry, the AppStream metadata and the
# list files' type with the desktop's own tools, the manual page with man, and that the entry
# opens list files in the windows it names and the changelog is of this version.
# Skips (77) when none of the tools is installed.
set -euo pipefail
desktop_file="$1"
metainfo_file="$2"
mime_file="$3"
manual_page="$4"
changelog="$5"
version="$6"
window_class="$7"
fail() {
    echo "$*"
    exit 1
}

# The entry opens a file handed to it, of the type the package declares, and the desktop
# finds its windows by their class.
grep -qx "Exec=.* %f" "$desktop_file" || fail "$desktop_file: Exec takes no file"
mime_type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime_file")
grep -qx "MimeType=$mime_type;" "$desktop_file" || fail "$desktop_file: MimeType is not $mime_type"
grep -qx "StartupWMClass=$window_class" "$desktop_file" || fail "$desktop_file: StartupWMClass is not $window_class"
head -1 "$changelog" | grep -q "^pantrix ($version) " || fail "$changelog: the latest entry is not $version"

checked=0
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop_file"
    checked=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo_file"
    checked=1
fi
if command -v xmllint >/dev/null && [ -f /usr/share/mime/packages/freedesktop.org.xml ]; then
    xmllint --noout "$mime_file"
    checked=1
fi
if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$manual_page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$manual_page: $warnings"
    checked=1
fi
if [ "$checked" -eq 0 ]; then
    echo "neither desktop-file-validate, appstreamcli, xmllint nor man is installed"
    exit 77
fi
