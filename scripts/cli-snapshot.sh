#!/usr/bin/env bash
# Prints what veltrano-join says for `profiles`, `params` and `probe` over the README's examples
# and a few more settings, so two builds can be compared byte for byte:
#   scripts/cli-snapshot.sh OLD_BINARY > old.txt; scripts/cli-snapshot.sh NEW_BINARY > new.txt
#   diff old.txt new.txt
# The clips are made once with the ffmpeg tool (cached in $CLIPS, default /tmp/veltrano-snapshot).
set -uo pipefail
bin=$(realpath "${1:?usage: cli-snapshot.sh VELTRANO_JOIN_BINARY}")
clips=${CLIPS:-/tmp/veltrano-snapshot}
mkdir -p "$clips"
make_clip() {  # name, ffmpeg output arguments
    local name=$1; shift
    [[ -s "$clips/$name" ]] || ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25 \
        -f lavfi -i sine=frequency=440:sample_rate=44100 -t 2 -shortest "$@" "$clips/$name"
}
make_clip a.avi -c:v mpeg4 -c:a mp3
make_clip b.avi -c:v mpeg4 -c:a mp3
make_clip c.mp4 -c:v libx264 -pix_fmt yuv420p -c:a aac
make_clip d.mkv -c:v mpeg4 -c:a aac -s 640x480
# the modification time is one of the columns: pin it
touch -d '2026-01-02 03:04:05' "$clips"/*.*

run() {
    echo "== $*"
    TZ=UTC "$bin" "$@" 2>&1
    echo "-- exit $?"
}
cd "$clips"
run profiles
run probe a.avi b.avi c.mp4 d.mkv
run probe --json a.avi c.mp4 d.mkv
run probe missing.avi a.avi
run params --profile ID_DVDPALVIDEO --aspect 16:9 a.avi b.avi
run params --copy a.avi b.avi
run params --copy a.avi c.mp4
run params --profile "YOUTUBE - H264 HD Video" c.mp4 d.mkv
run params --profile 1057 --size 3 --video-quality low --audio-quality high a.avi d.mkv
run params --profile ID_MPH --size 400x300 --video-bitrate=1200k --frame-rate 30 a.avi c.mp4
run params --profile ID_MPH --audio-bitrate 96k --sample-rate 22050 --channels 1 a.avi c.mp4
run params --remove-audio a.avi c.mp4
run params --profile nosuch a.avi c.mp4
for id in $(TZ=UTC "$bin" profiles | cut -f1); do
    run params --profile "$id" --video-quality normal a.avi d.mkv
done
