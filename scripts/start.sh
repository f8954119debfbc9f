#!/usr/bin/env bash
# Installs the dependencies, builds Pelorin, starts the local Kumovi stand-in
# service on the loopback address and the program pointed at it; the service
# stops when the program exits. Arguments go to the program. With
# --service URL among them the program uses that service and no stand-in runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
bin="${PELORIN_BUILD_DIR:-$root/build}/bin"

# The browser engine refuses to run as root unless its sandbox is off.
if [ "$(id -u)" -eq 0 ]; then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "No display found: start this from a desktop session (or under xvfb-run -a)." >&2
    exit 1
fi

for arg in "$@"; do
    case "$arg" in
    --service | --service=*) exec "$bin/pelorin" "$@" ;;
    esac
done

address_file=$(mktemp)
"$bin/kumovi_standin" --port 0 >"$address_file" &
standin=$!
stop_standin() {
    kill "$standin" 2>/dev/null || true
    wait "$standin" 2>/dev/null || true
    rm -f "$address_file"
}
trap stop_standin EXIT

base=""
for _ in $(seq 50); do
    base=$(head -n 1 "$address_file")
    [ -n "$base" ] && break
    kill -0 "$standin" 2>/dev/null || break
    sleep 0.1
done
if [ -z "$base" ]; then
    echo "The Kumovi stand-in service did not start." >&2
    exit 1
fi
echo "Kumovi stand-in service: $base/kumovi/submit.asp (submitted spots: $base/kumovi/submissions)"
"$bin/pelorin" --service "$base" "$@"
