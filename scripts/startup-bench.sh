#!/usr/bin/env bash
# Start-up benchmark: under one Xvfb server, launches the editor and the bare Qt window program
# (bench/bare_window) alternately N times each, and prints for each the median time from launch
# until its window is mapped and the median peak resident memory, with the ratios to the bare window.
# In the same rotation it launches bench/plain_window, the editor's controls as plain Qt widgets with
# nothing bound, which tells what Qt itself costs for such a window from what the editor adds.
#
#   scripts/startup-bench.sh [BUILD_DIR]      (default build-bench; N=15 by default, e.g. N=5 ...)
#
# bench/map_timer starts each program and takes the time, to the microsecond, at which the X server
# maps its window (it watches the root window for the map, so nothing is polled), then closes it after
# a short settle and reads its peak resident memory (ru_maxrss, as /usr/bin/time's %M). A launch that
# dies before its window appears (Xvfb now and then refuses a connection) is tried again.
set -euo pipefail

build=${1:-build-bench}
runs=${N:-15}
settle_ms=${SETTLE_MS:-500}
editor="$build/vertiloom"
bare="$build/bench/bare_window"
plain="$build/bench/plain_window"
editor_title="Tessarine Vertiloom"
bare_title="Vertiloom bare window"
plain_title="Vertiloom plain widgets"

for program in "$editor" "$bare" "$plain"; do
  if [ ! -x "$program" ]; then
    echo "startup-bench: $program is not built (make bench builds it)" >&2
    exit 1
  fi
done
timer="$build/bench/map_timer"
if [ ! -x "$timer" ]; then
  echo "startup-bench: $timer is not built (make bench builds it)" >&2
  exit 1
fi
for tool in xvfb-run; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "startup-bench: $tool is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
  fi
done

# One X server for the whole run.
if [ -z "${VERTILOOM_STARTUP_BENCH_XVFB:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env VERTILOOM_STARTUP_BENCH_XVFB=1 bash "$0" "$@"
fi
unset QT_QPA_PLATFORM

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure PROGRAM TITLE: prints "MILLISECONDS KIB" for one launch that reached its window.
measure() {
  local program=$1 title=$2 attempt
  for attempt in 1 2 3 4 5; do
    if "$timer" --settle "$settle_ms" "$title" "$program" 2>"$work/out"; then
      return 0
    fi
    echo "startup-bench: $(basename "$program") died before its window appeared (attempt $attempt):" \
      "$(tail -n 2 "$work/out" | tr '\n' ' ')" >&2
    sleep 0.2
  done
  echo "startup-bench: $(basename "$program") never showed its window" >&2
  exit 1
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# One launch of each first, not counted: the fonts and libraries come into the page cache.
measure "$editor" "$editor_title" >/dev/null
measure "$bare" "$bare_title" >/dev/null
measure "$plain" "$plain_title" >/dev/null

: >"$work/editor"
: >"$work/bare"
: >"$work/plain"
for ((i = 1; i <= runs; i++)); do
  measure "$editor" "$editor_title" >>"$work/editor"
  measure "$bare" "$bare_title" >>"$work/bare"
  measure "$plain" "$plain_title" >>"$work/plain"
done

column_median() { cut -d' ' -f"$2" "$work/$1" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
verdict() { awk -v r="$1" -v g="$2" 'BEGIN { print (r <= g ? "met" : "MISSED") }'; }

editor_ms=$(column_median editor 1)
editor_kib=$(column_median editor 2)
bare_ms=$(column_median bare 1)
bare_kib=$(column_median bare 2)
plain_ms=$(column_median plain 1)
plain_kib=$(column_median plain 2)
time_ratio=$(ratio "$editor_ms" "$bare_ms")
memory_ratio=$(ratio "$editor_kib" "$bare_kib")

echo "Start-up under Xvfb, $runs launches of each, in turn (medians):"
printf '  %-14s %8.2f ms to its mapped window, peak RSS %7s KiB\n' "editor" "$editor_ms" "$editor_kib"
printf '  %-14s %8.2f ms to its mapped window, peak RSS %7s KiB\n' "bare window" "$bare_ms" "$bare_kib"
printf '  %-14s %8.2f ms to its mapped window, peak RSS %7s KiB\n' "plain widgets" "$plain_ms" "$plain_kib"
for name in editor bare plain; do
  echo "  all $name launches (ms KiB): $(tr '\n' ',' <"$work/$name" | sed 's/,$//')"
done
echo "Plain widgets (Qt alone): $(ratio "$plain_ms" "$bare_ms")x the bare window's start-up," \
  "$(ratio "$plain_kib" "$bare_kib")x its memory"
echo "Editor against plain widgets (what the editor adds): $(ratio "$editor_ms" "$plain_ms")x start-up," \
  "$(ratio "$editor_kib" "$plain_kib")x memory"
echo "Start-up: ${time_ratio}x the bare window (goal <= 1.3x): $(verdict "$time_ratio" 1.3)"
echo "Memory:   ${memory_ratio}x the bare window (goal <= 1.3x): $(verdict "$memory_ratio" 1.3)"
