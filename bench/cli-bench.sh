#!/usr/bin/env bash
# Command-line benchmark: vertiloom-cli as whole processes (start-up included) against floors
# measured in the same run, repetitions interleaved, the fastest of N taken for the ratio (medians
# printed beside it). On the sample image of vertiloom-sample:
#
#  - render: "vertiloom-cli render sample.smc --all -o sheet.png" against one QImage::save of the same
#    sheet (bench/png_save loads a sheet the program wrote, not timed, and times only the save inside
#    its process). Beside it, the whole png_save process (Qt's start-up, the load and the save).
#  - letters: "vertiloom-cli extract sample.smc --all -o DIR", then "vertiloom-cli import copy.smc DIR
#    --all" (two processes), against bench/raw_records doing the same reads and writes of the same
#    bytes with plain POSIX calls, also as two processes (one extract, one import of the 24). The
#    import first copies the whole image to copy.smc.bak (2 MiB), as a run does before its first
#    write into an image, and every file the program writes is synced to the disk; the floor does
#    neither. A second floor, raw_records --backup --sync, does both too, to tell what these rules
#    cost from what the program adds.
#  - the same letters with one "vertiloom-cli import copy.smc DIR/FILE --offset OFFSET" per letter file
#    (25 processes, a backup each), against raw_records as 25 processes: what a script pays that
#    imports letter by letter.
#
# Both copies of the image end equal to the sample image (every letter goes back where it came from),
# which is checked after each repetition.
#
#   bench/cli-bench.sh [BUILD_DIR]      (default build-bench, configured by make bench; N=15 by default)
set -euo pipefail

build=${1:-build-bench}
runs=${N:-15}
cmake --build "$build" -j "${JOBS:-2}" --target vertiloom-cli vertiloom-sample png_save raw_records >/dev/null

cli="$build/vertiloom-cli"
png_save="$build/bench/png_save"
raw="$build/bench/raw_records"
export QT_QPA_PLATFORM=offscreen

