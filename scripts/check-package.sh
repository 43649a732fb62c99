#!/usr/bin/env bash
# Checks the Debian package that make package builds, unpacked into a folder of its own: its control
# fields and files, its copyright file, changelog and licence, both programs run from there, the
# manual pages render without a warning, the desktop entry, icon and AppStream description agree and
# pass their validators, every command and option that vertiloom-cli --help lists is in its manual
# page and its completion, and lintian finds no error in it.
# Usage: scripts/check-package.sh [BUILD_DIR]   (the newest BUILD_DIR/vertiloom_*.deb; make package
# runs first when there is none). Exit status 1 when any check failed; each is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

failures=0
ok() { printf 'check-package: ok      %s\n' "$*"; }
fail() {
    printf 'check-package: FAILED  %s\n' "$*" >&2
    failures=$((failures + 1))
}
skip() { printf 'check-package: skipped %s\n' "$*"; }

deb=$(ls -t "$build"/vertiloom_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ]; then
    make package BUILD="$build"
    deb=$(ls -t "$build"/vertiloom_*.deb | head -n 1)
fi
echo "check-package: $deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# The control fields and the file list.
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = vertiloom ] && ok "Package: vertiloom" || fail "Package is \"$(field Package)\", not vertiloom"
for dependency in libqt6svg6 libqt6core6 libqt6gui6 libqt6widgets6 libc6; do
    if field Depends | tr ',' '\n' | grep -q "^ *$dependency\b"; then
        ok "Depends names $dependency"
    else
        fail "Depends does not name $dependency: $(field Depends)"
    fi
done
# Play (F9) looks for mednafen first: the package suggests it.
if field Suggests | tr ',' '\n' | grep -q '^ *mednafen\b'; then
    ok "Suggests names mednafen"
else
    fail "Suggests does not name mednafen: $(field Suggests)"
fi
for name in Maintainer Description Section; do
    [ -n "$(field "$name")" ] && ok "$name is set" || fail "the control file has no $name"
done

dpkg -x "$deb" "$root"
metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml 2>/dev/null | head -n 1 || true)
for file in usr/bin/vertiloom usr/bin/vertiloom-cli usr/share/applications/vertiloom.desktop \
    usr/share/mime/packages/vertiloom.xml usr/share/icons/hicolor/scalable/apps/vertiloom.svg \
    usr/share/man/man1/vertiloom.1.gz usr/share/man/man1/vertiloom-cli.1.gz \
    usr/share/bash-completion/completions/vertiloom-cli usr/share/doc/vertiloom/copyright \
    usr/share/doc/vertiloom/changelog.gz; do
    [ -f "$root/$file" ] && ok "/$file" || fail "the package has no /$file"
done
[ -n "$metainfo" ] && ok "/usr/share/metainfo/$(basename "$metainfo")" || fail "the package has no /usr/share/metainfo/*.metainfo.xml"
for program in vertiloom vertiloom-cli; do
    if file -b "$root/usr/bin/$program" 2>/dev/null | grep -q 'not stripped'; then
        fail "/usr/bin/$program is not stripped"
    fi
done

# The licence: the copyright file in Debian's machine-readable format says GPL-3+ for the programs,
# the AppStream description says the same in SPDX's words, and the Debian changelog's newest entry is
# this version.
copyright="$root/usr/share/doc/vertiloom/copyright"
if [ -f "$copyright" ]; then
    format=$(head -n 1 "$copyright")
    [ "$format" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] &&
        ok "the copyright file is machine-readable" || fail "the copyright file's first line is \"$format\", not its Format"
    grep -q '^License: GPL-3+$' "$copyright" && ok "the copyright file says License: GPL-3+" ||
        fail "the copyright file has no License: GPL-3+"
fi
if [ -n "$metainfo" ]; then
    license=$(sed -n 's:.*<project_license>\(.*\)</project_license>.*:\1:p' "$metainfo")
    [ "$license" = GPL-3.0-or-later ] && ok "the metainfo's project_license is $license" ||
        fail "the metainfo's project_license is \"$license\", not GPL-3.0-or-later"
fi
if [ -f "$root/usr/share/doc/vertiloom/changelog.gz" ]; then
    zcat "$root/usr/share/doc/vertiloom/changelog.gz" >"$root/changelog"
    if entry=$(dpkg-parsechangelog -l "$root/changelog" -S Version 2>&1) && [ "$entry" = "$(field Version)" ]; then
        ok "the changelog's newest entry is version $entry"
    else
        fail "the changelog's newest entry is \"$entry\", not the package's version $(field Version)"
    fi
    rm -f "$root/changelog"
fi

# The programs, run from the unpacked tree (Qt is the system's). --help and --version make no window.
# vertiloom-cli speaks the language of the environment: English here, whose texts are checked.
unset LANGUAGE
export LC_ALL=C.UTF-8
cli="$root/usr/bin/vertiloom-cli"
version=$(field Version)
if out=$("$cli" --version 2>&1) && [ "$out" = "vertiloom-cli $version" ]; then
    ok "vertiloom-cli --version: $out"
else
    fail "vertiloom-cli --version said \"$out\", not \"vertiloom-cli $version\""
fi
if help=$("$cli" --help 2>&1) && grep -q '^Commands:' <<<"$help"; then
    ok "vertiloom-cli --help"
