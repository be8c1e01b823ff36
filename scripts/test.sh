#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors, checks formatting and
# clang-tidy (scripts/lint.sh) and runs every test:
# the unit and integration tests, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and each fuzz harness for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-ci -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMARIS_WERROR=ON
cmake --build build-ci -j"$(nproc)"
bash scripts/lint.sh build-ci
source scripts/cups-setup.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build-ci --output-on-failure -j"$(nproc)"
bash packaging/check.sh build-ci
bash scripts/sanitize.sh
bash scripts/fuzz.sh
