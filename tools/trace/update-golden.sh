#!/usr/bin/env bash
# Regenerates the golden per-frame hashes of the trace tests after a deliberate
# change of the game's output. Usage: tools/trace/update-golden.sh [BUILD_DIR]
# (default build/release). Review a few dumped frames before committing the result.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build/release}"
golden="$root/tests/trace/golden"
cmake --build "$build" --target skyrail-trace skyrail2-trace
for tool in skyrail-trace skyrail2-trace; do
    "$build/bin/$tool" --keys "$golden/full-pass.keys" >"$golden/$tool.hashes"
done
echo "updated $golden/skyrail-trace.hashes and $golden/skyrail2-trace.hashes"
