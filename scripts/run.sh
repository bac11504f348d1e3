#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Until the windows exist the program's
# front end is the command line `veltrano-join`; arguments are passed to it (default: --help).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
BUILD_DIR="$root/build" "$root/scripts/build.sh" -DVELTRANO_BUILD_TESTS=OFF
if (($# == 0)); then
    set -- --help
fi
exec "$root/build/cli/veltrano-join" "$@"
