#!/usr/bin/env bash
# Runs a command against a private PulseAudio server whose only sink is a null sink, as a
# machine with a sound card would offer one. A recorder on the sink's monitor keeps the sink
# at a small latency, as a real card's driver does; an idle null sink otherwise starts at
# two seconds.
#
#   with-sound-server.sh COMMAND [ARGS...]
#
# VELTRANO_SINK_LATENCY_MS (default 20) sets the recorder's latency, and so the sink's: a
# benchmark raises it to play as on a card with a deeper buffer.
set -euo pipefail
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" PULSE_RUNTIME_PATH="$runtime/pulse"
cleanup() {
    [[ -n "${recorder:-}" ]] && kill "$recorder" 2>/dev/null || true
    pulseaudio --kill 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
pulseaudio -n --daemonize=yes --exit-idle-time=-1 --use-pid-file=yes \
    --load="module-null-sink sink_name=veltrano_null" \
    --load="module-native-protocol-unix" 2>/dev/null
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl set-default-sink veltrano_null
parec --latency-msec="${VELTRANO_SINK_LATENCY_MS:-20}" -d veltrano_null.monitor >/dev/null &
recorder=$!
# The sink rendered up to two seconds of silence ahead before the recorder came; a stream
# that starts before that has run out waits for it, which a card's driver never does.
for _ in $(seq 100); do
    latency=$(pactl list sinks | sed -n 's/^[[:space:]]*Latency: \([0-9]*\) usec.*/\1/p' | head -1)
    [[ -n "$latency" && "$latency" -lt 100000 ]] && break
    sleep 0.05
done
VELTRANO_SOUND_SERVER=1 "$@"
