#!/usr/bin/env bash
# Pictures of the progress window (running and finished), the completion notice and the about
# window, saved into doc/screenshots/. Runs under Xvfb when there is no display (needs the
# xvfb and xauth packages), else on the display at hand.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
out=$root/doc/screenshots

cmake -S "$root" -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target progress_screenshots -j2
tool=$build_dir/tests/ui/progress/progress_screenshots
mkdir -p "$out"
if [[ -z "${DISPLAY:-}" ]] && command -v xvfb-run >/dev/null; then
    xvfb-run -a -s "-screen 0 1280x800x24" "$tool" "$out"
else
    "$tool" "$out"
fi
