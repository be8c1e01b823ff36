#!/usr/bin/env bash
# Builds VELMARIS, starts the real program under a virtual X display and saves pictures of the
# main window, the New Date dialog, the About window and the options editor.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]   (default: screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-screenshots}")"
build="${VELMARIS_BUILD_DIR:-build}"

bash scripts/install-deps.sh
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target velmaris

mkdir -p "$out"
# The program draws itself through the X server, as it does on a desktop.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  "$build/src/velmaris" --screenshot "$out"
ls -1 "$out"/*.png
