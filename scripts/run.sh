#!/usr/bin/env bash
# Installs what is missing, builds VELMARIS and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No desktop here: print today's report page instead of opening the window.
  exec build/src/velmaris --report
fi
exec build/src/velmaris
