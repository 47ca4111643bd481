#!/usr/bin/env bash
# Builds the Debian package of a build folder, unpacks it into a temporary
# folder and runs the unpacked programs: the package holds the programs,
# their manual pages, the README, rcquery's JSON schemas and its contrib
# examples (systemd unit, rsyslog snippets), and declares what they link.
# Usage: package_test.sh BUILD-DIR VERSION
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  fail "cpack -G DEB: $(cat "$work/cpack.log")"
deb=("$work"/out/*.deb)
[ "${#deb[@]}" -eq 1 ] && [ -f "${deb[0]}" ] || fail "no single .deb in $work/out"
dpkg-deb -x "${deb[0]}" "$work/root"

depends=$(dpkg-deb -f "${deb[0]}" Depends)
for library in libc6 libstdc++6; do
  [[ "$depends" == *"$library"* ]] || fail "Depends lacks $library: $depends"
done
for file in bin/rcviewer bin/rcdict bin/rcquery share/man/man1/rcviewer.1 share/man/man1/rcdict.1 \
  share/man/man1/rcquery.1 share/doc/rcviewer/README.md share/rcviewer/schema/rcquery-{rc,sel,mar,tqr,gap}.schema.json \
  share/doc/rcviewer/contrib/rcquery-follow.service share/doc/rcviewer/contrib/rsyslog-rcquery-{forwarder,collector}.conf; do
  [ -f "$work/root/usr/$file" ] || fail "the package lacks /usr/$file"
done
for program in rcviewer rcdict rcquery; do
  answer=$("$work/root/usr/bin/$program" --version) || fail "$program --version ended with status $?"
  [ "$answer" = "$program $version" ] || fail "$program --version printed '$answer'"
done
echo "$(basename "${deb[0]}"): unpacked, the three programs answer --version"
