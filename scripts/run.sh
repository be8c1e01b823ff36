#!/usr/bin/env bash
# Installs what is missing, builds VELMARIS and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
if [ -x build/src/velmaris ]; then
  exec build/src/velmaris
fi
# Without the window, show today's positions from the ephemeris tool.
echo "$(( $(date -u +%s) / 86400 + 2440588 )) 0.5" | build/tools/velmaris-ephemeris
