#!/usr/bin/env bash
# Installs, with apt-get, whichever build, run and test dependencies are missing.
# --fuzz adds clang and its libFuzzer runtime, which only scripts/fuzz.sh needs.
set -euo pipefail

packages=(
    g++ cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev libqt6svg6
    qt6-l10n-tools qt6-translations-l10n
    libavformat-dev libavcodec-dev libavfilter-dev libswscale-dev libswresample-dev libavutil-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    ffmpeg time
    desktop-file-utils appstream bash-completion man-db dpkg-dev lintian
    fonts-dejavu-core xvfb xauth
    dbus at-spi2-core python3-pyatspi pulseaudio pulseaudio-utils
    gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    gstreamer1.0-plugins-bad gstreamer1.0-plugins-ugly gstreamer1.0-libav mkvtoolnix
)

if [[ "${1:-}" == "--fuzz" ]]; then
    packages+=(clang libclang-rt-dev)
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} == 0)); then
    echo "All dependencies are installed."
    exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
