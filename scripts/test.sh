#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_BUILD_DIR:-$top/build}
"$top/scripts/build.sh" -DVITACOR_WERROR=ON
# Every C++ file formatted as .clang-format says.
(cd "$top" && git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)
(cd "$build" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2)
# The Debian package, unpacked and started as an installed program.
"$top/scripts/package-test.sh"

# The slower checks: discovery and download under ThreadSanitizer, and a
# bounded libFuzzer run of every fuzz target with a fixed seed, so a run can be
# repeated. VITACOR_TEST_QUICK=1 skips them.
if [ "${VITACOR_TEST_QUICK:-0}" != 1 ]; then
  "$top/scripts/tsan.sh"
  VITACOR_FUZZ_SECONDS=${VITACOR_FUZZ_SECONDS:-15} "$top/scripts/fuzz.sh" -DVITACOR_FUZZ_SEED=1
fi
