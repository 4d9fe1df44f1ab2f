# Sourced by the benchmark scripts: an X server of their own on a free display, a work
# folder, both taken away at exit, and the installation folders to measure in `dirs`
# (the script's arguments, else build/tippwerk). Key repeat is off, so that a key held
# under load is not typed twice.
set -euo pipefail
dirs=("$@")
[ ${#dirs[@]} -gt 0 ] || dirs=(build/tippwerk)
display=":$((500 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=$display
sleep 1
xset r off
