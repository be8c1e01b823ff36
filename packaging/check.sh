#!/usr/bin/env bash
# Checks the installed files and the Debian package of a build folder (default build-ci):
# the desktop entry and the AppStream file pass their validators, the manual page renders
# without warnings, and the package that cpack builds passes lintian with no errors.
set -euo pipefail
cd "$(dirname "$0")/.."
build="$(realpath "${1:-build-ci}")"
id=org.velmaris.Velmaris

cmake --build "$build" -j"$(nproc)" --target velmaris velmaris_install_files
desktop-file-validate "packaging/$id.desktop"
appstreamcli validate --no-net "$build/packaging/$id.metainfo.xml"
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
  man --warnings -E UTF-8 -l -Tutf8 -Z packaging/velmaris.1 >/dev/null

rm -f "$build"/velmaris_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls "$build"/velmaris_*.deb)"
echo "Built $deb"
dpkg-deb --info "$deb" | sed -n '/Package:/,$p'
# lintian exits non-zero on errors; warnings are printed and allowed.
lintian --fail-on error --tag-display-limit 0 "$deb"
echo "packaging checks passed"
