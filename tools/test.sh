#!/usr/bin/env bash
# Builds and runs every test: the whole suite, the Debian package (built, checked,
# installed, played and purged; skipped where packages may not be installed), the
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and the tests of the
# threads (the game and its assist, the solver and its workers) under ThreadSanitizer. Exits
# non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jobs=$(nproc)
"$root/tools/deps.sh"

export QT_QPA_PLATFORM=offscreen

echo "== Build and test =="
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$root/build" -j"$jobs"
ctest --test-dir "$root/build" --output-on-failure -j"$jobs"

echo "== The Debian package =="
status=0
"$root/tests/install/package_test.sh" "$root/build-deb" || status=$?
[ "$status" = 0 ] || [ "$status" = 77 ] || exit "$status"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer =="
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
  -DTOLVAR_SANITIZE=ON -DTOLVAR_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j"$jobs"
ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"

echo "== Build and test the threads under ThreadSanitizer =="
unset ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1
cmake -S "$root" -B "$root/build-tsan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON \
  -DTOLVAR_THREAD_SANITIZE=ON -DTOLVAR_BENCH=OFF -DTOLVAR_ROOMS="solver;tools" \
  -DTOLVAR_TEST_ROOMS="game;solver" >/dev/null
cmake --build "$root/build-tsan" -j"$jobs"
# The long single-threaded searches run in the two builds above; here they would take minutes.
ctest --test-dir "$root/build-tsan" --output-on-failure -j"$jobs" \
  -E "SolverCrossCheck|shipped_level_set_verifies|level_tool_exit_codes"
