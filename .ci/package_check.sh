#!/usr/bin/env bash
# The Debian package from a release build, as a machine's administrator meets
# it: built by cpack, checked by lintian, installed with apt-get, its commands
# run on an installed example in a scratch folder, every command's manual page
# found by man, and nothing of it left after a purge. Needs root; the package
# is purged again however the check ends.
#   .ci/package_check.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build/release}")
package=haravoija

fail() {
  echo "package check: $*" >&2
  exit 1
}

rm -f "$build"/${package}_*.deb
(cd "$build" && cpack -G DEB)
debs=("$build"/${package}_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single package: ${debs[*]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "${package}_${version}_$(dpkg --print-architecture).deb" ] ||
  fail "unexpected file name $(basename "$deb")"
# The dependencies come from dpkg-shlibdeps; a package depending on nothing
# would install anywhere and fail to start.
dpkg-deb -f "$deb" Depends | grep -q 'libc6 (>=' || fail "no library dependencies"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
else
  echo "package check: lintian is not installed, not run"
fi

work=$(mktemp -d)
cleanup() {
  if dpkg-query -W -f='${Status}' $package 2>/dev/null | grep -q 'ok installed'; then
    echo "package check: purging $package"
    DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $package >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Minimal images tell dpkg not to unpack manual pages and documents
# (path-exclude in /etc/dpkg/dpkg.cfg.d/). The check is of what the package
# carries, so its own such files are taken in again, and said so.
dpkg_options=()
excludes=$(grep -hs '^[[:space:]]*path-exclude' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/* || true)
if [ -n "$excludes" ]; then
  echo "package check: dpkg excludes paths on this machine:"
  echo "$excludes"
  echo "package check: installing with $package's own manual pages and documents included"
  for pattern in "/usr/share/man/*/$package*" "/usr/share/doc/$package/*"; do
    dpkg_options+=(-o "DPkg::Options::=--path-include=$pattern")
  done
fi

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${dpkg_options[@]}" "$deb"
dpkg -L $package >"$work/files"

# Every file the package lists is there, every command has its manual page.
while read -r path; do
  [ -d "$path" ] || [ -f "$path" ] || fail "$path is listed but missing"
done <"$work/files"
commands=$(grep '^/usr/bin/' "$work/files" | xargs -n1 basename)
[ -n "$commands" ] || fail "no commands installed"
for command in $commands; do
  page=$(man -w "$command") || fail "man -w $command found nothing"
  [ "$page" = "/usr/share/man/man1/$command.1.gz" ] || fail "man -w $command gave $page"
done
echo "package check: installed $version: $(echo $commands)"

# The installed commands on an installed example, from the PATH.
mkdir "$work/run"
cd "$work/run"
banner=$(haravoija -h | sed -n 2p)
[ "$banner" = "                       Haravoija v. $version " ] || fail "banner: '$banner'"
[ "$(haravoija-ratkaisu --version)" = "haravoija-ratkaisu $version" ] || fail "--version"
haravoija /usr/share/$package/elaimet.txt >/dev/null
[ -s out.html ] || fail "haravoija wrote no out.html"
haravoija-ratkaisu --json out.html >key.json
[ -s out-ratkaisu.html ] || fail "haravoija-ratkaisu wrote no key page"
[ "$(haravoija-peli --version)" = "haravoija-peli $version" ] || fail "haravoija-peli --version"
haravoija-peli out.html >/dev/null && [ -s out-peli.html ] || fail "haravoija-peli wrote no page"
# Every word of the list is on the page and found in its grid.
words=$(wc -w </usr/share/$package/elaimet.txt)
[ "$(grep -o '"word":' key.json | wc -l)" -eq "$words" ] || fail "the key lists other words"
! grep -q '"occurrences":\[\]' key.json || fail "a word is missing from the grid"
cd /

DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq $package >/dev/null
! dpkg-query -W -f='${Status}' $package 2>/dev/null | grep -q 'ok installed' ||
  fail "$package is still installed"
# Nothing listed is left but the folders other packages share.
while read -r path; do
  if [ "$path" = /. ]; then
    continue
  elif [ -d "$path" ]; then
    dpkg -S "$path" >/dev/null 2>&1 || fail "folder $path is left behind"
  elif [ -e "$path" ] || [ -L "$path" ]; then
    fail "$path is left behind"
  fi
done <"$work/files"
echo "package check: $package $version installed, worked and was purged cleanly"
