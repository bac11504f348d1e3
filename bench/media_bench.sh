#!/usr/bin/env bash
# Measures veltrano-join against the ffmpeg tools in one run and prints both times, their ratio
# and each run's peak memory (maximum resident set size).
#
#   bench/media_bench.sh copy      stream-copy join of 20 x 30 s 1280x720 H.264+AAC MP4 clips,
#                                  against `ffmpeg -f concat -c copy` (also with
#                                  `-auto_convert 0`, which skips the bitstream checks we skip
#                                  too) and against `cat`, the tools taking turns each run and
#                                  the median counting
#   bench/media_bench.sh copy-gb   the same for 30 clips of about 70 MB (2.1 GB), each run
#                                  ending with `sync`
#   bench/media_bench.sh convert   the same clips to "MP4 - H264 Video (*.mp4)" at 640x480,
#                                  Normal quality, against ffmpeg's concat filter + libx264
#   bench/media_bench.sh probe     200 files: `veltrano-join probe` against one ffprobe per file
#   bench/media_bench.sh memory    peak memory of a join of 20 and of 200 short clips
#   bench/media_bench.sh all       everything above
#
# Clips are made once with the ffmpeg tool and cached in bench/.clips. CLIPS=N changes the
# number of long clips (default 20); RUNS=N the repetitions (default 3; the best time counts, the
# median for the copy modes).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache="$root/bench/.clips"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
clips=${CLIPS:-20}
runs=${RUNS:-3}
cli="$root/build/cli/veltrano-join"
threads=$(nproc)

prepare() {
    "$root/scripts/install-deps.sh" >/dev/null
    cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
    cmake --build "$root/build" --target veltrano-join >/dev/null
    mkdir -p "$cache"
}

# make_clips NAME COUNT SECONDS SIZE: COUNT copies of one H.264+AAC MP4 clip.
make_clips() {
    local name=$1 count=$2 seconds=$3 size=$4
    local dir="$cache/$name"
    if [[ -f "$dir/.done-$count" ]]; then
        echo "$dir"
        return
    fi
    mkdir -p "$dir"
    if [[ ! -f "$dir/source.mp4" ]]; then
        ffmpeg -hide_banner -loglevel error -y \
            -f lavfi -i "testsrc2=size=$size:rate=30:duration=$seconds" \
            -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=$seconds" \
            -c:v libx264 -preset veryfast -b:v 3000k -c:a aac -b:a 128k -ac 2 \
            "$dir/source.mp4"
    fi
    for ((i = 1; i <= count; i++)); do
        [[ -f "$dir/clip$(printf %03d "$i").mp4" ]] || cp "$dir/source.mp4" "$dir/clip$(printf %03d "$i").mp4"
    done
    touch "$dir/.done-$count"
    echo "$dir"
}

clip_list() { # DIR COUNT
    local i
    for ((i = 1; i <= $2; i++)); do echo "$1/clip$(printf %03d "$i").mp4"; done
}

# measure LABEL COMMAND...: best wall time of $runs runs and the peak memory of that run.
declare -A seconds_of memory_of
measure() {
    local label=$1 best="" best_mem=""
    shift
    for ((r = 0; r < runs; r++)); do
        rm -f "$work"/out.* "$work"/cat.bin
        /usr/bin/time -f "%e %M" -o "$work/time.txt" "$@" >/dev/null 2>"$work/err.txt" || {
            echo "$label failed:" >&2
            cat "$work/err.txt" >&2
            return 1
        }
        read -r t m <"$work/time.txt"
        if [[ -z "$best" ]] || awk "BEGIN{exit !($t < $best)}"; then
            best=$t best_mem=$m
        fi
    done
    seconds_of[$label]=$best
    memory_of[$label]=$best_mem
    printf '  %-34s %8.2f s   peak %7.1f MiB\n' "$label" "$best" "$(awk "BEGIN{print $best_mem/1024}")"
}

ratio() { # A B: A / B
    awk "BEGIN{ if ($2 > 0) printf \"%.2f\", $1 / $2; else print \"n/a\" }"
}

median() { # VALUES...: the middle one (the mean of the two middle ones for an even count)
    printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else printf "%.3f\n", (v[m] + v[m + 1]) / 2 }'
}

