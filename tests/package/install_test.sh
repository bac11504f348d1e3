#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree as the desktop, the
# software centre and a user would see it.
#   install_test.sh BUILD_DIR VERSION APP_ID with-window-program|without-window-program
set -uo pipefail
build=${1:?build folder}
version=${2:?version}
id=${3:?application id}
window=${4:?with-window-program or without-window-program}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "FAIL: cmake --install"
    exit 1
fi
share=$prefix/share

# Desktop entry: no error and no warning.
desktop=$share/applications/$id.desktop
if [[ ! -f $desktop ]]; then
    fail "no desktop entry"
elif out=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $out ]]; then
    pass "desktop entry validates"
else
    fail "desktop-file-validate: $out"
fi
grep -qx 'Exec=veltrano-video-joiner %F' "$desktop" || fail "desktop entry Exec line"

# AppStream metadata: no error and no warning (infos are allowed).
metainfo=$share/metainfo/$id.metainfo.xml
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1) && ! grep -qE '^[EW]:' <<<"$out"; then
    pass "metainfo validates"
else
    fail "appstreamcli validate: $out"
fi

# Icons: each PNG has the size its folder names (width and height from the PNG header).
for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $png ]]; then
        fail "missing icon $png"
        continue
    fi
    dims=$(od -An -tu1 -j16 -N8 "$png" | awk '{print $3*256+$4 "x" $7*256+$8}')
    [[ $dims == "${size}x${size}" ]] || fail "icon $png is $dims"
done
[[ -f $share/icons/hicolor/scalable/apps/$id.svg ]] || fail "missing scalable icon"
pass "icons checked"

# Program data: the whole data folder but its README.
data=$share/veltrano-video-joiner
[[ -f $data/help/index.html ]] || fail "help pages not installed"
[[ ! -e $data/README.md ]] || fail "data/README.md installed"
[[ -s $share/doc/veltrano-video-joiner/LICENSE ]] || fail "the licence's text not installed"

# Manual pages render without warnings.
pages=(veltrano-join)
[[ $window == with-window-program ]] && pages+=(veltrano-video-joiner)
for page in "${pages[@]}"; do
    file=$share/man/man1/$page.1.gz
    if [[ ! -f $file ]]; then
        fail "missing manual page $file"
    elif out=$(MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null) && [[ -z $out ]]; then
        pass "manual page $page renders"
    else
        fail "manual page $page: $out"
    fi
done

# The installed command line.
join=$prefix/bin/veltrano-join
count=$("$join" profiles | wc -l)
[[ $count -eq 126 ]] && pass "profiles lists 126" || fail "profiles printed $count lines"
out=$("$join" --version)
[[ $out == "veltrano-join $version" ]] && pass "--version" || fail "--version printed '$out'"

# A converting join loads the installed conversion module, not the build tree's.
convert_clip=$work/convert.mp4
if ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=25 -t 1 -c:v mpeg4 \
    "$convert_clip"; then
    mkdir -p "$work/converted"
    loads=$(XDG_CONFIG_HOME=$work/config LD_DEBUG=files "$join" join --folder "$work/converted" \
        --name joined --yes "$convert_clip" "$convert_clip" 2>&1 >/dev/null)
    if grep -q "file=$prefix/lib.*/veltrano-convert.so" <<<"$loads" &&
        [[ -s $work/converted/joined.mp4 ]]; then
        pass "a converting join loads the installed conversion module"
    else
        fail "converting join: $(grep -e veltrano-convert -e 'cannot be loaded' <<<"$loads")"
    fi
else
    fail "could not make a clip to convert"
fi

# The installed window program loads the installed engine module, not the build tree's, and
# links no libav of its own.
if [[ $window == with-window-program && -s $convert_clip ]]; then
    program=$prefix/bin/veltrano-video-joiner
    loads=$(XDG_CONFIG_HOME=$work/config LD_DEBUG=files QT_QPA_PLATFORM=offscreen \
        "$program" --print-list "$convert_clip" 2>&1 >"$work/list.txt")
    if grep -q "file=$prefix/lib.*/veltrano-engine.so" <<<"$loads" &&
        grep -q "convert.mp4" "$work/list.txt"; then
        pass "the window program loads the installed engine module"
    else
        fail "window program: $(grep -e veltrano-engine -e 'cannot be loaded' <<<"$loads")"
    fi
    if ldd "$program" | grep -E 'libav|Qt6Multimedia'; then
        fail "the window program links the engine's libraries"
    fi
fi

# Bash completion, run the way bash runs it.
complete_words() {  # prints the completions offered for the words given (last one is completed)
    PATH=$prefix/bin:$PATH bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"; shift
        COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1))
        COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
        _veltrano_join veltrano-join "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
        printf "%s\n" "${COMPREPLY[@]}"' \
        complete "$share/bash-completion/completions/veltrano-join" "$@"
}
if [[ -f /usr/share/bash-completion/bash_completion ]]; then
    [[ $(complete_words veltrano-join pa) == params ]] || fail "completion of a command"
    complete_words veltrano-join join --re | grep -qx -- --remove-audio ||
        fail "completion of an option"
    [[ -z $(complete_words veltrano-join probe --c) ]] || fail "probe offered a join option"
    profiles=$(complete_words veltrano-join params --profile ID_MP)
    grep -qx ID_MPH <<<"$profiles" && ! grep -qx ID_AVI <<<"$profiles" ||
        fail "completion of a profile name: $profiles"
    [[ $(complete_words veltrano-join join --channels a) == auto ]] ||
        fail "completion of a value"
    [[ -z $(complete_words veltrano-join join -- --c) ]] || fail "options offered after --"
    pass "bash completion checked"
else
    fail "bash-completion is not installed"
fi

# The installed window program, when it is part of the build.
if [[ $window == with-window-program ]]; then
    clip=$work/clip.mp4
    ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25 -f lavfi \
        -i sine=frequency=440:sample_rate=44100 -t 1 -shortest -c:v mpeg4 -c:a aac "$clip" ||
        fail "could not make a clip"
    rows=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/veltrano-video-joiner" --print-list "$clip")
    status=$?
    [[ $status -eq 0 ]] || fail "--print-list exited with $status"
    if [[ $(wc -l <<<"$rows") -eq 1 && $(cut -f1 <<<"$rows") == "$clip" ]]; then
        pass "--print-list prints one row"
    else
        fail "--print-list printed: $rows"
    fi
    [[ $(QT_QPA_PLATFORM=offscreen "$prefix/bin/veltrano-video-joiner" --version) == *"$version"* ]] ||
        fail "window program --version"
    # Every option its manual page documents is one the program itself knows.
    help=$(QT_QPA_PLATFORM=offscreen "$prefix/bin/veltrano-video-joiner" --help 2>&1)
    for option in $(zcat "$share/man/man1/veltrano-video-joiner.1.gz" | sed 's/\\-/-/g' |
        grep -oE -- '--[a-z][a-z-]*' | sort -u); do
        grep -qe "$option" <<<"$help" || fail "the manual page names $option, --help does not"
    done
else
    echo "skipped: the window program is not part of this build"
fi

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
