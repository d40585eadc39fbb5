#!/usr/bin/env bash
# Configures and builds the project into ./build (or $VITACOR_BUILD_DIR);
# VITACOR_BUILD_TARGETS names the targets to build when not all are needed.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_BUILD_DIR:-$top/build}
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j2 ${VITACOR_BUILD_TARGETS:+--target $VITACOR_BUILD_TARGETS}
