#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# check-desktop-metadata.sh desktop|appstream CMAKE BUILD VERSION
#
# Installs the build into a scratch folder and checks what a Linux desktop
# reads from it:
#   desktop    the launcher, with desktop-file-validate: no error, no warning
#              and no hint either;
#   appstream  the AppStream description in the installed tree, with
#              appstreamcli (its launcher and icon found where it names them;
#              any issue above the pedantic ones fails), and its newest
#              release, which must be the version being built.
# Exit status 77, a skipped test, when the validator is not installed.
set -eu
what=$1 cmake=$2 build=$3 version=$4

case $what in
  desktop) tool=desktop-file-validate ;;
  appstream) tool=appstreamcli ;;
  *) echo "unknown check: $what" >&2; exit 2 ;;
esac
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "$tool is not installed: skipped"
  exit 77
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
"$cmake" --install "$build" --prefix "$root/usr" >/dev/null

if [ "$what" = desktop ]; then
  set -- "$root"/usr/share/applications/*.desktop
  [ -f "$1" ] || { echo "no launcher installed in share/applications" >&2; exit 1; }
  report=$(desktop-file-validate "$@" 2>&1) || { echo "$report"; exit 1; }
  # Hints do not change the exit status: any line at all fails.
  [ -z "$report" ] || { echo "$report"; exit 1; }
  echo "launcher valid: $(basename "$1")"
  exit 0
fi

appstreamcli validate-tree --no-net --strict --explain "$root"
set -- "$root"/usr/share/metainfo/*.metainfo.xml
[ -f "$1" ] || { echo "no AppStream description installed in share/metainfo" >&2; exit 1; }
newest=$(sed -n 's/.*<release [^>]*version="\([^"]*\)".*/\1/p' "$1" | head -n 1)
if [ "$newest" != "$version" ]; then
  echo "the newest release of $(basename "$1") is '$newest', the program's version is $version" >&2
  exit 1
fi
echo "newest release: $version"
