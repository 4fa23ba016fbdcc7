#!/usr/bin/env bash
# Builds the program and runs the whole test suite (window tests run offscreen).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