else
    fail "vertiloom-cli --help: $help"
fi
if out=$("$root/usr/bin/vertiloom" --version 2>&1) && grep -q "$version" <<<"$out"; then
    ok "vertiloom --version: $out"
else
    fail "vertiloom --version said \"$out\""
fi
if [ -x "$build/vertiloom-sample" ]; then
    "$build/vertiloom-sample" "$root/sample.smc" >/dev/null
    if out=$("$cli" list "$root/sample.smc" 2>&1) && [ "$(grep -c '^ *[0-9]' <<<"$out")" -ge 24 ]; then
        ok "vertiloom-cli list on the sample image: 24 letters"
    else
        fail "vertiloom-cli list on the sample image: $out"
    fi
    rm -f "$root/sample.smc"
fi

# The manual pages: man's own warnings (groff's, at every level) and no unknown macro or escape.
for page in "$root"/usr/share/man/man1/*.1.gz; do
    name=$(basename "$page")
    if command -v man >/dev/null 2>&1; then
        warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null || true)
    else
        warnings=$(zcat "$page" | groff -man -ww -z 2>&1 || true)
    fi
    [ -z "$warnings" ] && ok "$name renders without warnings" || fail "$name: $warnings"
    grep -q '@PROJECT_VERSION@' < <(zcat "$page") && fail "$name still holds @PROJECT_VERSION@"
done

# The desktop entry, the icon it names and the AppStream description that launches it.
desktop="$root/usr/share/applications/vertiloom.desktop"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] && ok "the desktop entry's Icon=$icon is installed" ||
    fail "the desktop entry's Icon=$icon is no icon of the package"
if [ -n "$metainfo" ]; then
    id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
    launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
    [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] && ok "the metainfo file is named by its id $id" ||
        fail "the metainfo file $(basename "$metainfo") is not named by its id $id"
    [ -f "$root/usr/share/applications/$launchable" ] && ok "the metainfo launches $launchable" ||
        fail "the metainfo launches $launchable, which the package does not hold"
    if command -v appstreamcli >/dev/null 2>&1; then
        out=$(appstreamcli validate --no-net "$metainfo" 2>&1) && ok "appstreamcli validate: ${out##*$'\n'}" ||
            fail "appstreamcli validate: $out"
    else
        skip "appstreamcli validate (appstream is not installed)"
    fi
fi
if command -v desktop-file-validate >/dev/null 2>&1; then
    out=$(desktop-file-validate "$desktop" 2>&1) && ok "desktop-file-validate ${out:+($out)}" ||
        fail "desktop-file-validate: $out"
else
    skip "desktop-file-validate (desktop-file-utils is not installed)"
fi

# Every command and option of vertiloom-cli --help is in the manual page and the completion.
completion="$root/usr/share/bash-completion/completions/vertiloom-cli"
bash -n "$completion" && ok "the completion is valid bash" || fail "the completion is not valid bash"
manual=$(zcat "$root/usr/share/man/man1/vertiloom-cli.1.gz" | sed 's/\\-/-/g')
missing=()
for command in $(sed -n 's/^  \([a-z]\+\) .*/\1/p' <<<"$help"); do
    grep -q "^\.SS $command\$" <<<"$manual" || missing+=("$command in the manual page")
    grep -qw -- "$command" "$completion" || missing+=("$command in the completion")
    for option in $("$cli" "$command" --help | sed -n 's/^ *\(-[a-z], \)\?\(--[a-z-]\+\).*/\2/p'); do
        grep -q -- "$option\b" <<<"$manual" || missing+=("$command $option in the manual page")
        grep -q -- "$option\b" "$completion" || missing+=("$command $option in the completion")
    done
done
[ ${#missing[@]} -eq 0 ] && ok "every command and option of vertiloom-cli --help is in its manual page and completion" ||
    fail "not described: ${missing[*]}"
if [ -f /usr/share/bash-completion/bash_completion ]; then
    offered=$(bash -c 'source /usr/share/bash-completion/bash_completion; source "$1"
        COMP_WORDS=(vertiloom-cli ""); COMP_CWORD=1; COMP_LINE="vertiloom-cli "; COMP_POINT=${#COMP_LINE}
        _vertiloom_cli vertiloom-cli "" vertiloom-cli; echo "${COMPREPLY[*]}"' _ "$completion")
    [[ " $offered " == *" info "* ]] && ok "the completion offers: $offered" || fail "the completion offers \"$offered\""
fi

# Lintian's view: its errors (E: lines) fail the check, its warnings are printed for reading.
if command -v lintian >/dev/null 2>&1; then
    report=$(lintian --tag-display-limit 0 "$deb" 2>&1 || true)
    [ -n "$report" ] && printf '%s\n' "$report"
    errors=$(grep -c '^E: ' <<<"$report" || true)
    [ "$errors" -eq 0 ] && ok "lintian reports no error ($(grep -c '^W: ' <<<"$report" || true) warning(s))" ||
        fail "lintian reports $errors error(s)"
else
    fail "lintian is not installed (scripts/install-deps.sh installs it)"
fi

if [ "$failures" -gt 0 ]; then
    echo "check-package: $failures check(s) FAILED for $deb" >&2
    exit 1
fi
echo "check-package: every check passed for $deb"
