#!/usr/bin/env bash
# The demo package made with fontpack from the fonts tools/demo_fonts.txt
# names, and the zip of it that is ready to ship.
#
# Usage: tools/fontpack_dist.sh              build the wizard and fontpack, make
#                                            build/dist/zarnikfonts/ and its zip
#        tools/fontpack_dist.sh package DIR  only make the package in DIR (new or
#                                            empty), with the wizard and fontpack
#                                            as they are built
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
fontpack="$root/build/native/tools/fontpack/fontpack"
wizard="$root/build/win32/zarnikfonts_setup_win_1000.exe"

build_tools() {
    cmake --preset win32 >/dev/null
    cmake --build "$root/build/win32" -j "$jobs" --target wizard
    cmake --preset native >/dev/null
    cmake --build "$root/build/native" -j "$jobs" --target fontpack
}

# fontpack reads a folder of fonts: gather the listed ones into one, and the
# demo licence in code page 936 with Windows line breaks.
make_package() {
    local out=$1
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    mkdir -p "$work/fonts"
    local path rest
    while IFS='|' read -r path rest; do
        [[ -z "$path" || "$path" == \#* ]] && continue
        cp "$path" "$work/fonts/"
    done <"$root/tools/demo_fonts.txt"
    sed 's/$/\r/' "$root/tools/fontpack/demo_license.txt" | iconv -f UTF-8 -t CP936 >"$work/license.lic"
    "$fontpack" build --license "$work/license.lic" --wizard "$wizard" "$work/fonts" "$out"
}

make_dist() {
    local dist="$root/build/dist"
    rm -rf "$dist/zarnikfonts" "$dist/zarnikfonts.zip"
    mkdir -p "$dist"
    make_package "$dist/zarnikfonts"
    (cd "$dist" && zip -q -r -X zarnikfonts.zip zarnikfonts)
    echo "dist: $dist/zarnikfonts.zip"
}

cd "$root"
case "${1:-}" in
package)
    [ $# -eq 2 ] || { echo "usage: $0 package DIR" >&2; exit 2; }
    make_package "$2"
    ;;
"")
    build_tools
    make_dist
    ;;
*)
    echo "usage: $0 [package DIR]" >&2
    exit 2
    ;;
esac
