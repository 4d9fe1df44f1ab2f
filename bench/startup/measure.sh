#!/usr/bin/env bash
# Start-up time (process start to its first mapped window) and memory (RSS and PSS) of the
# idle main window after a new user's login, for one or more installation folders,
# alternating between them in one run. Usage:
#   bench/startup/measure.sh [INSTALL_DIR...]     (RUNS=n, default 5; needs Xvfb, xdotool, xev)
# A cold start (page cache dropped) is measured first where the system allows it.
runs=${RUNS:-5}
source "$(dirname "$0")/../xvfb_session.sh"

# Milliseconds from the start of `home`'s program to its first mapped window. One xev
# process watches the root window, so nothing is started again and again while waiting.
first_window_ms() {
  local home=$1 start ms pid
  local events=$work/events
  rm -f "$events"; mkfifo "$events"
  xev -root -event substructure >"$events" &
  local xev=$!
  exec 3<"$events"
  sleep 0.3
  start=$(date +%s%N)
  TIPPWERK_HOME=$home HOME=$home "$home/tippwerk" >/dev/null 2>&1 &
  pid=$!
  while read -r line <&3; do
    case $line in MapNotify*) break ;; esac
  done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  kill "$xev"; exec 3<&-
  echo "$ms $pid"
}

memory_mib() { awk '/^Rss:/ {r = $2} /^Pss:/ {p = $2} END {printf "%.1f / %.1f", r / 1024, p / 1024}' "/proc/$1/smaps_rollup"; }
drop_caches() { sync; { echo 3 > /proc/sys/vm/drop_caches; } 2>/dev/null && echo yes || echo no; }
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

homes=()
for dir in "${dirs[@]}"; do
  home=$work/home-${#homes[@]}
  mkdir -p "$home"; cp -r "$dir"/. "$home"/; rm -rf "$home"/users/*
  homes+=("$home")
done

for i in "${!dirs[@]}"; do
  if [ "$(drop_caches)" = yes ]; then
    read -r ms pid < <(first_window_ms "${homes[$i]}")
    echo "${dirs[$i]}: cold first window ms: $ms"
    kill "$pid"; wait "$pid" 2>/dev/null || true
  fi
done
declare -A times
for run in $(seq "$runs"); do
  for i in "${!dirs[@]}"; do
    read -r ms pid < <(first_window_ms "${homes[$i]}")
    times[$i]="${times[$i]:-} $ms"
    kill "$pid"; wait "$pid" 2>/dev/null || true
  done
done
for i in "${!dirs[@]}"; do
  echo "${dirs[$i]}: warm first window ms:${times[$i]} (median $(printf '%s\n' ${times[$i]} | median))"
done

for i in "${!dirs[@]}"; do
  home=${homes[$i]}
  TIPPWERK_HOME=$home HOME=$home "$home/tippwerk" >/dev/null 2>&1 &
  pid=$!
  sleep 6
  xdotool type --delay 30 "Messung$i"; xdotool key Tab; xdotool type --delay 30 "geheim1"; xdotool key Return
  sleep 1.5; xdotool key Return; sleep 1; xdotool type --delay 30 "geheim1"; xdotool key Return
  sleep 2.5; xdotool key Return; sleep 2.5; xdotool key Escape; sleep 5
  echo "${dirs[$i]}: idle main window RSS / PSS MiB: $(memory_mib "$pid")"
  kill "$pid"; wait "$pid" 2>/dev/null || true
done
