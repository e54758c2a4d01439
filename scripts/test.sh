#!/usr/bin/env bash
# Builds everything and runs the whole test suite; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)

# The core must stay free of the toolkit.
if grep -rnE '#\s*include\s*[<"]wx/' src/core; then
  echo "error: src/core includes a wx header" >&2
  exit 1
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 300 | tee build/ctest.log
main_passed=$(sed -nE 's/.*tests passed, [0-9]+ tests failed out of ([0-9]+).*/\1/p' build/ctest.log | tail -n 1)

# The core tests again under AddressSanitizer and UndefinedBehaviorSanitizer. The window
# library is configured too, for the window tests below; only named targets are built.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DNESTREL_SANITIZE=ON \
  -DNESTREL_GUI=ON -DNESTREL_BENCH=OFF
cmake --build build-asan -j "$jobs" --target nestrel_core_tests
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 NESTREL_SOURCE_DIR="$PWD" \
  build-asan/tests/core/nestrel_core_tests --gtest_brief=1 | tee build-asan/gtest.log
asan_passed=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' build-asan/gtest.log | tail -n 1)

# Every window test under the same sanitizers: Sims deleted and neighborhoods replaced
# while a window is open must never be read after they are freed. The tests run in two
# halves side by side, each on a display of its own. Leaks are not checked here: most of
# what such a run allocates belongs to the toolkit.
cmake --build build-asan -j "$jobs" --target nestrel_gui_tests
shards=2
for ((i = 0; i < shards; ++i)); do
  GTEST_TOTAL_SHARDS=$shards GTEST_SHARD_INDEX=$i ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
    NESTREL_SOURCE_DIR="$PWD" scripts/xvfb.sh build-asan/tests/gui/nestrel_gui_tests --gtest_brief=1 \
    >"build-asan/gui-gtest-$i.log" 2>&1 &
done
gui_failed=0
for ((i = 0; i < shards; ++i)); do wait -n || gui_failed=1; done
cat build-asan/gui-gtest-*.log >build-asan/gui-gtest.log
if ((gui_failed)) || grep -qE '^==[0-9]+==ERROR: |^SUMMARY: [A-Za-z]+Sanitizer|runtime error: ' build-asan/gui-gtest.log; then
  grep -E '^\[  FAILED  \]|^==[0-9]+==ERROR: |^SUMMARY: |runtime error: ' build-asan/gui-gtest.log >&2 || true
  echo "error: a window test failed or the sanitizers reported a fault (build-asan/gui-gtest.log)" >&2
  exit 1
fi
gui_asan_passed=$(sed -nE 's/^\[  PASSED  \] ([0-9]+) tests?\..*/\1/p' build-asan/gui-gtest.log | awk '{ n += $1 } END { print n + 0 }')

# A short run of every fuzz target, seeded from the fixtures.
if [[ -d fuzz ]] && ls fuzz/*.cpp >/dev/null 2>&1; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DNESTREL_FUZZ=ON -DNESTREL_GUI=OFF -DNESTREL_TESTS=OFF -DNESTREL_BENCH=OFF
  cmake --build build-fuzz -j "$jobs"
  bash fuzz/run.sh build-fuzz "${NESTREL_FUZZ_SECONDS:-20}"
fi
echo "All Nestrel tests passed (${main_passed:-0} under CTest, ${asan_passed:-0} core tests and" \
  "${gui_asan_passed:-0} window tests under the sanitizers)."
echo "$(( ${main_passed:-0} + ${asan_passed:-0} + ${gui_asan_passed:-0} )) passed, 0 failed"
