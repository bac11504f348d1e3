#!/usr/bin/env bash
# Renders the application icon (dist/icons/veltrano-video-joiner.svg) into the hicolor PNG sizes
# and the window icon resources/veltrano.png. Run after changing the SVG and commit the results:
# the build itself then needs no SVG renderer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
svg=$root/dist/icons/veltrano-video-joiner.svg
id=example.veltrano.VideoJoiner
for size in 16 32 48 64 128 256; do
    dir=$root/dist/icons/hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$dir/$id.png"
done
rsvg-convert -w 64 -h 64 "$svg" -o "$root/resources/veltrano.png"
