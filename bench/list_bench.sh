#!/usr/bin/env bash
# Times every join list operation on 10,000 rows (Google Benchmark).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" >/dev/null
cmake -S "$root" -B "$root/build" -G Ninja -DVELTRANO_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build" --target bench_join_list >/dev/null
"$root/build/bench/bench_join_list" --benchmark_min_time=0.2 "$@"
