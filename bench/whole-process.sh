#!/bin/sh
# Whole-process figures beside ImageMagick's: one load and one save of a
# 4000 x 3000 24-bit BMP (pinxel's filter 9 changes nothing), a copy of the
# file, and pinxel's start alone. Needs hyperfine and ImageMagick:
#   sudo apt-get install hyperfine imagemagick
#   bench/whole-process.sh [BIN_DIR]
set -e
bin=$(cd "${1:-build/default/bin}" && pwd)
convert=${CONVERT:-/usr/bin/convert}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$convert" -size 4000x3000 plasma:fractal -type TrueColor "BMP3:$dir/big.bmp"
export QT_QPA_PLATFORM=offscreen
hyperfine -N --warmup 3 --runs 20 \
    "$bin/pinxel filter 9 $dir/big.bmp $dir/out.bmp" \
    "$convert $dir/big.bmp BMP3:$dir/convert.bmp" \
    "cp $dir/big.bmp $dir/copy.bmp" \
    "$bin/pinxel --help"
