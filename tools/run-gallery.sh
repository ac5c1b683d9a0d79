#!/usr/bin/env bash
# Builds and starts the gallery. Without a display it runs under xvfb-run, saves a screenshot
# of the window and prints the PNG file's path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/tools/deps.sh"
"$root/tools/build.sh"
cd "$root/build/gallery"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec ./Vitrina "$@"
fi
echo "No display: taking a screenshot under xvfb-run."
exec xvfb-run -a -s "-screen 0 1280x1024x24" ./vitrina-shot "$root/build/vitrina.png"
