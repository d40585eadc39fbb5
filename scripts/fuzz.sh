#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in their own build folder and runs
# each for its bounded time (VITACOR_FUZZ_SECONDS, default 20 s).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_FUZZ_BUILD_DIR:-$top/build-fuzz}
"$top/scripts/install-deps.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++-14 -DVITACOR_FUZZ=ON \
  -DVITACOR_FUZZ_SECONDS="${VITACOR_FUZZ_SECONDS:-20}" "$@" >/dev/null
targets=$(cd "$build" && ctest -N -R '^Fuzz.*Run$' | sed -n 's/^ *Test *#[0-9]*: \(Fuzz.*\)Run$/\1/p')
cmake --build "$build" -j2 --target $targets
cd "$build"
ctest --output-on-failure -R '^Fuzz.*Run$'
