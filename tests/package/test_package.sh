#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch
# root and checks what an installation gets.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1); then
  cat "$work/cpack.log"
  exit 1
fi
deb=$(ls "$work"/tamrel_*.deb)
dpkg-deb -x "$deb" "$work/root"
status=0
for file in usr/bin/tamrel usr/bin/tamrel-clocksim usr/share/tamrel/tamreldata.mdb usr/share/tamrel/help/index.html \
            usr/share/applications/org.tamrel.Tamrel.desktop \
            usr/share/icons/hicolor/scalable/apps/org.tamrel.Tamrel.svg \
            usr/share/metainfo/org.tamrel.Tamrel.metainfo.xml; do
  [ -s "$work/root/$file" ] || { echo "missing from the package: /$file"; status=1; }
done
# The libraries it needs are named, so that apt installs them.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6serialport6 libsqlcipher; do
  grep -q "$library" <<<"$depends" || { echo "not among the dependencies: $library ($depends)"; status=1; }
done
# The desktop entry starts the installed program.
grep -qx 'Exec=tamrel' "$work/root/usr/share/applications/org.tamrel.Tamrel.desktop" ||
  { echo "the desktop entry does not start tamrel"; status=1; }
# The installed clock stand-in runs and explains itself.
set +e
"$work/root/usr/bin/tamrel-clocksim" > "$work/usage.txt" 2>&1
set -e
grep -q 'usage: tamrel-clocksim' "$work/usage.txt" || { cat "$work/usage.txt"; status=1; }
exit $status
