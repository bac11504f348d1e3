#!/usr/bin/env bash
# For a person on Debian 12, as root (or with sudo): installs the package made by
# scripts/build-deb.sh with apt, checks the installed programs and files, then removes the
# package and checks that nothing of it is left behind.
#   scripts/test-deb.sh [PACKAGE.deb]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "${1:-$(ls -t "$root"/build-deb/veltrano-video-joiner_*.deb | head -n1)}")
package=veltrano-video-joiner
id=example.veltrano.VideoJoiner
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi
if dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    echo "$package is already installed; remove it first so the test starts clean." >&2
    exit 1
fi

failures=0
check() {  # description, command...
    local description=$1
    shift
    if "$@" >/dev/null 2>&1; then
        echo "ok: $description"
    else
        echo "FAIL: $description"
        failures=$((failures + 1))
    fi
}

echo "== Installing $deb"
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get install -y "$deb"
files=$(dpkg-query -L "$package")

echo "== Checking"
check "veltrano-join --version" test "$(veltrano-join --version)" = "veltrano-join $(dpkg-query -W -f='${Version}' "$package")"
check "veltrano-join profiles lists 126" test "$(veltrano-join profiles | wc -l)" -eq 126
check "desktop entry" desktop-file-validate /usr/share/applications/$id.desktop
check "metainfo" appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml
check "manual page" man -w veltrano-join
check "help pages" test -f /usr/share/veltrano-video-joiner/help/index.html
check "icon" test -f /usr/share/icons/hicolor/48x48/apps/$id.png
check "bash completion" test -f /usr/share/bash-completion/completions/veltrano-join
if [[ -x /usr/bin/veltrano-video-joiner ]]; then
    check "veltrano-video-joiner --version" env QT_QPA_PLATFORM=offscreen veltrano-video-joiner --version
fi

echo "== Removing"
"${sudo_cmd[@]}" apt-get purge -y "$package"
left=0
while IFS= read -r path; do
    # Folders shared with other packages (/usr/share/icons, ...) stay, and that is right.
    if [[ -f $path || -L $path ]]; then
        echo "left behind: $path"
        left=1
    fi
done <<<"$files"
check "nothing left behind" test "$left" -eq 0
check "package gone" bash -c "! dpkg-query -W -f='\${Status}' $package 2>/dev/null | grep -q installed"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "The package installs, works and removes cleanly."
