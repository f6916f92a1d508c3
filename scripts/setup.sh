#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages that Kestrune needs to build, run and
# test, and only those that are missing. Quick when everything is there.
set -euo pipefail

packages=(
    g++ cmake make pkg-config
    qt6-base-dev                 # Qt 6 Core, Gui, Widgets, Test and the platform plugins
    qt6-svg-dev                  # Qt Svg: export as SVG
    fonts-dejavu-core            # a font for the offscreen platform
    clang                        # sanitizer and fuzzing builds
    xvfb xauth xdotool imagemagick libx11-dev  # the real-window smoke test,
    openbox x11-utils            # under a window manager that frames it
    desktop-file-utils appstream dpkg-dev  # checking the desktop files; dpkg-buildflags
    lintian                      # checking the Debian package
)

is_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    is_installed "$package" || missing+=("$package")
done

updated=no
install_missing() {
    [ "$#" -gt 0 ] || return 0
    if [ "$updated" = no ]; then
        as_root apt-get update -qq
        updated=yes
    fi
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@"
}

install_missing "${missing[@]}"

# libFuzzer and the sanitizer runtimes come with the clang of the distribution; on
# releases that split them out, they are in libclang-rt-N-dev.
clang_major=$(clang --version | sed -n 's/.*clang version \([0-9]*\).*/\1/p' | head -n 1)
runtime="libclang-rt-${clang_major}-dev"
if ! is_installed "$runtime"; then
    if [ "$updated" = no ]; then as_root apt-get update -qq; updated=yes; fi
    if apt-cache show "$runtime" >/dev/null 2>&1; then install_missing "$runtime"; fi
fi
