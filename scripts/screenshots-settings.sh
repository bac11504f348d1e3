#!/usr/bin/env bash
# Pictures of the output settings dialog (narrow, wide, the profile menu open, a profile chosen)
# saved into doc/screenshots/. Renders on the offscreen platform, so no display is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${BUILD_DIR:-$root/build}
if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S "$root" -B "$build_dir" -G Ninja >/dev/null
fi
cmake --build "$build_dir" --target settings_screenshots -j2
QT_QPA_PLATFORM=offscreen "$build_dir/tests/ui/settings/settings_screenshots" \
    "$root/doc/screenshots"
