#!/usr/bin/env bash
# Makes the translated windows' screenshots under Xvfb into doc/screenshots/: for German and
# Japanese the main window with files listed, the output settings dialog (wide), the progress
# window of a conversion and the player, named <window>-<lang>.png. Installs a Japanese font
# (and xdotool and ImageMagick's `import`) when missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" >/dev/null
missing=()
for package in imagemagick xdotool fonts-ipafont-gothic; do
    if [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true) != "install ok installed" ]]; then
        missing+=("$package")
    fi
done
if ((${#missing[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
build_dir=${BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build_dir" -G Ninja >/dev/null
cmake --build "$build_dir" --target veltrano-video-joiner -j2 >/dev/null
program="$build_dir/ui/program/veltrano-video-joiner"

work=/tmp/vvj-screens-languages
rm -rf "$work"
trap 'rm -rf "$work"' EXIT
videos="$work/Videos"
mkdir -p "$videos"
clip() {  # name, seconds
    ffmpeg -loglevel error -y -f lavfi -i "testsrc2=size=640x360:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100" -t "$2" -shortest \
        -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac "$videos/$1"
}
clip "Beach.mp4" 40
clip "Harbour.mp4" 30
clip "Old Town.mp4" 40
touch -d '2026-07-14 18:30:00' "$videos"/*

out="$root/doc/screenshots"
mkdir -p "$out"
export TZ=UTC
# The toolbar's Play and Join, as "x y" on the screen: their places follow the captions' widths.
declare -A play=([de]="228 50" [ja]="185 50") join=([de]="524 50" [ja]="408 50")
# Inside the output settings dialog (drawn places, which translated captions keep clear of):
# More (it grows to its left), Convert, Join Now (left of the centred pair's middle) and the
# destination box.
more="430 285" convert="24 53" joinNow="279 400" folder="100 362"
title() {  # the output settings dialog's caption in a language
    grep -A1 "<source>Output Settings</source>" "$root/translations/veltrano_$1.ts" |
        sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p'
}
for language in ${LANGUAGES:-de ja}; do
    rm -rf "$work/home"
    mkdir -p "$work/home/Videos"
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" LANGUAGE=$language LANG=C.UTF-8
    export folder
    xvfb-run -a -s "-screen 0 1280x800x24" sh -c '
        program=$1 videos=$2 out=$3 language=$4
        "$program" "$videos/Beach.mp4" "$videos/Harbour.mp4" "$videos/Old Town.mp4" &
        pid=$!
        sleep 4
        import -window root -crop 688x468+0+0 +repage "$out/main-$language.png"
        # Play on the first row: the row clicked, then the toolbar button.
        xdotool mousemove 120 114 click 1 sleep 0.5 mousemove $5 click 1
        sleep 3
        player=$(xdotool search --onlyvisible --name "Beach.mp4" | head -n 1)
        [ -n "$player" ] && import -window "$player" "$out/player-$language.png"
        kill $pid
        wait $pid || true
        "$program" "$videos/Beach.mp4" "$videos/Harbour.mp4" "$videos/Old Town.mp4" &
        pid=$!
        sleep 4
        xdotool mousemove $6 click 1
        sleep 2
        dialog=$(xdotool search --onlyvisible --name "^${10}\$" | head -n 1)
        # Convert, More, the destination typed in, then the wide dialog pictured and joined.
        xdotool mousemove --window "$dialog" $8 click 1 sleep 0.5
        xdotool mousemove --window "$dialog" $7 click 1 sleep 0.5
        xdotool mousemove --window "$dialog" $folder click 1 type "$HOME/Videos"
        sleep 1
        import -window "$dialog" "$out/settings-$language.png"
        xdotool mousemove --window "$dialog" $9 click 1
        sleep 3
        # The progress window: the one shown that is neither the main window nor the dialog.
        progress=$(xdotool search --onlyvisible --name "." | while read -r id; do
            name=$(xdotool getwindowname "$id")
            [ "$name" != "Veltrano Video Joiner" ] && [ "$name" != "${10}" ] && echo "$id"
        done | head -n 1)
        [ -n "$progress" ] && import -window "$progress" "$out/progress-$language.png"
        kill $pid
    ' sh "$program" "$videos" "$out" "$language" "${play[$language]}" "${join[$language]}" \
        "$more" "$convert" "$joinNow" "$(title "$language")"
done
echo "Wrote $out/{main,settings,progress,player}-{de,ja}.png"
