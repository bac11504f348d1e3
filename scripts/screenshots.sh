#!/usr/bin/env bash
# Makes the README's screenshots under Xvfb into doc/screenshots/: the main window with files
# listed here, then the output settings dialog, the progress window, the notice, the about
# window and the player through their own scripts; the German and Japanese pictures come from
# scripts/screenshots-languages.sh. Needs xvfb, xauth and ImageMagick's `import` (installed when missing).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" >/dev/null
if ! command -v import >/dev/null || ! command -v xdotool >/dev/null; then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq imagemagick xdotool
fi
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target veltrano-video-joiner -j2 >/dev/null
program="$root/build/ui/program/veltrano-video-joiner"

# A short, fixed folder: the File Name column shows full paths.
work=/tmp/vvj-screens
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
videos="$work/Videos"
mkdir -p "$videos" "$work/config"
clip() {  # name, seconds, size, extra ffmpeg output arguments
    local name=$1 seconds=$2 size=$3; shift 3
    ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=$size:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100" -t "$seconds" -shortest "$@" \
        "$videos/$name"
}
clip "Beach.mp4" 12 640x360 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac
clip "Harbour.mp4" 9 640x360 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac
clip "Old Town.mp4" 15 640x360 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac
clip "Birthday.mkv" 7 1280x720 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac
clip "Garden.avi" 5 320x240 -c:v mpeg4 -c:a mp3
touch -d '2026-07-14 18:30:00' "$videos"/*

out="$root/doc/screenshots"
mkdir -p "$out"
export XDG_CONFIG_HOME="$work/config" TZ=UTC
xvfb-run -a -s "-screen 0 1024x640x24" sh -c '
    "$1" "$2/Beach.mp4" "$2/Harbour.mp4" "$2/Old Town.mp4" "$2/Birthday.mkv" "$2/Garden.avi" &
    pid=$!
    sleep 4
    import -window root -crop 688x468+0+0 +repage "$3/main-window.png"
    # Play on the first row: the row clicked, then the toolbar button, as a user would.
    xdotool mousemove 120 114 click 1 sleep 0.5 mousemove 188 50 click 1
    sleep 3
    player=$(xdotool search --onlyvisible --name "Beach.mp4" | head -n 1)
    [ -n "$player" ] && import -window "$player" "$3/player.png"
    kill $pid
' sh "$program" "$videos" "$out"
echo "Wrote $out/main-window.png and $out/player.png"
"$root/scripts/screenshots-settings.sh"
"$root/scripts/screenshots-progress.sh"
