#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: a normal build, then a
# build with AddressSanitizer and UndefinedBehaviorSanitizer (a leak or UB report fails).
# --no-sanitize skips the second run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sanitize=1
if [[ "${1:-}" == "--no-sanitize" ]]; then
    sanitize=0
fi

"$root/scripts/install-deps.sh"

echo "== Build and test"
BUILD_DIR="$root/build" "$root/scripts/build.sh"
ctest --test-dir "$root/build" --output-on-failure -j2 --timeout 900

if ((sanitize)); then
    echo "== Build and test with AddressSanitizer and UndefinedBehaviorSanitizer"
    BUILD_DIR="$root/build-asan" "$root/scripts/build.sh" -DVELTRANO_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRANO_BUILD_BENCH=OFF
    ctest --test-dir "$root/build-asan" --output-on-failure -j2 --timeout 1800
fi
