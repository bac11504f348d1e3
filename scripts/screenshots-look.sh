#!/usr/bin/env bash
# Makes the screenshots that show the windows stay readable: the main window and the output
# settings dialog under a dark desktop palette (GTK's Adwaita dark through Qt's GTK platform
# theme) and at 200 % scale (QT_SCALE_FACTOR=2), into doc/screenshots/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh" >/dev/null
need=()
command -v import >/dev/null || need+=(imagemagick)
command -v xdotool >/dev/null || need+=(xdotool)
dpkg-query -W -f='${Status}' qt6-gtk-platformtheme 2>/dev/null | grep -q "ok installed" ||
    need+=(qt6-gtk-platformtheme)
if ((${#need[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${need[@]}"
fi
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target veltrano-video-joiner -j2 >/dev/null
program="$root/build/ui/program/veltrano-video-joiner"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for name in Beach Harbour; do
    ffmpeg -loglevel error -y -f lavfi -i testsrc2=size=640x360:rate=25 -f lavfi -i sine \
        -t 5 -shortest -c:v libx264 -preset ultrafast -pix_fmt yuv420p -c:a aac "$work/$name.mp4"
done
out="$root/doc/screenshots"
export XDG_CONFIG_HOME="$work/config" TZ=UTC
# $1 environment, $2 screen, $3 crop, $4 Join button's place, $5 name
shoot() {
    xvfb-run -a -s "-screen 0 $2x24" env $1 sh -c '
        "$1" "$2/Beach.mp4" "$2/Harbour.mp4" & pid=$!
        sleep 5
        import -window root -crop "$3" +repage "$5-main.png"
        xdotool mousemove $4 click 1
        sleep 3
        import -window root -crop "$3" +repage "$5-settings.png"
        kill $pid' sh "$program" "$work" "$3" "$4" "$out/$5"
}
shoot "QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark" 1024x640 688x468+0+0 "438 50" dark
shoot "QT_SCALE_FACTOR=2" 1600x1100 1376x936+0+0 "810 100" scale-200
echo "Wrote $out/dark-*.png and $out/scale-200-*.png"
