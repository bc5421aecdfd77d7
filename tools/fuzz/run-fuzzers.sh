#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, then runs each for a bounded time from its
# committed seeds (tests/fuzz/corpus) and saved regressions. Any crash, broken
# promise, sanitizer report, leak, hang or runaway memory fails the run; the
# input that caused it is left in <build>/artifacts/<fuzzer>/ and belongs in
# tests/fuzz/regressions/<fuzzer>/ with its fix.
#
#   tools/fuzz/run-fuzzers.sh [seconds per fuzzer, default 60]
# Environment: FUZZ_BUILD_DIR (default build/fuzz), JOBS (default nproc).
set -euo pipefail
cd "$(dirname "$0")/../.."

seconds=${1:-60}
build=${FUZZ_BUILD_DIR:-build/fuzz}
jobs=${JOBS:-$(nproc)}
fuzzers=(key_script image sound)

cmake -S . -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSKYRAIL_WERROR=ON -DSKYRAIL_FUZZ=ON \
    -DSKYRAIL_SANITIZE=address,undefined >/dev/null
cmake --build "$build" -j "$jobs" --target "${fuzzers[@]/#/skyrail-fuzz-}"

# Sounds play through SDL's silent driver; leaks are checked after every input.
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1

failed=()
for name in "${fuzzers[@]}"; do
    corpus="$build/corpus/$name"     # grows during the run; the committed seeds stay as they are
    artifacts="$build/artifacts/$name/"
    mkdir -p "$corpus" "$artifacts"
    seeds=(tests/fuzz/corpus/"$name")
    [[ -d tests/fuzz/regressions/$name ]] && seeds+=(tests/fuzz/regressions/"$name")
    echo "== $name: ${seconds} s"
    if ! "$build/bin/skyrail-fuzz-$name" "$corpus" "${seeds[@]}" \
        -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
        -artifact_prefix="$artifacts" -print_final_stats=1 2>"$build/$name.log"; then
        failed+=("$name")
        tail -n 40 "$build/$name.log"
    fi
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|Done)" "$build/$name.log" || true
done

if ((${#failed[@]} > 0)); then
    echo "fuzzing failed: ${failed[*]} (inputs in $build/artifacts/)"
    exit 1
fi
echo "fuzzing: no crash, leak or hang in ${#fuzzers[@]} fuzzers x ${seconds} s"
