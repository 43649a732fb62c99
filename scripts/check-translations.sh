#!/usr/bin/env bash
# Checks the translations in translations/*.ts: each is exactly what Qt Linguist's lupdate makes of it
# from the sources (no text missing from it, none left over), each of its contexts is one the program
# looks its texts up in (a free tr() files its text under "vertiloom", a window class's tr() under
# the class), and lrelease finds no translation unfinished.
# Usage: scripts/check-translations.sh. Exit status 1 when any check failed; each is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

bins=$(qtpaths6 --query QT_HOST_BINS 2>/dev/null || echo /usr/lib/qt6/bin)
lupdate=$bins/lupdate
lrelease=$bins/lrelease
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort)

failures=0
fail() {
    printf 'translations-check: FAILED  %s\n' "$*" >&2
    failures=$((failures + 1))
}

shopt -s nullglob
files=(translations/vertiloom_*.ts)
[ ${#files[@]} -gt 0 ] || fail "there is no translations/vertiloom_*.ts"
for ts in "${files[@]}"; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    # The same options as CMake's update_translations target (CMakeLists.txt), and its include path:
    # without the class's header, a window class's tr() in its source would be filed under the bare
    # class name instead of vertiloom::Class, the context the program looks in.
    "$lupdate" -locations none -no-obsolete -silent -I src "${sources[@]}" -ts "$copy" >/dev/null 2>&1
    if ! diff -q "$ts" "$copy" >/dev/null; then
        fail "$ts is not what lupdate makes of the sources (cmake --build build --target update_translations, then translate what it added):"
        diff -u "$ts" "$copy" | grep -E '^[-+] *<source>' | head -n 20 >&2 || true
    fi
    while read -r context; do
        class=${context#vertiloom::}
        if [ "$context" = vertiloom ]; then
            continue
        elif [ "$class" != "$context" ] && grep -rlE "^class $class\b" src | xargs -r grep -l Q_OBJECT | grep -q .; then
            continue
        fi
        fail "$ts files texts under \"$context\", which no tr() of the program looks in: call vertiloom::tr there"
    done < <(sed -n 's:^ *<name>\(.*\)</name>$:\1:p' "$ts")
    report=$("$lrelease" "$ts" -qm "$work/out.qm" 2>&1)
    if ! grep -q '(\([0-9]*\) finished and 0 unfinished)' <<<"$report" || grep -q 'Ignored' <<<"$report"; then
        fail "$ts has unfinished translations: $(grep -E 'Generated|Ignored' <<<"$report" | tr '\n' ' ')"
    else
        printf 'translations-check: ok      %s: %s\n' "$ts" "$(grep Generated <<<"$report")"
    fi
done
exit $((failures > 0))
