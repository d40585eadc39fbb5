#!/usr/bin/env bash
# Builds the discovery and download tests with ThreadSanitizer in their own
# build folder and runs them; any reported race fails the run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_TSAN_BUILD_DIR:-$top/build-tsan}
tests="TestDownloadStrategy TestVitacorDevice TestDeviceManager"
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVITACOR_SANITIZE_THREAD=ON "$@" >/dev/null
cmake --build "$build" -j2 --target $tests
cd "$build"
# Qt and GLib are not built with the sanitizer: their own accesses are left out, and
# Qt's plain event dispatcher replaces GLib's, whose wake-up descriptor it cannot follow.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1 ${TSAN_OPTIONS:-}"
QT_NO_GLIB=1 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -R "^($(echo $tests | tr ' ' '|'))\$"
