#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb).
#
#   with-xvfb.sh [-s "XVFB ARGS"] COMMAND [ARGS...]
#
# The server picks a free display number itself (-displayfd) and holds it from that moment.
# `xvfb-run -a` instead picks a number by looking at lock files and starts the server after,
# so two tests started at once can both pick :99; one of them then talks to the other's
# server, or to none once that one has exited.
set -euo pipefail
server_args=(-screen 0 1280x800x24)
if [[ "${1:-}" == -s ]]; then
    read -r -a server_args <<<"$2"
    shift 2
fi
[[ $# -gt 0 ]] || { echo "usage: with-xvfb.sh [-s \"XVFB ARGS\"] COMMAND [ARGS...]" >&2; exit 2; }

workdir=$(mktemp -d)
cleanup() {
    [[ -n "${server:-}" ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null || true
    rm -rf "$workdir"
}
trap cleanup EXIT

Xvfb -displayfd 3 -nolisten tcp "${server_args[@]}" 3>"$workdir/display" 2>"$workdir/log" &
server=$!
# The server writes the number once it accepts connections; wait for that or for its exit.
until [[ -s "$workdir/display" ]] && [[ "$(tail -c1 "$workdir/display" | od -An -c)" == *'\n'* ]]; do
    if ! kill -0 "$server" 2>/dev/null; then
        echo "with-xvfb.sh: Xvfb did not start:" >&2
        cat "$workdir/log" >&2
        exit 1
    fi
    sleep 0.05
done
export DISPLAY=":$(tr -d '[:space:]' <"$workdir/display")"
unset XAUTHORITY
status=0
"$@" || status=$?
exit "$status"
