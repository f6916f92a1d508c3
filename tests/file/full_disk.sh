#!/usr/bin/env bash
# On a full file system, a save or an export that cannot be written whole is reported with
# the system's reason and leaves the old file exactly as it was, and nothing else behind:
# beside the old file, and in place in a folder the user cannot write. Mounts a small file
# system of its own (a tmpfs, else a loop-mounted image), which needs root; where neither can
# be mounted, it says so and is skipped (status 77).
# Usage: full_disk.sh KESTRUNE TST_DRAWINGFILE
set -euo pipefail
# In a mount namespace of its own, where it can: nothing it mounts outlives it.
if [ -z "${KESTRUNE_OWN_MOUNTS:-}" ] && unshare --mount --propagation private true 2>/dev/null; then
    exec env KESTRUNE_OWN_MOUNTS=1 unshare --mount --propagation private bash "$0" "$@"
fi
program=$1 suite=$2
work=$(mktemp -d)
disk=$work/disk
mkdir "$disk"
trap 'umount "$disk" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "full_disk: $*" >&2; exit 1; }
export LC_ALL=C
if ! mount -t tmpfs -o size=16k kestrune-full "$disk" 2>/dev/null; then
    truncate -s 1M "$work/image"
    mkfs.ext2 -q -F -m 0 "$work/image" 2>/dev/null && mount -o loop "$work/image" "$disk" 2>/dev/null \
        || { echo "full_disk: skipped: neither a tmpfs nor a loop image can be mounted here"; exit 77; }
fi

printf 'circle,120,87,25\r\nrectangle,10,20,80,40' >"$disk/keep.poly"
for kind in png svg; do echo "an older picture" >"$disk/keep.$kind"; done
dd if=/dev/zero of="$disk/filler" bs=1k 2>/dev/null || true # until nothing more fits
state() { ls -A "$disk"; md5sum "$disk"/keep.*; }
before=$(state)
unchanged() { [ "$(state)" = "$before" ] || fail "$1 changed the disk: $(state)"; }

printf 'circle,100,100,20' >"$work/in.poly"
for kind in png svg; do
    status=0
    "$program" --export "$disk/keep.$kind" "$work/in.poly" 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] && grep -q "No space left on device" "$work/err" \
        || fail "--export .$kind: status $status, $(cat "$work/err")"
    unchanged "--export .$kind"
done
save() {
    KESTRUNE_FULL_DISK_FILE=$disk/keep.poly "$@" "$suite" saveOnAFullDiskKeepsTheOldFile \
        >"$work/log" 2>&1 && grep -q '^PASS .*saveOnAFullDisk' "$work/log" \
        || { cat "$work/log"; fail "a save ${*:-beside the old file}"; }
}
save
unchanged "a save"
chmod 0555 "$disk" # and the user may not override that: the old file is written in place
save setpriv --bounding-set -dac_override,-dac_read_search,-fowner
unchanged "a save in place"
echo "full_disk: a full disk changes nothing, and every failure is reported"
