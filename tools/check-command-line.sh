#!/usr/bin/env bash
# Runs the program with no window system to reach: the command line must be answered before
# one is needed. A usage error ends with status 2 and says why on stderr; help and version
# end with 0. Qt itself would abort (134) if the program got as far as the window system.
set -uo pipefail
program="$1"
version="$2"
failed=0
check() { # expected status, expected first line of output, arguments...
    local status="$1" first="$2"
    shift 2
    local output
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" "$@" 2>&1)
    local got=$?
    if [ "$got" -ne "$status" ] || [ "$(head -1 <<<"$output")" != "$first" ]; then
        echo "pantrix $*: status $got (wanted $status), said: $output"
        failed=1
    fi
}
check 2 "pantrix: Unknown option 'bogus'." --bogus
check 2 "pantrix: Missing value after '--folder'." -platform offscreen --folder
check 2 "pantrix: Unexpected argument 'b.lst'." a.lst b.lst
check 0 "Usage: pantrix [options] [list]" --help
check 0 "Pantrix $version" --version
exit "$failed"
