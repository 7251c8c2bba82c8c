#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for SECONDS (default 10).
#   fuzz/run.sh [SECONDS] [TARGET...]      targets: level_set level_file replay settings typed_number ini_file
#                                          wave music level_text library paste
# The build goes to $TOLVAR_FUZZ_BUILD (default build-fuzz beside the sources). Inputs that
# reach new code are kept in <build>/corpus/<target>/ and grow from run to run; the seeds
# in fuzz/corpus/<target>/ are only read. A crash leaves <build>/artifacts/<target>/crash-*,
# which the target replays when given the file: <build>/fuzz_<target> FILE
# With TOLVAR_FUZZ_RUNS=N each target stops after N executions instead (a campaign; SECONDS
# still bounds it). With TOLVAR_FUZZ_SANITIZERS=0 the runs go without AddressSanitizer and
# UndefinedBehaviorSanitizer, several times as fast (a build of its own in <build>/fast), and the
# checked build replays the corpus each run grew. Exits 1 when a target crashed, 77 when clang or
# libFuzzer is missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-10}
shift || true
build=${TOLVAR_FUZZ_BUILD:-$root/build-fuzz}
all_targets=(level_set level_file replay settings typed_number ini_file wave music level_text library paste)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all_targets[@]}")

# The longest input worth trying: a level set of five levels, a level file with some bytes
# beyond its 280, a level with a long solution, a level of 64 x 64 (or a few levels and their
# records), short texts.
max_len() {
    case $1 in
        level_set) echo 1400 ;;
        level_file) echo 400 ;;
        replay) echo 2000 ;;
        wave | music) echo 4096 ;;
        level_text | library | paste) echo 8192 ;;
        *) echo 512 ;;
    esac
}

for tool in clang clang++ cmake; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (packages clang and libclang-rt-14-dev)"
        exit 77
    fi
done
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
    echo "SKIP: clang cannot link libFuzzer (package libclang-rt-14-dev)"
    exit 77
fi

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
build_targets() {  # DIRECTORY [CMAKE OPTION...]
    local dir=$1
    shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$dir" "${generator[@]}" "$@" >/dev/null
    fi
    if ! cmake --build "$dir" -j"$(nproc)" >"$dir/build.log" 2>&1; then
        tail -40 "$dir/build.log"
        echo "The fuzz targets did not build (whole log: $dir/build.log)."
        exit 1
    fi
}
build_targets "$build"
runner=$build
if [ "${TOLVAR_FUZZ_SANITIZERS:-1}" = 0 ]; then
    runner=$build/fast
    build_targets "$runner" -DTOLVAR_FUZZ_SANITIZERS=OFF
fi

export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:allocator_may_return_null=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

crashed=()
printf '%-14s %12s %10s %8s  %s\n' target executions per-second corpus result
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    log="$build/logs/$target.log"
    rm -f "$log.checked"
    mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
    dict=()
    [ -f "$root/fuzz/dict/$target.dict" ] && dict=(-dict="$root/fuzz/dict/$target.dict")
    status=0
    limit=()
    [ -n "${TOLVAR_FUZZ_RUNS:-}" ] && limit=(-runs="$TOLVAR_FUZZ_RUNS")
    options=(-max_len="$(max_len "$target")" -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$artifacts/")
    "$runner/fuzz_$target" -max_total_time="$seconds" "${limit[@]}" "${options[@]}" -print_final_stats=1 \
        "${dict[@]}" "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    # What the unchecked run kept, each input once under the sanitizers.
    if [ "$runner" != "$build" ] && [ "$status" -eq 0 ]; then
        "$build/fuzz_$target" -runs=0 "${options[@]}" "$corpus" "$root/fuzz/corpus/$target" \
            >"$log.checked" 2>&1 || { status=$?; log=$log.checked; }
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
    units=$(find "$corpus" -type f | wc -l)
    result=ok
    if [ "$status" -ne 0 ]; then
        result="CRASH (exit $status): see $log and $artifacts/"
        crashed+=("$target")
    fi
    printf '%-14s %12s %10s %8s  %s\n' "$target" "${runs:-?}" "${rate:-?}" "$units" "$result"
done

if [ ${#crashed[@]} -gt 0 ]; then
    echo "Crashed: ${crashed[*]}"
    for target in "${crashed[@]}"; do
        grep -hE 'BROKEN RULE|ERROR: |runtime error|SUMMARY' "$build/logs/$target".log* | head -5
    done
    exit 1
fi
