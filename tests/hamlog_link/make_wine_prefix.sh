#!/usr/bin/env bash
# Makes the headless Wine prefix of the tests once (null graphics driver) and
# starts its wineserver so that each Wine program starts fast. Without Wine
# there is nothing to make; the tests then skip.
set -euo pipefail
prefix=$1
if ! command -v wine >/dev/null || ! command -v wineserver >/dev/null; then
    echo "wine not found: no prefix made"
    exit 0
fi
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.pelorin-ready" ]; then
    rm -rf "$prefix"
    mkdir -p "$prefix"
    timeout 300 wineboot -i </dev/null >"$prefix.log" 2>&1
    timeout 60 wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f \
        </dev/null >>"$prefix.log" 2>&1
    timeout 60 wineserver -w
    touch "$prefix/.pelorin-ready"
fi
# Lingers 30 s after its last client; a second one for the prefix just exits.
wineserver -p30 </dev/null >/dev/null 2>&1 || true
