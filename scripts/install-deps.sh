#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need,
# only those that are missing. Safe to run again.
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
    # run: the platform plugins and the faces that stand in for the designed one
    qt6-qpa-plugins fonts-liberation2 fonts-dejavu-core
    # tests: a real X server with a window manager and real key events
    xvfb xauth openbox xdotool x11-utils imagemagick
    # tests: the platform themes of GNOME (GTK) and of the desktop portal
    qt6-gtk-platformtheme qt6-xdgdesktopportal-platformtheme
    # tests: reading the windows over the accessibility bus
    dbus dbus-x11 at-spi2-core python3-gi gir1.2-atspi-2.0
    # packaging: validating the launcher and metainfo, building the .deb
    desktop-file-utils appstream dpkg-dev file
    # robustness: sanitizers and libFuzzer
    clang-14 libclang-rt-14-dev
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
