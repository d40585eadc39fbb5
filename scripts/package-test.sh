#!/usr/bin/env bash
# Builds the Debian package from the build folder, unpacks it into a throw-away
# root and checks it as an installed program: the menu entry, the metainfo and
# the udev rule are valid, the package depends on what the programs load, and
# the installed vitacor-cli and GUI start and find their translations there.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${VITACOR_BUILD_DIR:-$top/build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && cpack -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/vitacor-browser_*.deb)
echo "package: $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libhidapi-hidraw0 libqt5widgets5 libqt5sql5-sqlite libqt5multimedia5-plugins \
  gstreamer1.0-plugins-good fonts-noto-cjk fonts-liberation2 libedf1; do
  grep -q "$needed" <<<"$depends" || { echo "FAIL: Depends lacks $needed: $depends"; exit 1; }
done

root=$work/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/VitacorBrowser usr/bin/vitacor-cli \
  usr/share/applications/org.vitacor.VitacorBrowser.desktop \
  usr/share/metainfo/org.vitacor.VitacorBrowser.metainfo.xml \
  usr/share/icons/hicolor/48x48/apps/org.vitacor.VitacorBrowser.png \
  usr/share/icons/hicolor/256x256/apps/org.vitacor.VitacorBrowser.png \
  usr/share/icons/hicolor/scalable/apps/org.vitacor.VitacorBrowser.svg \
  usr/lib/udev/rules.d/70-vitacor.rules \
  usr/share/vitacor-browser/translations/german.qm; do
  [ -e "$root/$f" ] || { echo "FAIL: the package lacks /$f"; exit 1; }
done

desktop-file-validate "$root/usr/share/applications/org.vitacor.VitacorBrowser.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.vitacor.VitacorBrowser.metainfo.xml" >/dev/null
rule=$root/usr/lib/udev/rules.d/70-vitacor.rules
grep -q '^SUBSYSTEM=="usb",.*ATTRS{idVendor}=="c25a", ATTRS{idProduct}=="330e", TAG+="uaccess"' "$rule"
grep -q '^KERNEL=="hidraw\*",.*ATTRS{idVendor}=="c25a", ATTRS{idProduct}=="330e", TAG+="uaccess"' "$rule"
! grep -Eq 'MODE=|GROUP=' "$rule" || { echo "FAIL: the udev rule sets a mode or group"; exit 1; }
if udevadm verify --help >/dev/null 2>&1; then udevadm verify "$rule"; fi

home=$work/home
# A later start, in German: no first-start dialog, and the German translation to find.
mkdir -p "$home/data/VitacorBrowser"
printf '[General]\nfirstStart=false\nlanguage=4\n' >"$home/data/VitacorBrowser/config.ini"
"$root/usr/bin/vitacor-cli" --help | grep -q export-edf
# The GUI starts offscreen on an empty data folder and keeps running until stopped.
status=0
HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config QT_QPA_PLATFORM=offscreen \
  timeout 8 "$root/usr/bin/VitacorBrowser" >/dev/null 2>&1 || status=$?
[ "$status" = 124 ] || { echo "FAIL: the installed GUI ended early with status $status"; exit 1; }
log=$(find "$home" -name VitacorBrowser.log | head -1)
grep -q "Translation: $root/usr/share/vitacor-browser/translations/german.qm" "$log" ||
  { echo "FAIL: the installed GUI did not read the installed translations"; cat "$log"; exit 1; }
echo "package test passed"
