#!/usr/bin/env bash
# Builds the Debian package from the build tree, unpacks it into a scratch
# root and checks what an installation gets, then lets lintian,
# appstreamcli and desktop-file-validate judge it. Where one of those is not
# installed the test ends as skipped (77) once everything else passed.
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
root=$work/root
status=0
fail() { echo "$*"; status=1; }
missing_tools=()
for file in usr/bin/tamrel usr/bin/tamrel-clocksim usr/share/tamrel/tamreldata.mdb usr/share/tamrel/help/index.html \
            usr/share/applications/org.tamrel.Tamrel.desktop usr/share/metainfo/org.tamrel.Tamrel.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.tamrel.Tamrel.svg \
            usr/share/icons/hicolor/48x48/apps/org.tamrel.Tamrel.png \
            usr/share/icons/hicolor/256x256/apps/org.tamrel.Tamrel.png \
            usr/share/man/man1/tamrel.1.gz usr/share/man/man1/tamrel-clocksim.1.gz \
            usr/share/doc/tamrel/copyright usr/share/doc/tamrel/changelog.gz; do
  [ -s "$root/$file" ] || fail "missing from the package: /$file"
done
# The libraries it needs are named, so that apt installs them; the help opens through xdg-open.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6serialport6 libsqlcipher; do
  grep -q "$library" <<<"$depends" || fail "not among the dependencies: $library ($depends)"
done
grep -qw xdg-utils <<<"$(dpkg-deb -f "$deb" Depends Recommends)" || fail "xdg-utils is neither needed nor recommended"
# The desktop entry starts the installed program.
grep -qx 'Exec=tamrel' "$root/usr/share/applications/org.tamrel.Tamrel.desktop" ||
  fail "the desktop entry does not start tamrel"
# Built with the distribution's hardening: stack protector, full RELRO (lintian
# below looks at the fortified functions).
for program in tamrel tamrel-clocksim; do
  elf=$root/usr/bin/$program
  # grep reads to the end: with -q a pipe closed early fails readelf under pipefail.
  readelf -lW "$elf" | grep GNU_RELRO > /dev/null || fail "$program: no RELRO"
  readelf -dW "$elf" | grep BIND_NOW > /dev/null || fail "$program: not bound at once (-z now)"
  readelf --dyn-syms -W "$elf" | grep __stack_chk_fail > /dev/null || fail "$program: no stack protector"
done
# The installed programs answer on the command line, without a window or a display.
version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tamrel" --version 2>&1) || fail "tamrel --version failed: $version"
[ "$version" = "Tamrel $(dpkg-deb -f "$deb" Version)" ] || fail "tamrel --version says: $version"
env -u DISPLAY -u WAYLAND_DISPLAY "$root/usr/bin/tamrel" --help | grep -- '--version' > /dev/null || fail "tamrel --help lists no --version"
set +e
"$root/usr/bin/tamrel-clocksim" > "$work/usage.txt" 2>&1
set -e
grep -q 'usage: tamrel-clocksim' "$work/usage.txt" || fail "$(cat "$work/usage.txt")"

# lintian: no errors and no warnings (what is accepted is in its overrides).
if command -v lintian > /dev/null; then
  lintian --fail-on error,warning "$deb" 2>&1 || fail "lintian finds faults"
  hardening=$(lintian --display-info --tags hardening-no-fortify-functions,hardening-no-bindnow,hardening-no-relro,hardening-no-pie "$deb" 2>&1 | grep -v '^running with root' || true)
  [ -z "$hardening" ] || fail "lintian finds hardening missing: $hardening"
else
  missing_tools+=(lintian)
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net --explain "$root/usr/share/metainfo/org.tamrel.Tamrel.metainfo.xml" ||
    fail "appstreamcli does not accept the metainfo"
else
  missing_tools+=(appstreamcli)
fi
if command -v desktop-file-validate > /dev/null; then
  report=$(desktop-file-validate "$root/usr/share/applications/org.tamrel.Tamrel.desktop" 2>&1) &&
    [ -z "$report" ] || fail "desktop-file-validate: $report"
else
  missing_tools+=(desktop-file-validate)
fi
[ $status -ne 0 ] && exit $status
if [ ${#missing_tools[@]} -gt 0 ]; then
  echo "not installed, so not checked: ${missing_tools[*]} (scripts/bootstrap --all installs them)"
  exit 77
fi
exit 0
