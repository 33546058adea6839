#!/usr/bin/env bash
# Builds the Debian package into a temporary folder and checks it as Debian's tools would:
# lintian finds no error or warning, the AppStream data and the desktop entry validate, the
# three programs and their manual pages are in it, the udev rule is the one made from the table
# of chips and is applied on install, and no package is depended on twice.
set -euo pipefail
build=$(realpath "$1")
if ! command -v lintian >/dev/null; then
    echo "lintian is not installed (scripts/setup.sh installs it): package not checked"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
deb=$(echo "$work"/rotaline_*.deb)

lintian --allow-root --pedantic --display-info --fail-on error,warning "$deb"

root=$work/root
dpkg-deb -x "$deb" "$root"
appstreamcli validate --pedantic --no-net "$root/usr/share/metainfo/org.rotaline.rotaline.metainfo.xml"
desktop-file-validate "$root/usr/share/applications/org.rotaline.rotaline.desktop"
for program in rotaline rotaline-program rotaline-virtual-controller; do
    [ -x "$root/usr/bin/$program" ] || { echo "not in the package: bin/$program"; exit 1; }
    gzip -t "$root/usr/share/man/man1/$program.1.gz" ||
        { echo "no manual page for $program"; exit 1; }
done

rules=$root/usr/lib/udev/rules.d/60-rotaline.rules
cmp -s "$rules" "$build/packaging/60-rotaline.rules" && grep -q 'TAG+="uaccess"' "$rules" ||
    { echo "the udev rule is not the one made from the table of chips"; exit 1; }
grep -q 'udevadm trigger --subsystem-match=tty' <<<"$(dpkg-deb --info "$deb" postinst)" ||
    { echo "the package does not apply its udev rule to adapters already plugged in"; exit 1; }

twice=$(dpkg-deb --field "$deb" Depends | tr ',|' '\n\n' | sed 's/(.*)//; s/ //g' | sort | uniq -d)
[ -z "$twice" ] || { echo "depended on twice: $twice"; exit 1; }
echo "package ok"
