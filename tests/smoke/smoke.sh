#!/usr/bin/env bash
# The real program in a real X server (Xvfb) under a window manager with title bars that
# places nothing itself: it starts, shows its window centred, frame included, draws a shape
# when its button is clicked, costs next to no CPU while idle, and exits with 0 when its
# window is closed, even with the context menu open. Usage: smoke.sh KESTRUNE CLOSE_WINDOW [SCREENSHOT.png]
set -euo pipefail
if [ -z "${SMOKE_INSIDE_X:-}" ]; then
    exec env SMOKE_INSIDE_X=1 xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

program=$1
close_window=$2
screenshot=${3:-}
work=$(mktemp -d)

fail() { echo "smoke: $*" >&2; exit 1; }

openbox --config-file "$(dirname "$0")/openbox-rc.xml" >/dev/null 2>&1 &
wm=$!
trap 'kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

xdotool mousemove 0 0 # a window placed under the pointer would not come up centred
# The platform the desktop gives, not the test suites' offscreen one.
env -u QT_QPA_PLATFORM "$program" &
pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Kestrune$' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || fail "no window titled Kestrune appeared"
# The client area's place on the screen and its size, as the X server has them.
client_geometry() {
    eval "$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { print "X=" $4 }
        /Absolute upper-left Y/ { print "Y=" $4 } /Width/ { print "WIDTH=" $2 }
        /Height/ { print "HEIGHT=" $2 }')"
}
client_geometry
[ "$WIDTH" -eq 560 ] && [ "$HEIGHT" -eq 320 ] || fail "client area is ${WIDTH}x${HEIGHT}, not 560x320"

# The whole window, frame included, centred in the work area within 2 pixels, once the
# window manager has framed it.
read -r work_x work_y work_width work_height \
    <<<"$(xprop -root _NET_WORKAREA | sed 's/.*= //' | tr -d , | cut -d' ' -f1-4)"
off_centre() {
    client_geometry
    local extents left right top bottom dx dy
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)
    [ -n "$extents" ] || { echo "unframed"; return; }
    read -r left right top bottom <<<"$extents"
    [ "$top" -gt 0 ] || { echo "framed without a title bar"; return; }
    dx=$(( 2 * (X - left - work_x) + WIDTH + left + right - work_width ))
    dy=$(( 2 * (Y - top - work_y) + HEIGHT + top + bottom - work_height ))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] || echo "off centre by ($((dx / 2)), $((dy / 2)))"
}
for _ in $(seq 30); do
    miss=$(off_centre)
    [ -z "$miss" ] && break
    sleep 0.1
done
[ -z "$miss" ] || fail "the framed window is $miss"

shape_fill_pixels() {
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "318x318+$((X + 1))+$((Y + 1))" +repage txt:- \
        | grep -ci '#A8FFFF' || true
}
pixel() { convert "$work/screen.png" -format "%[hex:u.p{$1,$2}]" info:; }

sleep 0.5
[ "$(shape_fill_pixels)" -eq 0 ] || fail "the drawing area is not empty at start"
[ "$(pixel $((X + 160)) $((Y + 160)))" = "FFFFFF" ] || fail "the drawing area is not white"

xdotool mousemove $((X + 390)) $((Y + 25)) click 1 # the "circle" button
filled=0
for _ in $(seq 50); do
    filled=$(shape_fill_pixels)
    [ "$filled" -gt 0 ] && break
    sleep 0.1
done
[ "$filled" -gt 0 ] || fail "no shape appeared after clicking \"circle\""
[ "$(pixel $((X + 1)) $((Y + 1)))" = "FFFFFF" ] || fail "the drawing area's corner is not white"
if [ -n "$screenshot" ]; then
    xdotool mousemove $((X + 390)) $((Y + 59)) click 1 # a rectangle
    xdotool mousemove $((X + 390)) $((Y + 93)) click 1 # a triangle
    sleep 0.5
    # Select a shape: click the first pixel of shape fill that shows.
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "318x318+$((X + 1))+$((Y + 1))" +repage "$work/pixels.txt"
    spot=$(grep -i -m 1 '#A8FFFF' "$work/pixels.txt" | cut -d: -f1)
    xdotool mousemove $((X + 1 + ${spot%,*} + 2)) $((Y + 1 + ${spot#*,} + 2)) click 1
    sleep 0.5
    import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
fi

# Idle: under 1% of one core over 5 seconds (clock ticks of 1/100 s).
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }
before=$(ticks)
sleep 5
used=$(( $(ticks) - before ))
[ "$used" -le 5 ] || fail "idle window used $used ticks of CPU in 5 s"

xdotool mousemove $((X + 160)) $((Y + 160)) click 3 # the context menu, left open
sleep 0.5
"$close_window" "$window"
status=0
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    fail "the program did not end when its window was closed"
fi
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "smoke: window, drawing, idle cost ($used ticks in 5 s) and exit status under a menu all fine"
