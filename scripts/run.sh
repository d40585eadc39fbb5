#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program.
#
#   bash scripts/run.sh [--usb | --demo] [program options...]
#
# By default the program talks to a real monitor when one is plugged in
# (USB vendor c25a, product 330e) and otherwise starts with a freshly
# generated demo bus of emulated monitors, one per kind of model. --usb and --demo
# force the choice. VITACOR_DEMO_SEED and VITACOR_DEMO_HOLTER_HOURS shape the
# demo (defaults 1 and 1).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_BUILD_DIR:-$top/build}

mode=auto
case "${1:-}" in
  --usb) mode=usb; shift ;;
  --demo) mode=demo; shift ;;
esac

monitor_plugged_in() {
  local dev
  for dev in /sys/bus/usb/devices/*; do
    [ -r "$dev/idVendor" ] && [ -r "$dev/idProduct" ] || continue
    if [ "$(cat "$dev/idVendor")" = c25a ] && [ "$(cat "$dev/idProduct")" = 330e ]; then
      return 0
    fi
  done
  return 1
}

"$top/scripts/build.sh"

if [ "$mode" = auto ]; then
  if monitor_plugged_in; then mode=usb; else mode=demo; fi
fi
if [ "$mode" = usb ]; then
  exec "$build/bin/VitacorBrowser" "$@"
fi

bus="$build/demo-bus"
rm -rf "$bus"
# One monitor of each kind the program tells apart: ten, the most it serves at once.
"$build/bin/vitacor-cli" make-demo "$bus" --models 0,1,2,3,5,8,19,49,53,54 --seed "${VITACOR_DEMO_SEED:-1}" \
  --holter-hours "${VITACOR_DEMO_HOLTER_HOURS:-1}" >/dev/null
echo "No monitor on USB: starting with the demo bus $bus (bash scripts/run.sh --usb for real USB)."
exec "$build/bin/VitacorBrowser" --emulate "$bus" "$@"
