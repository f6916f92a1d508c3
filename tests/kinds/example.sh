#!/usr/bin/env bash
# The kit as a reader uses it: installed into a scratch prefix, the example kind built out
# of tree against that alone, and the installed program loading it with no display.
# Usage: example.sh BUILD SOURCE WORK; leaves the plugin alone in WORK/kinds.
set -euo pipefail
build=$1 source=$2 work=$3
fail() { echo "kit example: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work/kinds" "$work/data"
cmake --install "$build" --prefix "$work/prefix" >/dev/null
cmake -S "$source/examples/kinds/hexagon" -B "$work/hexagon" -DCMAKE_PREFIX_PATH="$work/prefix" \
    >/dev/null
cmake --build "$work/hexagon" >/dev/null
cp "$work/hexagon/hexagon.so" "$work/kinds/"
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM KESTRUNE_KIND_PATH="$work/kinds" \
        XDG_DATA_HOME="$work/data" "$work/prefix/bin/kestrune" "$@"
}

run --kinds >"$work/listing"
[ "$(grep -c ': built-in$' "$work/listing")" -ge 1 ] || fail "no built-in kind listed"
[ "$(sed -n '/: built-in$/!{p;q}' "$work/listing")" = \
  "hexagon (X, Y, Radius): $work/kinds/hexagon.so" ] || fail "the hexagon does not follow the built-in kinds"
printf 'hexagon,160,160,50\r\ncircle,20,20,10' >"$work/in.poly"
echo junk >"$work/kinds/notes.txt"
run --export "$work/out.svg" "$work/in.poly" 2>"$work/err" || fail "export failed"
grep -qx "kestrune: $work/kinds/notes.txt: not a Kestrune kind plugin" "$work/err" \
    || fail "a file that is no plugin was not reported"
[ "$(grep -c '<path\|<circle' "$work/out.svg")" -eq 2 ] || fail "the SVG does not hold both shapes"
rm "$work/kinds/notes.txt"
echo "kit example: installed, built against the kit alone, loaded and exported"
