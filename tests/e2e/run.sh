#!/usr/bin/env bash
# End-to-end run of the editor in a real X server (Xvfb, 1920x1080x24, no window manager).
#
# Starts the built editor, waits for its window, and checks on screenshots:
#   1. the window appears;
#   2. the preview shows the default letter (polygon 1 in yellow, black around it);
#   3. START! and then "LEFT" move the outline one pixel to the left;
#   4. "Open file" first asks whether to discard the changed letter; Discard, the path of
#      sample.smc typed into the real open dialog, and Return bring the sample's first letter, a
#      "P", onto the preview and its file and catalogue label into the title;
#   5. typing into x1, placing point 1 on the preview and LEFT, then Ctrl+Z three times, leave the
#      preview, the point fields, the memo and the title as they were before;
#   6. F7 shows the font window of the sample image (its picture kept), F6 the drawing board: a drag
#      of point 1 shows in the main window and Ctrl+Z takes it back; a click on empty space clears
#      the selection and moves nothing; two points and a polygon copied in the board from one
#      letter, pasted into another and exported into an image are listed there; the pen draws a "Я";
#   7. closing the window with a changed letter asks first: Cancel keeps the window, Discard ends
#      the program with status 0;
#   8. through the accessibility tree (AT-SPI, in a D-Bus session of its own), as a screen reader
#      would: the field named "x of point 1" set, the button named "START!" pressed, and the memo
#      read: its record holds the new coordinate;
#   9. (vertiloom-cli, no X needed) import --all killed with SIGKILL at random moments, and at
#      once when its journal appears, leaves the image all old or all new once the next run has
#      opened it (which puts back what the journal holds), and no temporary file after the next
#      write into the folder; two imports into one image at once both land, and the backup holds
#      the image as it was before the second.
#
# Usage: tests/e2e/run.sh [BUILD_DIR]   (default: the build folder beside tests/)
# BUILD_DIR must hold vertiloom and sample.smc (make demo). Screenshots and logs go to
# $E2E_ARTIFACTS (default BUILD_DIR/e2e-artifacts) and are kept whatever the outcome.
# Exits 0 when every check passes, 1 when one fails, 2 when something it needs is missing.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build_arg=${1:-$here/../../build}

die() {
  echo "e2e: $*" >&2
  exit 2
}

[ -d "$build_arg" ] || die "build folder $build_arg does not exist (run make demo first)"
build=$(cd "$build_arg" && pwd)
editor=$build/vertiloom
cli=$build/vertiloom-cli
sample=$build/sample.smc
[ -x "$editor" ] || die "$editor is missing or not executable (run make demo first)"
[ -x "$cli" ] || die "$cli is missing or not executable (run make demo first)"
[ -f "$sample" ] || die "$sample is missing (run make demo to write it)"
for tool in Xvfb xdotool xwininfo xprop import convert compare python3 dbus-run-session; do
  command -v "$tool" >/dev/null 2>&1 || die "$tool is not installed (scripts/install-deps.sh installs it)"
done

artifacts=${E2E_ARTIFACTS:-$build/e2e-artifacts}
mkdir -p "$artifacts" || die "cannot create $artifacts"
artifacts=$(cd "$artifacts" && pwd)
rm -f "$artifacts"/[0-9]-*.png "$artifacts"/xvfb.log "$artifacts"/vertiloom-*.log "$artifacts"/accessibility.log

work=$(mktemp -d "${TMPDIR:-/tmp}/vertiloom-e2e.XXXXXX") || die "cannot create a temporary folder"
chmod 700 "$work"

# alive PID: the process runs (a child that has ended stays a zombie until it is waited for).
alive() {
  local state=
  read -r _ _ state _ 2>/dev/null <"/proc/$1/stat" || return 1
  [ "$state" != Z ]
}

xvfb_pid=
app_pid=

