#!/usr/bin/env bash
# CPU cost of the real program under Xvfb: idle during a lesson (CPU per second and
# wake-ups per second of the program, CPU of the X server) and per keystroke (about 300
# keystrokes sent 60 ms apart, net of an idle stretch of the same length), with the
# default panes of a new user, or with PANES=all the on-screen keyboard and hands too.
# Usage: bench/app/measure_session.sh [INSTALL_DIR]...
# Several installation folders are measured in turn, alternating, RUNS times each.
runs=${RUNS:-3}
panes=${PANES:-default}
source "$(dirname "$0")/../xvfb_session.sh"
# CPU time of all threads of a process in nanoseconds (not %d: mawk stops it at 2^31, 2.1 s).
cpu_ticks() { cat /proc/"$1"/task/*/schedstat | awk '{s += $1} END {printf "%.0f", s}'; }
# Context switches of all threads: each is a wake-up or a preemption.
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {s += $2} END {print s}'; }

# Starts the program in a fresh home, makes a new user through the windows and starts
# lesson 1; prints the program's pid.
start_lesson() {
  local install=$1 home=$work/home-$RANDOM
  mkdir -p "$home"
  cp -r "$install"/. "$home/inst"
  rm -rf "$home/inst/users/"*
  HOME=$home TIPPWERK_HOME=$home/inst "$home/inst/tippwerk" >/dev/null 2>&1 &
  local pid=$!
  sleep 8
  xdotool type --delay 40 "Messung"; xdotool key Tab; xdotool type --delay 40 "geheim1"; xdotool key Return
  sleep 1.5; xdotool key Return; sleep 1; xdotool type --delay 40 "geheim1"; xdotool key Return
  sleep 2.5; xdotool key Return; sleep 2.5; xdotool key Return; sleep 2; xdotool key Return; sleep 2.5
  if [ "$panes" = all ]; then
    # "Einstellungen", page "Editor", "Hilfstastatur anzeigen" and "Hilfshände anzeigen":
    # where the dialog lies over a new user's main window on this screen.
    xdotool key alt+e; sleep 1.5
    xdotool mousemove 238 45 click 1; sleep 0.5
    xdotool mousemove 137 169 click 1; sleep 0.3; xdotool mousemove 137 197 click 1; sleep 0.3
    xdotool key Return; sleep 1.5
  fi
  xdotool key alt+x; sleep 0.8; xdotool key Return; sleep 2; xdotool key Return; sleep 2; xdotool key Return
  sleep 3
  echo "$pid"
}

measure() {
  # Shorter than the pause after which the exercise stops its clock and says so.
  local install=$1 pid seconds=7
  pid=$(start_lesson "$install")
  # Idle in the running lesson.
  local c0 x0 s0 c1 x1 s1
  c0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xvfb"); s0=$(switches "$pid")
  sleep "$seconds"
  c1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xvfb"); s1=$(switches "$pid")
  local idle_app=$((c1 - c0)) idle_x=$((x1 - x0))
  # 300 keystrokes of the lesson's own letters, 60 ms apart.
  local keys
  keys=$(printf 'fff jjj ddd kkk sss lll aaa ooo %.0s' $(seq 10) | cut -c1-300)
  local t0 t1
  c0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xvfb"); t0=$(date +%s%N)
  xdotool type --delay 60 "$keys"
  t1=$(date +%s%N); c1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xvfb")
  local typed_ms=$(((t1 - t0) / 1000000))
  awk -v ia="$idle_app" -v ix="$idle_x" -v s="$seconds" -v sw="$((s1 - s0))" -v ta="$((c1 - c0))" \
      -v tx="$((x1 - x0))" -v ms="$typed_ms" -v dir="$install" -v panes="$panes" 'BEGIN {
    tick = 1e-6
    idleApp = ia * tick / s; idleX = ix * tick / s
    netApp = (ta * tick - idleApp * ms / 1000) / 300; netX = (tx * tick - idleX * ms / 1000) / 300
    printf "%s (" panes "): idle %.2f ms/s (X %.2f ms/s), %.1f wake-ups/s; per keystroke %.2f ms (X %.2f ms)\n",
           dir, idleApp, idleX, sw / s, netApp, netX }'
  kill "$pid"; wait "$pid" 2>/dev/null || true
}

for run in $(seq "$runs"); do
  for dir in "${dirs[@]}"; do
    measure "$dir"
  done
done
