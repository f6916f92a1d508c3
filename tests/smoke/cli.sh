#!/usr/bin/env bash
# The command line of the real program, with no display at all: help, version, a
# mistake, and export to PNG and SVG with its failures. Usage: cli.sh KESTRUNE
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "cli: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }

run --help >"$work/out" || fail "--help failed"
grep -q -- '--export <out>' "$work/out" || fail "--help does not name --export"
[ "$(run --version)" = "kestrune 1.0.0" ] || fail "--version is not 'kestrune 1.0.0'"
status=0; run --no-such-option >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q "Unknown option" "$work/err" \
    || fail "an unknown option gave status $status"

printf 'circle,100,100,20\r\nrectangle,10,20,80,40\r\ncircle,1,2' >"$work/in.poly"
run --export "$work/out.png" "$work/in.poly" 2>"$work/err" || fail "PNG export failed"
grep -q "Invalid circle settings" "$work/err" || fail "a bad record was not reported"
# A PNG signature, and a header of 318 x 318 pixels (0x13e).
[ "$(od -An -tx1 -N4 "$work/out.png" | tr -d ' \n')" = "89504e47" ] || fail "no PNG written"
[ "$(od -An -tx1 -j16 -N8 "$work/out.png" | tr -d ' \n')" = "0000013e0000013e" ] \
    || fail "the PNG is not 318 x 318"
run --export "$work/out.svg" "$work/in.poly" 2>/dev/null || fail "SVG export failed"
[ "$(grep -c '<circle\|<path' "$work/out.svg")" -eq 3 ] || fail "the SVG does not hold 3 shapes"
for args in "$work/out.bmp $work/in.poly" "$work/out.png $work/missing.poly" \
            "$work/no/folder/out.png $work/in.poly"; do
    status=0
    # shellcheck disable=SC2086
    run --export $args 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && grep -q "kestrune: cannot" "$work/err" || fail "--export $args: status $status"
done
echo "cli: help, version, options and export all fine"
