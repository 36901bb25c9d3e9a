#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
pelmark_install_deps

cmake -S . -B build/full -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/full -j"$(nproc)"
bin=build/full/bin

if [ -x "$bin/pelmark" ]; then
  if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$bin/pelmark" "$@"
  fi
  echo "No display: starting the window under Xvfb to take a screenshot of the start-up state."
  shot="$PWD/build/pelmark-startup.png"
  xvfb-run -a -s "-screen 0 1600x1000x24" "$bin/pelmark" --screenshot "$shot"
  echo "Screenshot: $shot"
else
  # Until the window is built, show the English example through the batch tool.
  "$bin/pelmark-calc" show "$bin/Example English Units.kpm"
fi
