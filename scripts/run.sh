#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_BUILD_DIR:-$top/build}
"$top/scripts/build.sh"
exec "$build/bin/VitacorBrowser" "$@"
