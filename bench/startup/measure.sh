#!/usr/bin/env bash
# Start-up time (process start to its first visible window) and resident memory of the
# idle main window, measured the same way for Tippwerk and, when installed, TIPP10.
# Usage: bench/startup/measure.sh [INSTALL_DIR] [RUNS]   (needs Xvfb, xdotool)
set -euo pipefail
install_dir=${1:-build/tippwerk}
runs=${2:-5}
display=":$((500 + RANDOM % 300))"
Xvfb "$display" -screen 0 1280x1024x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$home"' EXIT
export DISPLAY=$display
sleep 1

home=$(mktemp -d)
cp -r "$install_dir"/. "$home"/
rm -rf "$home"/users/*

# Milliseconds until the process shows a window; the process is left running.
first_window_ms() {
  local start pid
  start=$(date +%s%N)
  "$@" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do sleep 0.002; done
  echo $(( ($(date +%s%N) - start) / 1000000 )) "$pid"
}

rss_mib() { awk '/VmRSS/ {printf "%.1f", $2 / 1024}' "/proc/$1/status"; }

# A cold start reads everything from disk: drop the page cache first where we may.
drop_caches() { sync; { echo 3 > /proc/sys/vm/drop_caches; } 2>/dev/null && echo yes || echo no; }

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# Tippwerk: the welcome screen is its first window. For memory, log a user in and let
# the idle main window settle.
if [ "$(drop_caches)" = yes ]; then
  read -r ms pid < <(TIPPWERK_HOME="$home" first_window_ms "$home/tippwerk")
  echo "tippwerk cold first window ms: $ms"
  kill "$pid"; wait "$pid" 2>/dev/null || true
fi
times=()
for i in $(seq "$runs"); do
  read -r ms pid < <(TIPPWERK_HOME="$home" first_window_ms "$home/tippwerk")
  times+=("$ms")
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
echo "tippwerk first window ms: ${times[*]} (median $(printf '%s\n' "${times[@]}" | median))"

TIPPWERK_HOME="$home" "$home/tippwerk" >/dev/null 2>&1 &
pid=$!
sleep 4
xdotool type --delay 30 "Messung"; xdotool key Tab; xdotool type --delay 30 "geheim1"; xdotool key Return
sleep 1; xdotool key Return; sleep 1; xdotool type --delay 30 "geheim1"; xdotool key Return
sleep 2; xdotool key Escape; sleep 1.5; xdotool key Escape; sleep 3
echo "tippwerk idle main window RSS MiB: $(rss_mib "$pid")"
kill "$pid"; wait "$pid" 2>/dev/null || true

if command -v tipp10 >/dev/null; then
  if [ "$(drop_caches)" = yes ]; then
    read -r ms pid < <(first_window_ms tipp10)
    echo "tipp10 cold first window ms: $ms"
    kill "$pid"; wait "$pid" 2>/dev/null || true
  fi
  times=()
  for i in $(seq "$runs"); do
    read -r ms pid < <(first_window_ms tipp10)
    times+=("$ms")
    [ "$i" -lt "$runs" ] && { kill "$pid"; wait "$pid" 2>/dev/null || true; }
  done
  echo "tipp10 first window ms: ${times[*]} (median $(printf '%s\n' "${times[@]}" | median))"
  sleep 3
  echo "tipp10 idle window RSS MiB: $(rss_mib "$pid")"
  kill "$pid"; wait "$pid" 2>/dev/null || true
fi
