#!/usr/bin/env bash
# The window program under Xvfb (xcb):
#   startup: process start to main window painted, against a minimal Qt Widgets program in the
#            same run, alternating, RUNS times each (the median counts);
#   drop:    FILES copies of a small clip dropped on the real main window, until the list
#            shows them all (the best of RUNS counts).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-11}
files=${FILES:-1000}
"$root/scripts/install-deps.sh" >/dev/null
cmake -S "$root" -B "$root/build" -G Ninja -DVELTRANO_BUILD_BENCH=ON >/dev/null
cmake --build "$root/build" -j2 \
    --target bench_window_startup bench_minimal_startup bench_window_drop >/dev/null

clips="$root/bench/.clips/window"
mkdir -p "$clips/drop"
if [[ ! -s "$clips/clip.mp4" ]]; then
    ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=320x240:rate=25 \
        -f lavfi -i sine=frequency=440 -t 2 -shortest -c:v libx264 -preset ultrafast \
        -pix_fmt yuv420p -c:a aac "$clips/clip.mp4"
fi
for ((i = 0; i < files; ++i)); do
    [[ -e "$clips/drop/clip$i.mp4" ]] || cp "$clips/clip.mp4" "$clips/drop/clip$i.mp4"
done
export XDG_CONFIG_HOME="$clips/config"

xvfb-run -a -s "-screen 0 1280x800x24" env QT_QPA_PLATFORM=xcb bash -c '
    runs=$1 bin=$2 clips=$3 files=$4
    median() { sort -n | awk "{ v[NR] = \$1 } END { print v[int((NR + 1) / 2)] }"; }
    : >"$clips/window.txt"; : >"$clips/minimal.txt"
    for ((r = 0; r < runs; ++r)); do
        VELTRANO_LAUNCH_NS=$(date +%s%N) "$bin/bench_minimal_startup" >>"$clips/minimal.txt"
        VELTRANO_LAUNCH_NS=$(date +%s%N) "$bin/bench_window_startup" >>"$clips/window.txt"
    done
    window=$(median <"$clips/window.txt")
    minimal=$(median <"$clips/minimal.txt")
    echo "startup: veltrano-video-joiner ${window} ms, minimal Qt Widgets program ${minimal} ms," \
        "ratio $(awk "BEGIN { printf \"%.2f\", $window / $minimal }") (median of $runs)"
    for ((r = 0; r < runs && r < 3; ++r)); do
        "$bin/bench_window_drop" $(for ((i = 0; i < files; ++i)); do echo "$clips/drop/clip$i.mp4"; done)
    done | sort -n | head -1 | sed "s/^/drop (best of 3): /"
' bash "$runs" "$root/build/bench" "$clips" "$files"
