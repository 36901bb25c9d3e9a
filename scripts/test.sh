#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the full build, then the model-only build without Qt (which enforces the layering).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pelmark_install_deps

# The layout of every C++ file follows .clang-format.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

jobs=$(nproc)
# A compiler cache, where the machine has one, makes repeated builds of several checkouts cheap.
if command -v ccache >/dev/null 2>&1; then export CMAKE_CXX_COMPILER_LAUNCHER=ccache; fi
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build/full -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/full -j"$jobs"
ctest --test-dir build/full --output-on-failure -j"$jobs"

cmake -S . -B build/model -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPELMARK_BUILD_GUI=OFF -DPELMARK_BUILD_BENCH=OFF
cmake --build build/model -j"$jobs"
ctest --test-dir build/model --output-on-failure -j"$jobs"