# shellcheck disable=SC2317 # run by the EXIT trap
cleanup() {
  if [ -n "$app_pid" ] && alive "$app_pid"; then
    kill -TERM "$app_pid" 2>/dev/null
    for _ in $(seq 50); do alive "$app_pid" || break; sleep 0.1; done
    kill -KILL "$app_pid" 2>/dev/null
  fi
  if [ -n "$xvfb_pid" ]; then
    kill -TERM "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

passed=0
failed=0
pass() {
  passed=$((passed + 1))
  echo "e2e: ok   $1"
}
fail() {
  failed=$((failed + 1))
  echo "e2e: FAIL $1: $2"
}
finish() {
  echo "e2e: screenshots and logs in $artifacts"
  echo "e2e: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit $?
}

# --- The X server -----------------------------------------------------------------------------
# Xvfb picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$work/display" >"$artifacts/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 500); do
  display=$(tr -dc '0-9' <"$work/display" 2>/dev/null)
  [ -n "$display" ] && break
  alive "$xvfb_pid" || break
  sleep 0.02
done
[ -n "$display" ] || die "Xvfb did not start (see $artifacts/xvfb.log)"
export DISPLAY=:$display
# The editor talks to this X server whatever the caller's environment says (CI sets offscreen).
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
# Keep the dialog's remembered folders and Qt's runtime files out of the user's home.
export XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config
mkdir -m 700 "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME"

# --- Pixels -----------------------------------------------------------------------------------
# The preview's top-left pixel on the screen; set once the window is found.
preview_x=0
preview_y=0
shot=

declare -A colour=([yellow]="255,255,0" [black]="0,0,0" [white]="255,255,255")

# screenshot NAME: grabs the whole screen into $artifacts/NAME.png and the preview into
# $artifacts/NAME-preview.png; sets shot.
screenshot() {
  shot=$artifacts/$1.png
  import -window root "$shot" 2>>"$artifacts/xvfb.log" || return 1
  convert "$shot" -crop "255x255+$preview_x+$preview_y" +repage "$artifacts/$1-preview.png" 2>/dev/null
  return 0
}

# probe_preview X,Y...: prints "R,G,B" for each preview pixel of the last screenshot, one a line.
probe_preview() {
  local format='' p x y
  for p in "$@"; do
    x=$((preview_x + ${p%,*}))
    y=$((preview_y + ${p#*,}))
    format+="%[fx:int(255*p{$x,$y}.r+0.5)],%[fx:int(255*p{$x,$y}.g+0.5)],%[fx:int(255*p{$x,$y}.b+0.5)]\n"
  done
  convert "$shot" -format "$format" info: 2>/dev/null
}

# until_shown CHECK ARGS...: runs the CHECK (a function that takes a screenshot and sets
# "mismatch" to what is wrong with it, or leaves it empty) until it passes, for up to 5 s (the
# editor paints on its own schedule). Returns 1 with "mismatch" set when it never does.
mismatch=
until_shown() {
  local deadline=$((SECONDS + 5))
  while :; do
    mismatch=
    "$@"
    [ -z "$mismatch" ] && return 0
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.1
  done
}

# preview_holds NAME CHECK...: one screenshot; every CHECK must hold on the preview. A CHECK is
# COLOUR@X,Y or !COLOUR@X,Y in preview pixels.
preview_holds() {
  local name=$1
  shift
  local -a where=()
  local check seen i want negate expected got
  for check in "$@"; do where+=("${check#*@}"); done
  if ! screenshot "$name"; then
    mismatch="the screenshot could not be taken"
    return
  fi
  mapfile -t seen < <(probe_preview "${where[@]}")
  for i in "${!where[@]}"; do
    check=${*:i+1:1}
    want=${check%@*}
    negate=
    if [ "${want:0:1}" = "!" ]; then
      negate=1
      want=${want:1}
    fi
    expected=${colour[$want]}
    got=${seen[i]:-unreadable}
    if { [ -z "$negate" ] && [ "$got" != "$expected" ]; } || { [ -n "$negate" ] && [ "$got" = "$expected" ]; }; then
      mismatch+="${mismatch:+; }preview pixel (${where[i]}) is $got, expected ${negate:+not }$want ($expected)"
    fi
  done
}

# expect_preview NAME CHECK...: screenshots until every CHECK holds (see until_shown).
expect_preview() { until_shown preview_holds "$@"; }

# The regions of the client area the undo check compares (WxH+X+Y): the preview, the point rows
# with the two counts, and the memo with the byte count below it.
declare -A region=([preview]="255x255+176+20" [points]="170x536+0+16" [memo]="257x165+176+448")

# crop_regions NAME: cuts each region out of the last screenshot into $artifacts/NAME-REGION.png.
crop_regions() {
  local r g at
  for r in "${!region[@]}"; do
    g=${region[$r]}
    at=${g#*+}
    convert "$shot" -crop "${g%%+*}+$((client_x + ${at%+*}))+$((client_y + ${at#*+}))" +repage \
      "$artifacts/$1-$r.png" 2>/dev/null
  done
}

# regions_same NAME BEFORE: one screenshot; every region must be exactly as in the screenshot
# BEFORE (cut with crop_regions).
regions_same() {
  local r ae
  if ! screenshot "$1"; then
    mismatch="the screenshot could not be taken"
    return
  fi
  crop_regions "$1"
  for r in "${!region[@]}"; do
    ae=$(compare -metric AE "$artifacts/$2-$r.png" "$artifacts/$1-$r.png" null: 2>&1)
    [ "${ae%% *}" = 0 ] || mismatch+="${mismatch:+; }the $r differs ($ae pixels, see $artifacts/$1-$r.png)"
  done
}

# expect_same NAME BEFORE: screenshots until every region is as in BEFORE (see until_shown).
expect_same() { until_shown regions_same "$@"; }

# screen_pixel X Y: "R,G,B" of the screen pixel (X, Y) in the last screenshot.
screen_pixel() {
  convert "$shot" -crop "1x1+$1+$2" +repage -depth 8 txt:- 2>/dev/null |
    sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}

# --- Window handling --------------------------------------------------------------------------
# windows_of PID: the visible top-level windows of the process.
windows_of() {
  xdotool search --all --onlyvisible --pid "$1" 2>/dev/null
}

# click_client X Y: one left click at the point (X, Y) of the main window's client area. The
# pointer then rests outside the window, so that no tooltip opens and no control looks hovered.
click_client() {
  xdotool mousemove $((client_x + $1)) $((client_y + $2)) click 1 mousemove 0 0
}

# title_of WINDOW: the title the editor gave the window. That is WM_NAME: Qt writes it into
# _NET_WM_NAME (which xdotool getwindowname reads) with " — <application name>" appended.
title_of() {
  LC_ALL=C.UTF-8 xprop -id "$1" WM_NAME 2>/dev/null | sed -n 's/^WM_NAME([A-Z_0-9]*) = "\(.*\)"$/\1/p'
}

# wait_for_title TITLE SECONDS: waits until the main window bears TITLE; sets "title" to the last seen.
title=
wait_for_title() {
  local deadline=$((SECONDS + $2))
  while :; do
    title=$(title_of "$main_window")
    [ "$title" = "$1" ] && return 0
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# is_question WINDOW: the window is the question asked before changes go, a message box titled
# with the program's name alone (the main window's title names the file by then, or has a star).
is_question() {
  [ "$1" != "$main_window" ] && [ "$(title_of "$1")" = "Tessarine Vertiloom" ]
}

# answer BOX KEYS...: gives the box the keyboard and presses the keys. In the question Cancel is
# the default and holds the focus, and Qt gives neither button a mnemonic: Return answers Cancel,
# Tab (to Discard) then space answers Discard.
answer() {
  local box=$1
  shift
  xdotool windowfocus --sync "$box" 2>/dev/null
  # Qt maps the box before it settles its focus on the default button.
  sleep 0.2
  xdotool key --delay 50 "$@"
}

# close_main: asks the main window to close the way a window manager would (a bare X server has
# none, so the script sends WM_DELETE_WINDOW itself).
close_main() {
  python3 "$here/close-window.py" "$main_window"
}

# wait_for_other_window SECONDS: waits for a visible window of the editor other than the main one
# and sets "other" to it.
other=
wait_for_other_window() {
  local deadline=$((SECONDS + $1)) w
  while [ "$SECONDS" -lt "$deadline" ]; do
    for w in $(windows_of "$app_pid"); do
      if [ "$w" != "$main_window" ]; then
        other=$w
        return 0
      fi
    done
    sleep 0.02
  done
  return 1
}

# window_gone ID SECONDS: waits until the window is no longer visible.
window_gone() {
  local deadline=$((SECONDS + $2))
  while [ "$SECONDS" -lt "$deadline" ]; do
    windows_of "$app_pid" | grep -qx "$1" || return 0
    sleep 0.02
  done
  return 1
}

# window_at ID: sets wx, wy, ww and wh to the window's place and size on the screen.
wx= wy= ww= wh=
window_at() {
  local g
  g=$(xwininfo -id "$1" 2>/dev/null)
  wx=$(sed -n 's/^ *Absolute upper-left X: *\(-\{0,1\}[0-9]*\)$/\1/p' <<<"$g")
  wy=$(sed -n 's/^ *Absolute upper-left Y: *\(-\{0,1\}[0-9]*\)$/\1/p' <<<"$g")
  ww=$(sed -n 's/^ *Width: *\([0-9]*\)$/\1/p' <<<"$g")
  wh=$(sed -n 's/^ *Height: *\([0-9]*\)$/\1/p' <<<"$g")
  [ -n "$wx" ] && [ -n "$wy" ]
}

# crop_window ID NAME: cuts the window out of the last screenshot into $artifacts/NAME.png.
crop_window() {
  window_at "$1" && convert "$shot" -crop "${ww}x${wh}+$wx+$wy" +repage "$artifacts/$2.png" 2>/dev/null
}

# --- 1. Start the editor and wait for its window ----------------------------------------------
main_window=
launch_note=
for attempt in 1 2 3; do
  log=$artifacts/vertiloom-$attempt.log
  "$editor" >"$log" 2>&1 &
  app_pid=$!
  # Look every 15 ms for up to 15 s.
  for _ in $(seq 1000); do
    main_window=$(xdotool search --all --onlyvisible --pid "$app_pid" --name '^Tessarine Vertiloom$' 2>/dev/null | head -n 1)
    [ -n "$main_window" ] && break
    alive "$app_pid" || break
    sleep 0.015
  done
  [ -n "$main_window" ] && break
  if alive "$app_pid"; then
    launch_note="the editor runs but showed no window titled \"Tessarine Vertiloom\" within 15 s (see $log)"
    break
  fi
  wait "$app_pid"
  status=$?
  app_pid=
  echo "e2e: launch $attempt of 3: the editor ended with status $status before its window appeared (see $log)"
  launch_note="the editor ended before its window appeared in each of 3 launches (last status $status, see $log)"
done
if [ -z "$main_window" ]; then
  fail "window appears" "$launch_note"
  echo "e2e: the other checks need the window and did not run"
  finish
fi

# Without a window manager there is no frame: the window's origin is its client area's origin.
geometry=$(xwininfo -id "$main_window")
client_x=$(sed -n 's/^ *Absolute upper-left X: *\(-\{0,1\}[0-9]*\)$/\1/p' <<<"$geometry")
client_y=$(sed -n 's/^ *Absolute upper-left Y: *\(-\{0,1\}[0-9]*\)$/\1/p' <<<"$geometry")
if [ -z "$client_x" ] || [ -z "$client_y" ]; then
  fail "window appears" "cannot read the position of window $main_window from xwininfo"
  finish
fi
# The preview (the letter layer and the overlay above it) stands at (176, 20) of the client area.
preview_x=$((client_x + 176))
preview_y=$((client_y + 20))
pass "window appears (window $main_window, client area at $client_x,$client_y)"

# --- 2. The default letter --------------------------------------------------------------------
# Polygon 1 runs (125,108) (141,124) (141,220) (93,220). Polygon 2 (red) covers column 141 down to
# row 172, point numbers sit below and right of their points and the axes lie on rows and columns
# 64, 128 and 192, so the yellow probes are the right edge at rows 182 and 205 and the bottom edge
# at (117,220); the black ones are beside the right edge and away from everything.
if expect_preview 1-default \
    yellow@141,182 yellow@141,205 yellow@117,220 \
    black@140,205 black@142,205 black@60,240 black@200,240; then
  pass "default letter"
else
  fail "default letter" "$mismatch (see $shot)"
fi

# --- 3. START! then LEFT: the outline moves one pixel left ------------------------------------
# Every point of the default letter is checked, so everything moves, the numbers too: "10" then
# covers (141,182), which is why the black probes beside the new edge are at column 139 and row 205.
click_client $((175 + 36)) $((324 + 12)) # Button1, START!
click_client $((176 + 32)) $((298 + 10)) # Button8, LEFT
if expect_preview 2-left yellow@140,182 yellow@140,205 black@139,182 black@139,205 black@141,205; then
  pass "START! and LEFT move the outline one pixel left"
else
  fail "START! and LEFT move the outline one pixel left" "$mismatch (see $shot)"
fi

# --- 4. "Open file" asks first, then the sample image through the open dialog -----------------
# LEFT changed the letter, so "Open file" first asks whether to discard the change, and Discard
# lets the open dialog come. The sample's first letter is a "P" on a 20-unit grid: stem at column
# 90 from row 70 to 190, top bar on row 70 to column 150, bowl out to column 170 and back to the
# stem at row 130.
dash=$'\xe2\x80\x94'
sample_title="Tessarine Vertiloom $dash sample.smc $dash P (59) 86"
ask_check="\"Open file\" asks before the changed letter goes, and Discard goes on to the open dialog"
dialog=
sample_open=
click_client $((175 + 41)) $((356 + 12)) # Button2, open file
if ! wait_for_other_window 10; then
  screenshot 3-no-question
  fail "$ask_check" "no window appeared within 10 s after \"Open file\" (see $shot)"
elif ! is_question "$other"; then
  dialog=$other
  screenshot 3-no-question
  fail "$ask_check" "the open dialog came without the question (see $shot)"
else
  question=$other
  screenshot 3-question
  answer "$question" Tab space
  if ! window_gone "$question" 3; then
    screenshot 3-question-stays
    fail "$ask_check" "the question stayed after Tab and space (see $shot)"
  elif ! wait_for_other_window 10; then
    screenshot 3-no-dialog
    fail "$ask_check" "no open dialog appeared within 10 s after Discard (see $shot)"
  else
    dialog=$other
    pass "$ask_check"
  fi
fi
if [ -z "$dialog" ]; then
  fail "open the sample image" "there was no open dialog to open it with"
else
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  # Qt maps the dialog before it settles its focus on the file name field.
  sleep 0.2
  xdotool type --delay 10 "$sample"
  screenshot 3-dialog
  xdotool key Return
  if ! window_gone "$dialog" 3; then
    # The completion list may have taken the first Return.
    xdotool key Return
  fi
  if ! window_gone "$dialog" 5; then
    screenshot 3-dialog-stays
    fail "open the sample image" "the open dialog stayed after the path and Return were typed (see $shot)"
  elif ! expect_preview 4-sample \
      yellow@90,100 yellow@90,160 yellow@118,70 yellow@170,104 yellow@110,130 \
      black@89,160 black@91,160 black@110,100 '!yellow@140,205' '!yellow@141,205'; then
    if wait_for_other_window 1; then
      mismatch+="; the editor shows another window (an error message?)"
    fi
    fail "open the sample image" "$mismatch (see $shot)"
  elif ! wait_for_title "$sample_title" 5; then
    fail "open the sample image" "the title is \"$title\", expected \"$sample_title\""
  else
    sample_open=1
    pass "open the sample image: the preview shows its first letter, the title names it"
  fi
fi

# --- 5. Three edits, then Ctrl+Z three times --------------------------------------------------
# Typing into x1 until the focus leaves it is one step, placing the selected point (point 1) with
# a click on the preview another, LEFT a third. Three undos with the focus on LEFT bring back the
# letter as it was opened: preview, point fields and memo pixel for pixel, and no star in the title.
undo_check="three edits and three Ctrl+Z leave the letter as it was opened"
if [ -z "$sample_open" ]; then
  fail "$undo_check" "it needs the sample open"
else
  xdotool windowfocus --sync "$main_window" 2>/dev/null
  screenshot 5-opened
  crop_regions 5-opened
  click_client $((76 + 20)) $((20 + 10)) # x1
  xdotool key --delay 50 End BackSpace BackSpace 3 0 Tab
  click_client $((176 + 40)) $((20 + 40)) # the preview's pixel (40,40)
  click_client $((176 + 32)) $((298 + 10)) # Button8, LEFT
  if ! wait_for_title "$sample_title *" 5; then
    screenshot 5-edited
    fail "$undo_check" "after the edits the title is \"$title\", expected \"$sample_title *\" (see $shot)"
  else
    screenshot 5-edited
    xdotool key --delay 100 ctrl+z ctrl+z ctrl+z
    if ! wait_for_title "$sample_title" 5; then
      screenshot 5-undone
      fail "$undo_check" "after three undos the title is \"$title\", expected \"$sample_title\" (see $shot)"
    elif expect_same 5-undone 5-opened; then
      pass "$undo_check"
    else
      fail "$undo_check" "$mismatch"
    fi
  fi
fi

# --- 6a. The font window ----------------------------------------------------------------------
# F7 opens the font of the sample image: 24 letters and the two words; its picture is kept as
# build/e2e-artifacts/6-font.png. The window is closed again before the board's checks.
font_check="F7 shows the font of the sample image: the 24 letters and the words"
if [ -z "$sample_open" ]; then
  fail "$font_check" "it needs the sample open"
else
  xdotool windowfocus --sync "$main_window" 2>/dev/null
  xdotool key F7
  if ! wait_for_other_window 10; then
    fail "$font_check" "no window appeared within 10 s of F7"
  else
    font_window=$other
    sleep 0.5
    screenshot 6-font-screen
    crop_window "$font_window" 6-font
    # The letters are yellow, red and green outlines on black: a font window shows many of them.
    lit=$(convert "$artifacts/6-font.png" -fill black +opaque yellow -fill white -opaque yellow -format '%[fx:int(mean*w*h)]' info: 2>/dev/null)
    if [ "$(title_of "$font_window")" != "Tessarine Vertiloom $dash шрифт" ]; then
      fail "$font_check" "the window is titled \"$(title_of "$font_window")\""
    elif [ "${lit:-0}" -lt 2000 ]; then
      fail "$font_check" "only ${lit:-0} yellow pixels in the window (see $artifacts/6-font.png)"
    else
      pass "$font_check"
    fi
    python3 "$here/close-window.py" "$font_window"
    window_gone "$font_window" 5 || fail "$font_check" "the font window stayed open after it was asked to close"
  fi
fi

# --- 6. The drawing board: a drag, Ctrl+Z, and a new letter drawn with the pen -----------------
# F6 opens the board at zoom 3: unit (x, y) covers the 3 x 3 screen pixels from the square's corner
# plus 3 (x + 128). Point 1 of the sample's "P" is (-38, 62), the foot of its stem (preview pixel
# (90,190)); dragged 30 screen pixels right and up it lands on (-28, 52): the stem leans, so the
# preview's column 90 is black at row 160 and point 1 sits at (100,180). Ctrl+Z in the board puts
# back the preview, the point fields and the memo. Then, from a cleared letter, the pen draws a
# "Я" over a tracing picture of it, and the board is kept as build/e2e-artifacts/7-board-3x.png.
board_check="F6 opens the board; dragging point 1 moves it in the main window's preview and fields, Ctrl+Z puts it back"
pen_check="the pen draws a \"Я\" of three polygons over a tracing picture, with the mouse alone"
board=
sq_x=
sq_y=
# find_square: the board's square from a screenshot: the canvas's grey margin, then 12 pixels of it.
find_square() {
  local bx by bw bh row col
  window_at "$board" || return 1
  bx=$wx by=$wy bw=$ww bh=$wh
  screenshot 6-board || return 1
  # The first pixel of the margin's grey (48,48,48) along the middle row, then the middle column.
  row=$(convert "$shot" -crop "${bw}x1+$bx+$((by + bh / 2))" +repage txt:- 2>/dev/null |
    sed -n 's/^\([0-9]*\),0: (48,48,48.*/\1/p' | head -n 1)
  [ -n "$row" ] || return 1
  sq_x=$((bx + row + 12))
  col=$(convert "$shot" -crop "1x${bh}+$((sq_x + 10))+$by" +repage txt:- 2>/dev/null |
    sed -n 's/^0,\([0-9]*\): (48,48,48.*/\1/p' | head -n 1)
  [ -n "$col" ] || return 1
  sq_y=$((by + col + 12))
}
# at_unit X Y: the screen position of unit (X, Y)'s centre, as "sx sy".
at_unit() { echo "$((sq_x + 3 * ($1 + 128) + 1)) $((sq_y + 3 * ($2 + 128) + 1))"; }
# pen_polygon X1 Y1 X2 Y2 ...: one click per corner, then one on the first corner again.
pen_polygon() {
  local -a corners=("$@")
  local i
  for ((i = 0; i < ${#corners[@]}; i += 2)); do
    read -r px py < <(at_unit "${corners[i]}" "${corners[i + 1]}")
    xdotool mousemove "$px" "$py" click 1
    sleep 0.15
  done
  read -r px py < <(at_unit "${corners[0]}" "${corners[1]}")
  xdotool mousemove "$px" "$py" click 1
  sleep 0.2
}
if [ -z "$sample_open" ]; then
  fail "$board_check" "it needs the sample open"
  fail "$pen_check" "it needs the sample open"
else
  xdotool windowfocus --sync "$main_window" 2>/dev/null
  screenshot 6-before
  crop_regions 6-before
  xdotool key F6
  if ! wait_for_other_window 10; then
    fail "$board_check" "no board appeared within 10 s of F6"
  else
    board=$other
    sleep 0.5
    if ! find_square; then
      fail "$board_check" "the board's square was not found (see $shot)"
      board_found=
    else
      board_found=1
      read -r fx fy < <(at_unit -38 62)
      xdotool mousemove "$fx" "$fy" mousedown 1 mousemove $((fx + 10)) $((fy - 10)) sleep 0.1 \
        mousemove $((fx + 20)) $((fy - 20)) sleep 0.1 mousemove $((fx + 30)) $((fy - 30)) sleep 0.1 mouseup 1
      if ! expect_preview 6-dragged yellow@100,180 black@90,160 black@90,185 yellow@118,70; then
        fail "$board_check" "after the drag: $mismatch (see $shot)"
      elif regions_same 6-dragged-fields 6-before && [ -z "$mismatch" ]; then
        fail "$board_check" "the drag left the point fields and the memo as they were"
      else
        xdotool windowfocus --sync "$board" 2>/dev/null
        xdotool key ctrl+z
        if expect_same 6-undone 6-before; then
          pass "$board_check"
        else
          fail "$board_check" "after Ctrl+Z in the board: $mismatch"
        fi
      fi
    fi
    if [ -n "$board_found" ]; then
      # A click on point 1's handle selects it (the handle filled orange); a click on empty space
      # clears the selection and moves nothing: the preview, the fields and the memo stay.
      empty_check="in the board, a click on empty space clears the selection and leaves the point where it was"
      read -r fx fy < <(at_unit -38 62)
      xdotool windowfocus --sync "$board" 2>/dev/null
      xdotool mousemove "$fx" "$fy" click 1
      sleep 0.3
      screenshot 6-selected
      selected=$(screen_pixel $((fx + 1)) $((fy + 1)))
      read -r ex ey < <(at_unit 100 -100)
      xdotool mousemove "$ex" "$ey" click 1
      sleep 0.3
      if [ "$selected" != 255,160,0 ]; then
        fail "$empty_check" "a click on point 1's handle did not select it (its handle is $selected, see $shot)"
      elif ! expect_same 6-cleared 6-before; then
        fail "$empty_check" "after the click on empty space: $mismatch"
      elif [ "$(screen_pixel $((fx + 1)) $((fy + 1)))" = 255,160,0 ]; then
        fail "$empty_check" "point 1 is still selected (see $shot)"
      else
        pass "$empty_check"
      fi
      # Copy and paste between letters: "I" (the 9th letter: 2 points, 1 polygon of 2 corners) is
      # loaded with ">" and Reload, Ctrl+A and Ctrl+C in the board copy it; back on "P" (7 points,
      # 1 polygon), Ctrl+V in the board pastes it; "Export letter to Rom" writes the letter into a
      # copy of the sample (typed into the save dialog; the question about the bytes after the old
      # record answered Yes), and vertiloom-cli lists "P" there with 9 points and 2 polygons.
      paste_check="the board copies \"I\" (2 points, a polygon), pastes it into \"P\", and the exported image lists P with 9 points and 2 polygons"
      cp "$sample" "$work/pasted.smc"
      note=
      step_letters() { # step_letters BUTTON_X TIMES: "<" (322) or ">" (418), then Reload
        local i
        for ((i = 0; i < $2; i++)); do click_client "$1" $((324 + 12)); done
        click_client $((248 + 28)) $((324 + 12)) # BitBtn1, Reload
      }
      xdotool windowfocus --sync "$main_window" 2>/dev/null
      step_letters 418 8
      if ! wait_for_title "Tessarine Vertiloom $dash sample.smc $dash I (17) 30" 5; then
        note="after \">\" eight times and Reload the title is \"$title\""
      else
        xdotool windowfocus --sync "$board" 2>/dev/null
        xdotool key --delay 100 ctrl+a ctrl+c
        xdotool windowfocus --sync "$main_window" 2>/dev/null
        step_letters 322 8
        if ! wait_for_title "$sample_title" 5; then
          note="back with \"<\" and Reload the title is \"$title\""
        else
          xdotool windowfocus --sync "$board" 2>/dev/null
          xdotool key ctrl+v
          if ! wait_for_title "$sample_title *" 5; then
            screenshot 6-pasted
            note="Ctrl+V in the board changed nothing (see $shot)"
          else
            click_client $((257 + 60)) $((356 + 12)) # Button7, export letter to Rom
            if ! wait_for_other_window 10 || [ "$other" = "$board" ]; then
              for w in $(windows_of "$app_pid"); do [ "$w" != "$main_window" ] && [ "$w" != "$board" ] && other=$w; done
            fi
            save_dialog=$other
            if [ -z "$save_dialog" ] || [ "$save_dialog" = "$board" ]; then
              note="\"Export letter to Rom\" opened no dialog"
            else
              xdotool windowfocus --sync "$save_dialog" 2>/dev/null
              sleep 0.2
              xdotool key ctrl+a
              xdotool type --delay 10 "$work/pasted.smc"
              xdotool key Return
              window_gone "$save_dialog" 3 || xdotool key Return
              window_gone "$save_dialog" 5
              # The record grows from 42 to 59 bytes: the question whether to overwrite the 17 after it.
              question=
              for _ in $(seq 100); do
                for w in $(windows_of "$app_pid"); do is_question "$w" && question=$w; done
                [ -n "$question" ] && break
                sleep 0.05
              done
              if [ -n "$question" ]; then
                answer "$question" Tab space
                window_gone "$question" 3
              fi
              wait_for_title "$sample_title" 5 || note="after the export the title is \"$title\""
              listed=$("$cli" list "$work/pasted.smc" 2>&1 | awk '$1 == 1 && $2 == "P" { print $(NF - 2), $(NF - 1), $NF }')
              [ "$listed" = "59 9 2" ] ||
                note+="${note:+; }vertiloom-cli list shows P with length, points and polygons \"$listed\", expected \"59 9 2\""
            fi
          fi
        fi
      fi
      if [ -z "$note" ]; then pass "$paste_check"; else fail "$paste_check" "$note"; fi

      # The tracing picture: a "Я" as a font draws it, loaded with B through the open dialog.
      convert -size 400x400 xc:white -fill black -font DejaVu-Sans -pointsize 360 -gravity center \
        -annotate 0 'Я' "$work/ya.png" 2>/dev/null
      click_client $((378 + 25)) $((356 + 12)) # BitBtn2, the clear button
      click_client $((175 + 36)) $((324 + 12)) # Button1, START!
      xdotool windowfocus --sync "$board" 2>/dev/null
      xdotool key b
      if ! wait_for_other_window 10 || [ "$other" = "$board" ]; then
        for w in $(windows_of "$app_pid"); do [ "$w" != "$main_window" ] && [ "$w" != "$board" ] && other=$w; done
      fi
      picture_dialog=$other
      if [ -z "$picture_dialog" ] || [ "$picture_dialog" = "$board" ]; then
        fail "$pen_check" "B opened no dialog"
      else
        xdotool windowfocus --sync "$picture_dialog" 2>/dev/null
        sleep 0.2
        xdotool type --delay 10 "$work/ya.png"
        xdotool key Return
        window_gone "$picture_dialog" 3 || xdotool key Return
        window_gone "$picture_dialog" 5
        xdotool windowfocus --sync "$board" 2>/dev/null
        xdotool key p
        sleep 0.2
        pen_polygon 28 -88 56 -88 56 88 28 88                          # the stem, on the right
        pen_polygon 28 -88 -28 -88 -56 -64 -56 -24 -28 0 28 0        # the bowl, from the stem's top
        pen_polygon -28 0 8 0 -20 88 -60 88                             # the leg, from the bowl's foot
        xdotool mousemove 0 0
        sleep 0.5
        screenshot 7-board
        crop_window "$board" 7-board-3x
        # The preview (half the scale of units to pixels of the board, one to one) shows the three
        # outlines: the stem's right edge at column 184, the bowl's left edge at column 72, the
        # leg's foot on row 216; the middle of the bowl is black.
        if expect_preview 7-ya '!black@184,100' '!black@72,90' '!black@90,216' black@110,90; then
          pass "$pen_check"
        else
          fail "$pen_check" "$mismatch (see $shot and $artifacts/7-board-3x.png)"
        fi
      fi
    fi
    python3 "$here/close-window.py" "$board"
    window_gone "$board" 5 || fail "$board_check" "the board stayed open after it was asked to close"
  fi
fi

# --- 7. Closing a changed letter asks first ---------------------------------------------------
# Cancel (Return) keeps the window; the second close, answered with Discard, ends the program.
click_client $((176 + 32)) $((298 + 10)) # Button8, LEFT
for _ in $(seq 100); do
  [[ $(title_of "$main_window") == *' *' ]] && break
  sleep 0.05
done
cancel_check="closing with a changed letter asks first, and Cancel keeps the window"
note=
if ! close_main; then
  note="the close message could not be sent"
elif ! wait_for_other_window 5 || ! is_question "$other"; then
  screenshot 6-no-question
  note="no question appeared within 5 s of the close message (see $shot)"
  alive "$app_pid" || note+="; the editor has ended"
else
  screenshot 6-question
  answer "$other" Return
  if ! window_gone "$other" 3; then
    screenshot 6-question-stays
    note="the question stayed after Return (see $shot)"
  else
    # Anything that would close the window after Cancel has happened by then.
    sleep 0.5
    if ! alive "$app_pid" || ! windows_of "$app_pid" | grep -qx "$main_window"; then
      screenshot 6-cancelled
      note="after Cancel the window is gone (see $shot)"
    fi
  fi
fi
if [ -z "$note" ]; then pass "$cancel_check"; else fail "$cancel_check" "$note"; fi

exit_check="closing again and answering Discard ends the program with status 0"
note=
if ! alive "$app_pid"; then
  note="the editor had ended already"
elif ! close_main; then
  note="the close message could not be sent"
elif ! wait_for_other_window 5 || ! is_question "$other"; then
  screenshot 6-no-second-question
  note="no question appeared within 5 s of the second close message (see $shot)"
else
  answer "$other" Tab space
  for _ in $(seq 250); do
    alive "$app_pid" || break
    sleep 0.02
  done
  if alive "$app_pid"; then
    screenshot 6-still-open
    note="the editor still runs 5 s after Discard (see $shot)"
  fi
fi
if [ -n "$app_pid" ] && ! alive "$app_pid"; then
  wait "$app_pid"
  status=$?
  app_pid=
  [ "$status" -eq 0 ] || note+="${note:+; }the editor ended with status $status (see $artifacts/vertiloom-$attempt.log)"
fi
if [ -z "$note" ]; then pass "$exit_check"; else fail "$exit_check" "$note"; fi

# --- 8. Through the accessibility tree ---------------------------------------------------------
# A screen reader's way: a second editor, in English with its accessibility bridge on, in a D-Bus
# session of its own; the field named "x of point 1" set through AT-SPI, the button named "START!"
# pressed, and the memo's record read (tests/e2e/accessibility-check.py).
a11y_check="through the accessibility tree: x of point 1 set, START! pressed, the memo's record follows"
# The Python of the system's packages, which pyatspi comes with.
a11y_python=
for candidate in python3 /usr/bin/python3; do
  if "$candidate" -c 'import pyatspi' 2>/dev/null; then a11y_python=$candidate; break; fi
done
if [ -z "$a11y_python" ]; then
  fail "$a11y_check" "no python3 with pyatspi (scripts/install-deps.sh installs python3-pyatspi)"
elif said=$(timeout 120 dbus-run-session -- "$a11y_python" "$here/accessibility-check.py" "$editor" \
    2>"$artifacts/accessibility.log"); then
  # The accessibility bus's daemons write on the same output: the check's own line is the last.
  pass "$a11y_check (${said##*$'\n'})"
else
  said=${said##*$'\n'}
  fail "$a11y_check" "${said:-no answer} (see $artifacts/accessibility.log)"
fi

# --- Writes that hold when a run is killed or two run at once -----------------------------------
writes=$work/writes
mkdir -p "$writes/batch"
# A batch in which every letter differs from the image: x of point 1 one unit on.
"$cli" extract "$sample" --all -o "$writes/batch" >/dev/null || die "extract --all failed"
python3 - "$writes/batch" <<'PY'
import pathlib, sys
for f in pathlib.Path(sys.argv[1]).glob("*.bin"):
    b = bytearray(f.read_bytes()); b[1] = (b[1] + 1) % 256; f.write_bytes(bytes(b))
PY
cp "$sample" "$writes/full.smc"
"$cli" import "$writes/full.smc" "$writes/batch" --all >/dev/null || die "import --all failed"

kill_check="import --all killed at random moments and in its writes: the next run leaves the image all old or all new"
note=
old=0 new=0 torn=0 putback=0
for i in $(seq 40); do
  cp "$sample" "$writes/k.smc"
  "$cli" import "$writes/k.smc" "$writes/batch" --all >/dev/null 2>&1 &
  victim=$!
  if [ $((i % 2)) -eq 0 ]; then
    sleep "0.$(printf '%03d' $((RANDOM % 80)))"
  else
    # As soon as the journal is there: the writes into the image are under way.
    while alive "$victim" && ! compgen -G "$writes/.vertiloom-*.journal" >/dev/null; do :; done
  fi
  kill -KILL "$victim" 2>/dev/null
  wait "$victim" 2>/dev/null
  "$cli" info "$writes/k.smc" >/dev/null 2>"$writes/info.err" || note="info failed after kill $i: $(cat "$writes/info.err")"
  grep -q 'was cut short' "$writes/info.err" && putback=$((putback + 1))
  if cmp -s "$writes/k.smc" "$sample"; then old=$((old + 1))
  elif cmp -s "$writes/k.smc" "$writes/full.smc"; then new=$((new + 1))
  else torn=$((torn + 1)); cp "$writes/k.smc" "$artifacts/torn-$i.smc"; fi
  ls -A "$writes" | grep -q '\.journal$' && note="a journal stayed after the run that opened the image (kill $i)"
done
"$cli" import "$writes/k.smc" "$writes/batch" --all >/dev/null 2>&1
leftovers=$(ls -A "$writes" | grep -c '^\.vertiloom-.*\.tmp$')
[ "$putback" -gt 0 ] || note+="${note:+; }no kill left a journal to put back"
[ "$torn" -eq 0 ] || note+="${note:+; }$torn of 40 images torn (kept in $artifacts)"
[ "$leftovers" -eq 0 ] || note+="${note:+; }$leftovers temporary files stayed after the next write into the folder"
echo "e2e: 40 kills: $old images as they were ($putback of them put back by the next run), $new with every letter, $torn torn"
if [ -z "$note" ]; then pass "$kill_check"; else fail "$kill_check" "$note"; fi

twice_check="two imports into one image at once: both land, and the backup holds the image before the second"
note=
# What each import alone makes of the image, and both.
for letter in P_476E2 A_47738; do
  cp "$sample" "$writes/only-$letter.smc"
  "$cli" import "$writes/only-$letter.smc" "$writes/batch/$letter.bin" --offset "${letter#*_}" >/dev/null ||
    die "import of $letter failed"
done
cp "$writes/only-P_476E2.smc" "$writes/both.smc"
"$cli" import "$writes/both.smc" "$writes/batch/A_47738.bin" --offset 47738 >/dev/null || die "import of A failed"
for i in $(seq 20); do
  rm -f "$writes/c.smc.bak"
  cp "$sample" "$writes/c.smc"
  "$cli" import "$writes/c.smc" "$writes/batch/P_476E2.bin" --offset 476E2 >/dev/null 2>"$writes/p.err" &
  first=$!
  "$cli" import "$writes/c.smc" "$writes/batch/A_47738.bin" --offset 47738 >/dev/null 2>"$writes/a.err"
  second=$?
  wait "$first" || note="the import of P failed: $(cat "$writes/p.err")"
  [ "$second" -eq 0 ] || note="the import of A failed: $(cat "$writes/a.err")"
  cmp -s "$writes/c.smc" "$writes/both.smc" || note="the image lacks a letter after run $i"
  if ! cmp -s "$writes/c.smc.bak" "$writes/only-P_476E2.smc" && ! cmp -s "$writes/c.smc.bak" "$writes/only-A_47738.smc"; then
    note="the backup of run $i does not hold the image as it was before the second import"
  fi
  [ -z "$note" ] || break
done
if [ -z "$note" ]; then pass "$twice_check"; else fail "$twice_check" "$note"; fi

finish
