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
# Every option listed works without a display, and each is tried below.
[ "$(grep -o -- ' --[a-z-]*' "$work/out" | tr -d '\n')" = " --help --version --export --kinds" ] \
    || fail "--help lists other options than --help, --version, --export and --kinds"
run --kinds | grep -q ': built-in$' || fail "--kinds lists no built-in kind without a display"
[ "$(run --version)" = "kestrune 1.0.0" ] || fail "--version is not 'kestrune 1.0.0'"
status=0; run --no-such-option >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && [ ! -s "$work/out" ] && grep -q "Unknown option" "$work/err" \
    || fail "an unknown option gave status $status"

# Eleven bad records: each is reported, the picture is still written, the status is 1.
printf 'circle,100,100,20\r\nrectangle,10,20,80,40' >"$work/in.poly"
for _ in {1..11}; do printf '\r\ncircle,1,2' >>"$work/in.poly"; done
for picture in out.png again.png out.svg; do
    status=0; run --export "$work/$picture" "$work/in.poly" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && [ "$(grep -c "Invalid circle settings" "$work/err")" -eq 11 ] \
        || fail "$picture: status $status, or not every bad record reported"
done
cmp -s "$work/out.png" "$work/again.png" || fail "the same file exported twice differs"
# A PNG signature, and a header of 318 x 318 pixels (0x13e).
[ "$(od -An -tx1 -N4 "$work/out.png" | tr -d ' \n')" = "89504e47" ] || fail "no PNG written"
[ "$(od -An -tx1 -j16 -N8 "$work/out.png" | tr -d ' \n')" = "0000013e0000013e" ] \
    || fail "the PNG is not 318 x 318"
[ "$(grep -c '<circle\|<path' "$work/out.svg")" -eq 13 ] || fail "the SVG does not hold 13 shapes"
root=$(tr '\n' ' ' <"$work/out.svg" | grep -o '<svg [^>]*>')
for size in 'width="318"' 'height="318"' 'viewBox="0 0 318 318"'; do
    grep -q "$size" <<<"$root" || fail "the SVG is not 318 x 318 pixels: $root"
done
printf 'no\r\nshapes,\0here' >"$work/junk.poly"
for args in "$work/out.bmp $work/in.poly" "$work/missing.png $work/missing.poly" \
            "$work/no/folder/out.png $work/in.poly" "$work/junk.png $work/junk.poly"; do
    status=0
    # shellcheck disable=SC2086
    run --export $args 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && grep -q "kestrune: cannot" "$work/err" && [ ! -e "${args%% *}" ] \
        || fail "--export $args: status $status"
done
echo "cli: help, version, options and export all fine"
