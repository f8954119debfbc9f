#!/usr/bin/env bash
# Installs the dependencies, builds Pelorin and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
echo "The core library is built; the desktop program is not part of this build yet."