# copy_command LABEL: sets cmd to the command line of the copy join, the ffmpeg tool or cat over
# "${files[@]}".
copy_command() {
    case "$1" in
        veltrano*) cmd=("$cli" join --copy --yes --name out --folder "$work" "${files[@]}") ;;
        "ffmpeg -f concat -c copy") cmd=(ffmpeg -hide_banner -loglevel error -y -f concat -safe 0
            -i "$work/list.txt" -c copy "$work/out.mp4") ;;
        ffmpeg*) cmd=(ffmpeg -hide_banner -loglevel error -y -f concat -safe 0 -auto_convert 0
            -i "$work/list.txt" -c copy "$work/out.mp4") ;;
        cat) cmd=(sh -c "cat \"\$@\" > '$work/cat.bin'" sh "${files[@]}") ;;
    esac
}

# The machine is shared: the tools take turns within each run, so a busy spell hits them alike,
# and the median of the runs counts.
bench_copy() {
    local dir r label t m cmd
    dir=$(make_clips long "$clips" 30 1280x720)
    mapfile -t files < <(clip_list "$dir" "$clips")
    : >"$work/list.txt"
    for f in "${files[@]}"; do echo "file '$f'" >>"$work/list.txt"; done
    echo "Stream copy join: $clips clips of 30 s, 1280x720 H.264 + AAC, median of $runs interleaved runs"
    local labels=("veltrano-join join --copy" "ffmpeg -f concat -c copy"
        "ffmpeg -f concat -auto_convert 0" "cat")
    local -A times peaks
    for ((r = 0; r < runs; r++)); do
        for label in "${labels[@]}"; do
            rm -f "$work"/out.* "$work"/cat.bin
            copy_command "$label"
            /usr/bin/time -f "%e %M" -o "$work/time.txt" "${cmd[@]}" >/dev/null 2>"$work/err.txt" || {
                echo "$label failed:" >&2
                cat "$work/err.txt" >&2
                return 1
            }
            read -r t m <"$work/time.txt"
            times[$label]+="$t "
            peaks[$label]=$(awk "BEGIN{print (${peaks[$label]:-0} > $m) ? ${peaks[$label]:-0} : $m}")
        done
    done
    for label in "${labels[@]}"; do
        # shellcheck disable=SC2086
        seconds_of[$label]=$(median ${times[$label]})
        printf '  %-34s %8.2f s   peak %7.1f MiB   (runs: %s)\n' "$label" "${seconds_of[$label]}" \
            "$(awk "BEGIN{print ${peaks[$label]}/1024}")" "${times[$label]% }"
    done
    echo "  ratio to ffmpeg: $(ratio "${seconds_of[veltrano-join join --copy]}" "${seconds_of[ffmpeg -f concat -c copy]}")   (target <= 1.0)"
    echo "  ratio to ffmpeg -auto_convert 0: $(ratio "${seconds_of[veltrano-join join --copy]}" "${seconds_of[ffmpeg -f concat -auto_convert 0]}")   (target <= 0.75)"
    echo "  ratio to cat:    $(ratio "${seconds_of[veltrano-join join --copy]}" "${seconds_of[cat]}")   (target <= 2)"
}

# Large files: the time is the disk's, so every run ends with `sync` and the tools take turns
# within each run rather than one tool's runs following each other into a warm cache.
bench_copy_gb() {
    local dir="$cache/gb" i r label cmd
    mkdir -p "$dir"
    if [[ ! -f "$dir/source.mp4" ]]; then
        ffmpeg -hide_banner -loglevel error -y \
            -f lavfi -i "testsrc2=size=1920x1080:rate=30:duration=30" \
            -f lavfi -i "sine=frequency=440:sample_rate=48000:duration=30" \
            -c:v libx264 -preset ultrafast -b:v 18000k -c:a aac -b:a 192k -ac 2 "$dir/source.mp4"
    fi
    mapfile -t files < <(for ((i = 1; i <= 30; i++)); do echo "$dir/clip$(printf %03d "$i").mp4"; done)
    for f in "${files[@]}"; do [[ -f "$f" ]] || cp "$dir/source.mp4" "$f"; done
    : >"$work/list.txt"
    for f in "${files[@]}"; do echo "file '$f'" >>"$work/list.txt"; done
    echo "Stream copy join: 30 clips, $(du -ch "${files[@]}" | tail -1 | cut -f1) in all, sync included, median of $runs interleaved runs"
    local -A times median_of
    local labels=("veltrano-join join --copy" "ffmpeg -f concat -auto_convert 0" "cat")
    for ((r = 0; r < runs; r++)); do
        for label in "${labels[@]}"; do
            rm -f "$work"/out.* "$work"/cat.bin
            sync
            local start end
            start=$(date +%s%N)
            copy_command "$label"
            "${cmd[@]}" >/dev/null 2>&1
            sync
            end=$(date +%s%N)
            times[$label]+="$(awk "BEGIN{printf \"%.2f\", ($end - $start) / 1e9}") "
        done
    done
    for label in "${labels[@]}"; do
        # shellcheck disable=SC2086
        median_of[$label]=$(median ${times[$label]})
        printf '  %-34s %8.2f s   (runs: %s)\n' "$label" "${median_of[$label]}" "${times[$label]% }"
    done
    echo "  ratio to cat: $(ratio "${median_of[veltrano-join join --copy]}" "${median_of[cat]}")   (target <= 1.1)"
    echo "  ratio to ffmpeg -auto_convert 0: $(ratio "${median_of[veltrano-join join --copy]}" "${median_of[ffmpeg -f concat -auto_convert 0]}")"
}