# On the same disk as the build, where a sync costs what it costs the user.
work=$(mktemp -d "$build/cli-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
sample="$work/sample.smc"
"$build/vertiloom-sample" "$sample" >/dev/null

# The records, from one extract that is not counted: NAME:OFFSET:LENGTH (a file is the record's bytes).
"$cli" extract "$sample" --all -o "$work/letters" >/dev/null
records=()
for file in "$work/letters"/*.bin; do
  name=$(basename "$file")
  offset=${name##*_}
  offset=${offset%.bin}
  records+=("$name:$offset:$(stat -c %s "$file")")
done
if [ "${#records[@]}" -ne 24 ]; then
  echo "cli-bench: expected 24 letter files, found ${#records[@]}" >&2
  exit 1
fi
"$cli" render "$sample" --all -o "$work/reference.png" >/dev/null

# The wall time of a command in microseconds, into the variable elapsed.
elapsed=0
timed() {
  local start=${EPOCHREALTIME/./}
  "$@"
  local end=${EPOCHREALTIME/./}
  elapsed=$((end - start))
}

cli_render() { "$cli" render "$sample" --all -o "$work/sheet.png" >/dev/null; }
floor_save() { "$png_save" "$work/reference.png" "$work/floor.png" >"$work/save_us"; }

cli_extract() { "$cli" extract "$sample" --all -o "$work/cli" >/dev/null; }
cli_import_all() { "$cli" import "$work/cli.smc" "$work/cli" --all >/dev/null; }
cli_imports() {
  local record name offset
  for record in "${records[@]}"; do
    name=${record%%:*}
    offset=${record#*:}
    offset=${offset%%:*}
    "$cli" import "$work/cli.smc" "$work/cli/$name" --offset "$offset" >/dev/null
  done
}
# raw_batch [FLAGS...]: one extract, one import of all 24.
raw_batch() {
  "$raw" "$@" extract "$sample" "$work/raw" "${records[@]}"
  local record name offset pairs=()
  for record in "${records[@]}"; do
    name=${record%%:*}
    offset=${record#*:}
    pairs+=("$work/raw/$name" "${offset%%:*}")
  done
  "$raw" "$@" import "$work/raw.smc" "${pairs[@]}"
}
# raw_letters [FLAGS...]: one extract, one import per letter.
raw_letters() {
  "$raw" "$@" extract "$sample" "$work/raw" "${records[@]}"
  local record name offset
  for record in "${records[@]}"; do
    name=${record%%:*}
    offset=${record#*:}
    offset=${offset%%:*}
    "$raw" "$@" import "$work/raw.smc" "$work/raw/$name" "$offset"
  done
}

fresh() { # fresh NAME: an untouched copy of the sample image and no letter folder
  rm -rf "${work:?}/$1" "$work/$1.smc.bak"
  cp "$sample" "$work/$1.smc"
}
same() {
  if ! cmp -s "$sample" "$work/$1.smc"; then
    echo "cli-bench: $1.smc differs from the sample image after the letters went back" >&2
    exit 1
  fi
}

: >"$work/t_render"; : >"$work/t_save"; : >"$work/t_png_process"
: >"$work/t_letters"; : >"$work/t_extract"; : >"$work/t_raw"; : >"$work/t_raw_rules"
: >"$work/t_batch"; : >"$work/t_batch_raw"; : >"$work/t_batch_rules"
# One round first, not counted: the program and its libraries come into the page cache.
for ((i = 0; i <= runs; i++)); do
  timed cli_render; [ "$i" -gt 0 ] && echo "$elapsed" >>"$work/t_render"
  timed floor_save; [ "$i" -gt 0 ] && { echo "$elapsed" >>"$work/t_png_process"; cat "$work/save_us" >>"$work/t_save"; }
  fresh cli; timed cli_extract; extract_us=$elapsed; timed cli_imports; same cli
  [ "$i" -gt 0 ] && { echo "$((extract_us + elapsed))" >>"$work/t_letters"; echo "$extract_us" >>"$work/t_extract"; }
  fresh cli; timed cli_extract; extract_us=$elapsed; timed cli_import_all; same cli
  [ "$i" -gt 0 ] && echo "$((extract_us + elapsed))" >>"$work/t_batch"
  fresh raw; timed raw_batch; same raw; [ "$i" -gt 0 ] && echo "$elapsed" >>"$work/t_batch_raw"
  fresh raw; timed raw_batch --backup --sync; same raw; [ "$i" -gt 0 ] && echo "$elapsed" >>"$work/t_batch_rules"
  fresh raw; timed raw_letters; same raw; [ "$i" -gt 0 ] && echo "$elapsed" >>"$work/t_raw"
  fresh raw; timed raw_letters --backup --sync; same raw; [ "$i" -gt 0 ] && echo "$elapsed" >>"$work/t_raw_rules"
done

fastest() { sort -n "$work/$1" | head -n 1; }
median() { sort -n "$work/$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v u="$1" 'BEGIN { printf "%.2f", u / 1000 }'; }
# line WHAT BENCH FLOOR FLOOR_NAME GOAL (0: none), in the style of core_bench.
line() {
  awk -v what="$1" -v b="$(fastest "$2")" -v f="$(fastest "$3")" -v bm="$(median "$2")" -v fm="$(median "$3")" \
      -v name="$4" -v goal="$5" 'BEGIN {
    r = b / f
    printf "%-7s %9.1f ms = %6.1fx the floor (%s: %.2f ms); medians: %.1fx", what, b / 1000, r, name, f / 1000, bm / fm
    if (goal > 0) printf "; goal <= %gx: %s\n", goal, (r <= goal ? "met" : "MISSED"); else printf "\n"
  }'
}

echo
echo "vertiloom-cli as whole processes, fastest of $runs interleaved repetitions (wall time), against its floor"
echo "measured in the same run:"
line "Render" t_render t_save "one QImage::save of the sheet, timed in its process" 0
line "Render" t_render t_png_process "a whole Qt process that loads the sheet and saves it" 0
line "Letters" t_batch t_batch_raw "raw reads and writes of the same bytes, 2 processes" 5
line "Letters" t_batch t_batch_rules "the same, with the 2 MiB backup and every file synced" 0
line "1 by 1" t_letters t_raw "raw reads and writes of the same bytes, 25 processes" 0
line "1 by 1" t_letters t_raw_rules "the same, with a 2 MiB backup per import and every file synced" 0
echo "  render (us): $(tr '\n' ',' <"$work/t_render" | sed 's/,$//'); save: $(tr '\n' ',' <"$work/t_save" | sed 's/,$//')"
echo "  letters, extract --all + import --all (us): $(tr '\n' ',' <"$work/t_batch" | sed 's/,$//'); raw: $(tr '\n' ',' <"$work/t_batch_raw" | sed 's/,$//')"
echo "  raw with the backup and syncs (us): $(tr '\n' ',' <"$work/t_batch_rules" | sed 's/,$//')"
echo "  1 by 1 (us): $(tr '\n' ',' <"$work/t_letters" | sed 's/,$//'); raw: $(tr '\n' ',' <"$work/t_raw" | sed 's/,$//')"
echo "  raw with backups and syncs (us): $(tr '\n' ',' <"$work/t_raw_rules" | sed 's/,$//')"
echo "  of which extract (us): $(tr '\n' ',' <"$work/t_extract" | sed 's/,$//')"
echo "  per process: extract + 24 imports = 25 runs of vertiloom-cli, $(ms $(( $(fastest t_letters) / 25 ))) ms each" \
  "(fastest round); 25 runs of raw_records, $(ms $(( $(fastest t_raw) / 25 ))) ms each"
