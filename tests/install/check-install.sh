#!/usr/bin/env bash
# Installs the build into a fresh prefix and packs the Debian package, then
# checks what a desktop needs: the binary, a valid launcher, valid AppStream
# metainfo and the icon at every size, and the package's section and
# dependencies. Usage: check-install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
checks=0
check() { # message, command...
    local message=$1; shift
    checks=$((checks + 1))
    if "$@" >"$work/out" 2>&1; then echo "ok   $message"; else echo "FAIL $message"; cat "$work/out"; failures=$((failures + 1)); fi
}

cmake --install "$build" --prefix "$work/prefix" >/dev/null
share=$work/prefix/share
id=$2
check "binary installed" test -x "$work/prefix/bin/klopfomat"
check "launcher is valid" desktop-file-validate "$share/applications/$id.desktop"
check "launcher names the game's icon and category" \
    grep -qE '^Icon=org.example.klopfomat$' "$share/applications/$id.desktop"
check "launcher has German and English comments" \
    grep -qE '^Comment\[de\]=' "$share/applications/$id.desktop"
check "metainfo is valid" appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml"
for size in 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x${size}/apps/$id.png
    check "icon ${size}x${size}" test "$(identify -format '%wx%h' "$icon")" = "${size}x${size}"
done

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -G DEB >/dev/null)
deb=$(ls "$work"/klopfomat_*.deb)
info=$(dpkg-deb --info "$deb")
check "package section games" grep -q 'Section: games' <<<"$info"
check "package depends on Qt Widgets" grep -q 'libqt6widgets6' <<<"$info"
check "package holds the launcher" grep -q "usr/share/applications/$id.desktop" <<<"$(dpkg-deb -c "$deb")"

echo "$(( checks - failures )) passed, $failures failed"
[[ $failures -eq 0 ]]
