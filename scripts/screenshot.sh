#!/usr/bin/env bash
# Takes a screenshot of the editor's window under a virtual X server: starts the given binary,
# waits until its window is there, grabs the whole screen into the given PNG and ends the editor.
# Builds nothing. Usage: scripts/screenshot.sh path/to/vertiloom out.png
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 BINARY OUT.png" >&2
  exit 2
fi
binary=$(realpath "$1")
out=$(realpath -m "$2")
[ -x "$binary" ] || { echo "screenshot: $binary is not an executable" >&2; exit 2; }

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  set -u
  binary=$1
  out=$2
  "$binary" &
  pid=$!
  found=
  # Up to 10 s, looking every 50 ms.
  for _ in $(seq 200); do
    if xdotool search --name "Tessarine Vertiloom" >/dev/null 2>&1; then
      found=1
      break
    fi
    if ! kill -0 "$pid" 2>/dev/null; then
      break
    fi
    sleep 0.05
  done
  status=0
  if [ -n "$found" ]; then
    # Give the first paint a moment after the window is mapped.
    sleep 0.5
    import -window root "$out" || status=1
  else
    echo "screenshot: no window appeared within 10 s" >&2
    status=1
  fi
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  exit $status
' screenshot "$binary" "$out"
echo "screenshot: $out"
