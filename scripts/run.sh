#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window program veltrano-video-joiner.
# Arguments are passed on: files to add to the list at start, --print-list, --help.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_DIR="$root/build" "$root/scripts/build.sh" -DVELTRANO_BUILD_TESTS=OFF
exec "$root/build/ui/program/veltrano-video-joiner" "$@"
