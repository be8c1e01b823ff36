#!/usr/bin/env bash
# Checks the formatting of every C++ file (clang-format), that includes between the folders of
# src/ point down the layers (scripts/check-layers.py), and runs clang-tidy, with its findings
# as errors, over the Qt-free numeric core (ephemeris, planets, positions, transits), which
# takes seconds. LINT_ALL=1 runs clang-tidy over every source folder (several minutes).
# Needs the compile commands of a configured build folder (default build-ci).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-ci}"

git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror
python3 scripts/check-layers.py

if [ "${LINT_ALL:-0}" = 1 ]; then
  sources=$(git ls-files 'src/*.cpp' 'tools/*.cpp')
else
  sources=$(git ls-files 'src/ephemeris/*.cpp' 'src/planets/*.cpp' 'src/positions/*.cpp' \
    'src/transits/*.cpp')
fi
echo "$sources" | xargs -P"$(nproc)" -n4 clang-tidy -p "$build" --quiet --warnings-as-errors='*'
echo "lint: formatting and clang-tidy clean"
