#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, checks it with lintian, installs it with apt-get
# into a fresh Debian 12 system made in a folder, and runs the installed
# programs there as a user of that system would:
#   - `brenak --version`, with no display at all;
#   - `brenak-cli calc` on a project of tests/cases, whose output must be the
#     one the build tree's brenak-cli prints;
#   - `brenak-cli report` to a PDF, whose letters must be the packaged fonts;
#   - `brenak-cli screenshot`, the real window drawn offscreen.
# Only the package's own dependencies are installed (no recommended packages),
# so a run that passes shows that its dependency line is enough.
#
# The system is made with debootstrap from the Debian mirror of the machine's
# own apt sources (BRENAK_DEBIAN_MIRROR names another) and kept in
# out/package-test/bookworm, untouched: every run installs into a fresh copy
# of it. BRENAK_PACKAGE_TEST_FRESH=1 makes the system anew. Needs root (for
# debootstrap, chroot and mounts); run through sudo otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then exec sudo --preserve-env bash "$0" "$@"; fi
export LC_ALL=C

suite=bookworm
work=out/package-test
base=$work/$suite
start=$SECONDS
mkdir -p "$work"
step() { echo "== $1 ($((SECONDS - start)) s)"; }

# The first mirror of the apt sources that serves the suite itself (not its
# updates or security archive), in either format of the sources files.
debian_mirror() {
  local file
  for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] || continue
    awk -v suite="$suite" '$1 == "deb" { line = $0; sub(/^deb[ \t]+(\[[^]]*\][ \t]+)?/, "", line)
                                         split(line, field, /[ \t]+/); if (field[2] == suite) { print field[1]; exit } }' "$file"
  done
  for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] || continue
    awk -v suite="$suite" '
      function flush() { if (!done && uri != "" && hit && types ~ /(^| )deb( |$)/) { print uri; done = 1; exit } uri = ""; hit = 0; types = "" }
      /^[[:space:]]*$/ { flush(); next }
      $1 == "Types:" { types = $0 }
      $1 == "URIs:" { uri = $2 }
      $1 == "Suites:" { for (i = 2; i <= NF; i++) if ($i == suite) hit = 1 }
      END { flush() }' "$file"
  done
}

if [ "${BRENAK_PACKAGE_TEST_FRESH:-0}" = 1 ] || [ ! -f "$base/.complete" ]; then
  mirror=${BRENAK_DEBIAN_MIRROR:-$(debian_mirror | head -n 1)}
  [ -n "$mirror" ] || { echo "no Debian mirror for $suite in the apt sources: set BRENAK_DEBIAN_MIRROR" >&2; exit 1; }
  step "A fresh Debian $suite system (debootstrap)"
  rm -rf "$base" "$base.partial"
  # Made aside and moved in place when whole, so that an interrupted run is not kept.
  debootstrap --variant=minbase "$suite" "$base.partial" "$mirror" > "$work/debootstrap.log" 2>&1 ||
    { tail -n 30 "$work/debootstrap.log"; exit 1; }
  rm -rf "$base.partial/var/cache/apt/archives/"*.deb
  touch "$base.partial/.complete"
  mv "$base.partial" "$base"
fi

# `--system-only` makes the system and stops: the test command starts it in
# the background while it builds, since it waits on the network, not the cores.
[ "${1:-}" = --system-only ] && exit 0

step "Package"
[ -f out/release/CMakeCache.txt ] || cmake --preset release
rm -f out/release/brenak_*.deb
cmake --build --preset release -j "$(nproc)" --target package
debs=(out/release/brenak_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || { echo "no package written in out/release" >&2; exit 1; }
version=$(dpkg-deb --field "$deb" Version)
echo "$deb: $(du -k "$deb" | cut -f1) KiB, version $version"
echo "Depends: $(dpkg-deb --field "$deb" Depends)"
dpkg-deb --contents "$deb" | awk '{ print $6 }'

step "lintian"
# Errors fail the run; the warnings left are explained in docs/packaging.md.
lintian --allow-root --fail-on error --display-info --tag-display-limit 0 "$deb"

step "Install into a copy of the system"
root=$work/root
rm -rf "$root"
cp -a "$base" "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mkdir -p "$root/tmp/brenak"
cp "$deb" tests/cases/start.txt tests/cases/plate_condensation.txt "$root/tmp/brenak/"

# Run inside the system: the mounts live in a mount namespace of their own and
# go with it, whatever way the run ends.
inside() {
  unshare --mount --propagation private sh -c '
    root=$1; shift
    mount -t proc proc "$root/proc"
    mount --rbind /dev "$root/dev"
    mkdir -p -m 700 "$root/tmp/runtime"
    exec chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root XDG_RUNTIME_DIR=/tmp/runtime "$@"
  ' sh "$root" "$@"
}

inside sh -c 'apt-get update -q=2 && cd /tmp/brenak &&
              DEBIAN_FRONTEND=noninteractive apt-get install -y -q=2 --no-install-recommends ./brenak_*.deb' \
  > "$work/install.log" 2>&1 || { tail -n 40 "$work/install.log"; exit 1; }
grep -E '^(Get|Setting up brenak)' "$work/install.log" | tail -n 1 || true
echo "installed packages in the system: $(inside dpkg-query -W -f='.\n' | wc -l)"

step "The installed programs"
# No display and the X11 platform: the version must come without a window.
answer=$(inside env QT_QPA_PLATFORM=xcb brenak --version)
[ "$answer" = "brenak $version" ] || { echo "brenak --version printed '$answer'" >&2; exit 1; }
echo "brenak --version: $answer"
inside test -f /usr/lib/x86_64-linux-gnu/qt6/plugins/platforms/libqxcb.so ||
  { echo "the X11 platform plugin is not installed: the window could not open on a desktop" >&2; exit 1; }

inside env QT_QPA_PLATFORM=offscreen brenak-cli calc /tmp/brenak/start.txt --decimal-separator . > "$work/calc.json"
XDG_RUNTIME_DIR=$root/tmp/runtime QT_QPA_PLATFORM=offscreen out/release/bin/brenak-cli calc tests/cases/start.txt --decimal-separator . > "$work/calc.expected.json"
cmp "$work/calc.expected.json" "$work/calc.json" ||
  { echo "the installed brenak-cli calc prints another window state than the build's" >&2; exit 1; }
echo "brenak-cli calc start.txt: $(wc -c < "$work/calc.json") bytes, as the build's"

inside env QT_QPA_PLATFORM=offscreen brenak-cli report /tmp/brenak/plate_condensation.txt /tmp/brenak/informe.pdf
pdf=$root/tmp/brenak/informe.pdf
[ "$(head -c 5 "$pdf")" = "%PDF-" ] || { echo "the report is not a PDF" >&2; exit 1; }
# The report's text asks for Times New Roman: its metric twin from the
# packaged fonts must be the one embedded.
grep -aq "/BaseFont /LiberationSerif" "$pdf" || { echo "the report does not embed Liberation Serif" >&2; exit 1; }
echo "brenak-cli report plate_condensation.txt: a PDF of $(du -k "$pdf" | cut -f1) KiB in Liberation Serif"

inside env QT_QPA_PLATFORM=offscreen brenak-cli screenshot /tmp/brenak/plate_condensation.txt /tmp/brenak/window.png
[ "$(head -c 4 "$root/tmp/brenak/window.png" | tail -c 3)" = "PNG" ] || { echo "no picture of the window" >&2; exit 1; }
echo "brenak-cli screenshot: the window drawn"

rm -rf "$root"
step "Package test passed"
