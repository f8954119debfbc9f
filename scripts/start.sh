#!/usr/bin/env bash
# Installs the dependencies, builds Pelorin and starts it. Arguments are
# passed on to the program.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${PELORIN_BUILD_DIR:-$root/build}
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

program=("$build/bin/pelorin")

# The browser engine refuses to run as root unless its sandbox is off.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

# The local stand-in service is started here, and the program pointed at it.

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: starting Pelorin under a virtual X server (xvfb-run)." >&2
    program=(xvfb-run -a "${program[@]}")
fi

exec "${program[@]}" "$@"
