#!/usr/bin/env bash
# Makes data/join-finished.wav, the sound played when a join completes: a soft two-note chime
# (A5 then E6, each with two overtones, a 4 ms attack and an exponential decay), 0.9 s, mono
# 16-bit 44.1 kHz. The file is shipped; run this only to change the sound.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

note() {  # frequency, start time: one plucked note as an ffmpeg expression
    local f=$1 t0=$2
    local d="(t-$t0)"
    echo "gte(t,$t0)*(1-exp(-$d/0.004))*exp(-5*$d)*(sin(2*PI*$f*$d)+0.3*sin(4*PI*$f*$d)+0.1*sin(6*PI*$f*$d))"
}

expression="0.26*$(note 880 0)+0.22*$(note 1318.51 0.13)"
ffmpeg -hide_banner -loglevel error -y \
    -f lavfi -i "aevalsrc=exprs='$expression':s=44100:d=0.9" \
    -af "afade=t=out:st=0.75:d=0.15" -ac 1 -c:a pcm_s16le -map_metadata -1 -fflags +bitexact \
    "$root/data/join-finished.wav"
echo "Wrote $root/data/join-finished.wav"
