#!/usr/bin/env bash
# Makes doc/screenshots/main-copy-mark.png: the main window with a row that cannot be
# stream-copied after the first, and its tooltip (under Xvfb).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" >/dev/null
need=()
command -v import >/dev/null || need+=(imagemagick)
command -v xdotool >/dev/null || need+=(xdotool)
if ((${#need[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${need[@]}"
fi
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target veltrano-video-joiner -j2 >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=640x360:rate=25 -f lavfi -i sine -t 5 \
    -shortest -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac "$work/Beach.mp4"
ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=480x270:rate=25 -f lavfi -i sine -t 5 \
    -shortest -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac "$work/Harbour.mp4"
export XDG_CONFIG_HOME="$work/config" TZ=UTC
# A click makes the window active (Qt shows tooltips of active windows only), then the pointer
# rests on the marked cell.
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
    "$1" "$2/Beach.mp4" "$2/Harbour.mp4" & pid=$!
    sleep 6
    xdotool mousemove 200 300 click 1
    sleep 0.5
    xdotool mousemove 90 128
    sleep 0.3
    xdotool mousemove 100 132
    sleep 3
    import -window root -crop 800x200+0+0 +repage "$3"
    kill $pid' sh "$root/build/ui/program/veltrano-video-joiner" "$work" \
    "$root/doc/screenshots/main-copy-mark.png"
