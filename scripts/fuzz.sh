#!/usr/bin/env bash
# Runs one fuzz target (tests/fuzz/<TARGET>_fuzz.cpp) for SECONDS (default 60) with libFuzzer.
# Builds it first in build-fuzz/ (clang, AddressSanitizer, UndefinedBehaviorSanitizer). The
# target starts from a copy of its seed corpus in build-fuzz/work/<TARGET>/, where the new
# inputs it finds go; a crashing input is written there too. A found input worth keeping as a
# test is minimised and copied into tests/fuzz/corpus/<TARGET>/ by hand. An input that runs
# over 25 seconds counts as a hang (a stalled join is a fault too).
#   scripts/fuzz.sh copy_timeline 600
#   scripts/fuzz.sh probe 600 -max_len=65536     (more arguments go to libFuzzer)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if (($# < 1)); then
    echo "usage: scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options...]" >&2
    echo "targets: $(cd "$root/tests/fuzz" && ls ./*_fuzz.cpp | sed 's|./||; s|_fuzz.cpp||' | tr '\n' ' ')" >&2
    exit 2
fi
target=$1
seconds=${2:-60}
shift $(($# >= 2 ? 2 : 1))
if [[ ! -f "$root/tests/fuzz/${target}_fuzz.cpp" ]]; then
    echo "fuzz.sh: no fuzz target \"$target\" (tests/fuzz/${target}_fuzz.cpp)" >&2
    exit 2
fi
if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: needs clang with libFuzzer; install it with scripts/install-deps.sh --fuzz" >&2
    exit 1
fi

build_dir=${FUZZ_BUILD_DIR:-$root/build-fuzz}
launchers=()
if command -v ccache >/dev/null; then
    launchers=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [[ ! -f "$build_dir/build.ninja" ]]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build_dir" -G Ninja -DVELTRANO_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launchers[@]}" >/dev/null
fi
cmake --build "$build_dir" -j"$(nproc)" --target "${target}_fuzz"

work="$build_dir/work/$target"
mkdir -p "$work/corpus" "$work/artifacts"
for seed in "$root/tests/fuzz/corpus/$target"/*; do
    [[ -e "$work/corpus/$(basename "$seed")" ]] || cp "$seed" "$work/corpus/"
done
options=(-max_total_time="$seconds" -artifact_prefix="$work/artifacts/" -print_final_stats=1
    -timeout=25)
# A target whose input is a text format may bring a dictionary of its tokens.
if [[ -f "$root/tests/fuzz/$target.dict" ]]; then
    options+=(-dict="$root/tests/fuzz/$target.dict")
fi
cd "$work"
exec "$build_dir/tests/fuzz/${target}_fuzz" "${options[@]}" "$@" "$work/corpus"