bench_convert() {
    local dir
    dir=$(make_clips long "$clips" 30 1280x720)
    mapfile -t files < <(clip_list "$dir" "$clips")
    local inputs=() chain="" i
    for ((i = 0; i < ${#files[@]}; i++)); do
        inputs+=(-i "${files[$i]}")
        chain+="[$i:v][$i:a]"
    done
    echo "Conversion join: $clips clips to \"MP4 - H264 Video (*.mp4)\" at 640x480, Normal quality"
    echo "  parameters: $("$cli" params --profile 1057 --size 7 "${files[@]}" | head -1)"
    measure "veltrano-join join (convert)" "$cli" join --profile 1057 --size 7 --yes --name out \
        --folder "$work" "${files[@]}"
    measure "ffmpeg concat+scale+libx264" ffmpeg -hide_banner -loglevel error -y "${inputs[@]}" \
        -filter_complex "${chain}concat=n=${#files[@]}:v=1:a=1[v][a];[v]scale=640:480[vs]" \
        -map "[vs]" -map "[a]" -c:v libx264 -preset veryfast -b:v 2048k \
        -c:a aac -b:a 128k -ar 44100 -ac 2 -threads "$threads" "$work/out.mp4"
    echo "  ratio to ffmpeg: $(ratio "${seconds_of[veltrano-join join (convert)]}" "${seconds_of[ffmpeg concat+scale+libx264]}")   (target <= 1.05)"
}

bench_probe() {
    local dir
    dir=$(make_clips short 200 2 320x240)
    mapfile -t files < <(clip_list "$dir" 200)
    echo "Probing: 200 files"
    measure "veltrano-join probe" "$cli" probe "${files[@]}"
    measure "ffprobe, one process per file" sh -c 'for f; do ffprobe -v error -show_format -show_streams "$f"; done' sh "${files[@]}"
    echo "  one ffprobe call over all files: not possible (ffprobe reads one input per call)"
    echo "  ffprobe-per-file / ours: $(ratio "${seconds_of[ffprobe, one process per file]}" "${seconds_of[veltrano-join probe]}")x   (target >= 5)"
}

bench_memory() {
    local dir
    dir=$(make_clips short 200 2 320x240)
    echo "Peak memory of a join by the number of inputs (2 s clips, 320x240)"
    for n in 20 200; do
        mapfile -t files < <(clip_list "$dir" "$n")
        measure "copy join of $n clips" "$cli" join --copy --yes --name out --folder "$work" "${files[@]}"
    done
    for n in 20 200; do
        mapfile -t files < <(clip_list "$dir" "$n")
        measure "convert join of $n clips" "$cli" join --profile 1057 --yes --name out --folder "$work" "${files[@]}"
    done
}

prepare
case "${1:-all}" in
    copy) bench_copy ;;
    copy-gb) bench_copy_gb ;;
    convert) bench_convert ;;
    probe) bench_probe ;;
    memory) bench_memory ;;
    all) bench_copy; bench_convert; bench_probe; bench_memory ;;
    *) echo "usage: $0 copy|copy-gb|convert|probe|memory|all" >&2; exit 2 ;;
esac
