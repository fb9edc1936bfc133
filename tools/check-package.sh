#!/usr/bin/env bash
# Builds the Debian package from a configured build folder (default build/release), unpacks it
# into a scratch root and starts the program as its desktop entry does, with a fresh home
# folder: the program must make ~/Pantrix and work there.
set -euo pipefail
build="${1:-build/release}"
cd "$(dirname "$0")/.."
cmake --build "$build" --target pantrix
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls -t "$build"/pantrix_*.deb | head -1)
echo "package: $package"
dpkg-deb --field "$package" Package Version Depends

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$package" "$scratch/root"
entry=$(ls "$scratch"/root/usr/share/applications/*.desktop)
exec_line=$(sed -n 's/^Exec=//p' "$entry")
echo "desktop entry: $(basename "$entry"), Exec=$exec_line"
for f in usr/bin/pantrix usr/share/metainfo usr/share/icons/hicolor/scalable/apps usr/share/icons/hicolor/48x48/apps \
         usr/share/mime/packages usr/share/man/man1/pantrix.1.gz usr/share/doc/pantrix/README.md \
         usr/share/doc/pantrix/guide.md usr/share/doc/pantrix/copyright usr/share/doc/pantrix/changelog.gz; do
    [ -e "$scratch/root/$f" ] || { echo "missing from the package: $f"; exit 1; }
done
if command -v lintian >/dev/null; then
    # Errors and warnings fail; the overrides in the package say why a tag cannot be helped.
    lintian --fail-on error,warning "$package"
    echo "lintian: no errors, no warnings"
fi

mkdir -p "$scratch/home" "$scratch/elsewhere"
program="$scratch/root/usr/bin/${exec_line%% *}"
# The menu hands no file: its field code (%f) stands for nothing.
arguments=$(echo "${exec_line#* }" | sed 's/ *%[fFuU]//g')
# shellcheck disable=SC2086 # the entry's arguments are words
(cd "$scratch/elsewhere" && HOME="$scratch/home" QT_QPA_PLATFORM=offscreen timeout 5 "$program" $arguments) || true
if [ -f "$scratch/home/Pantrix/grocery.dat" ] && [ -z "$(ls -A "$scratch/elsewhere")" ]; then
    echo "started from the menu, Pantrix works in ~/Pantrix: $(ls "$scratch/home/Pantrix" | tr '\n' ' ')"
else
    echo "Pantrix did not make its files in ~/Pantrix"
    exit 1
fi
