#!/usr/bin/env bash
# Builds the project-reader fuzzer with clang and runs it for SECONDS (default 60).
# Usage: scripts/fuzz.sh [SECONDS]   (build folder: $PELMARK_FUZZ_BUILD, default build/fuzz)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

source scripts/deps.sh
extra=()
command -v clang++ >/dev/null || extra+=(clang)
pelmark_install_deps "${extra[@]}"
# libFuzzer's runtime ships apart from the compiler on Debian.
probe=$(mktemp -d)
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>/dev/null; then
  major=$(clang++ --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -1)
  pelmark_install_deps "libclang-rt-${major:-14}-dev"
fi
rm -rf "$probe"

build=${PELMARK_FUZZ_BUILD:-build/fuzz}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DPELMARK_BUILD_GUI=OFF -DPELMARK_BUILD_TESTS=OFF -DPELMARK_BUILD_BENCH=OFF -DPELMARK_BUILD_FUZZ=ON
cmake --build "$build" --target pelmark_fuzz_project -j"$(nproc)"

# New inputs go to a working corpus; the committed seeds stay as they are. Findings land in $build.
work="$build/corpus"
mkdir -p "$work"
"$build/bin/pelmark_fuzz_project" "$work" fuzz/corpus -max_total_time="$seconds" -max_len=8192 \
  -artifact_prefix="$build/" -print_final_stats=1
