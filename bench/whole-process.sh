#!/bin/sh
# Whole-process figures beside libjpeg-turbo, libvips and ImageMagick, all in
# one run: open a 4000 x 3000 photo and write it as a BMP (pinxel's filter 9
# changes nothing), for a JPEG of quality 90, a PNG and a 24-bit BMP; then
# pinxel's start alone and the fixed cost of one filter and one effect on a
# 1 x 1 picture. Needs, for the benchmark only:
#   sudo apt-get install hyperfine libjpeg-turbo-progs libvips-tools imagemagick
#   bench/whole-process.sh [BIN_DIR] [RUNS]
# BEFORE_BIN=DIR adds the pinxel of another build (an older commit's) to
# every group, so that before and after are measured in the same run.
set -e
bin=$(cd "${1:-build/default/bin}" && pwd)
runs=${2:-7}
convert=${CONVERT:-/usr/bin/convert}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# A photo-like picture: fractal plasma with fine noise, so that neither the
# JPEG nor the PNG compresses it unusually well.
"$convert" -seed 1 -size 4000x3000 plasma:fractal -attenuate 1.0 +noise Gaussian -type TrueColor "BMP3:$dir/photo.bmp"
"$convert" "$dir/photo.bmp" -quality 90 "$dir/photo.jpg"
"$convert" "$dir/photo.bmp" "PNG24:$dir/photo.png"
"$convert" -size 1x1 xc:white "BMP3:$dir/one.bmp"
ls -l "$dir"/photo.*

export QT_QPA_PLATFORM=offscreen
hyper() {
    name=$1
    shift
    hyperfine -N --warmup 2 --runs "$runs" --style none --export-json "$dir/$name.json" "$@" >/dev/null
    python3 - "$dir/$name.json" <<'EOF'
import json, sys
for r in json.load(open(sys.argv[1]))["results"]:
    print(f"{min(r['times']) * 1000:8.1f} ms fastest {r['mean'] * 1000:8.1f} ms mean  {r['command']}")
EOF
}

echo "== JPEG, quality 90"
hyper jpeg \
    "$bin/pinxel filter 9 $dir/photo.jpg $dir/out.bmp" \
    ${BEFORE_BIN:+"$BEFORE_BIN/pinxel filter 9 $dir/photo.jpg $dir/out.bmp"} \
    "djpeg -bmp -outfile $dir/djpeg.bmp $dir/photo.jpg" \
    "vips copy $dir/photo.jpg $dir/vips.v" \
    "$convert $dir/photo.jpg BMP3:$dir/convert.bmp"
echo "== PNG"
hyper png \
    "$bin/pinxel filter 9 $dir/photo.png $dir/out.bmp" \
    ${BEFORE_BIN:+"$BEFORE_BIN/pinxel filter 9 $dir/photo.png $dir/out.bmp"} \
    "vips copy $dir/photo.png $dir/vips.v" \
    "$convert $dir/photo.png BMP3:$dir/convert.bmp"
echo "== BMP"
hyper bmp \
    "$bin/pinxel filter 9 $dir/photo.bmp $dir/out.bmp" \
    ${BEFORE_BIN:+"$BEFORE_BIN/pinxel filter 9 $dir/photo.bmp $dir/out.bmp"} \
    "cp $dir/photo.bmp $dir/copy.bmp"
echo "== start"
hyper start \
    "$bin/pinxel --help" \
    ${BEFORE_BIN:+"$BEFORE_BIN/pinxel --help"} \
    "$bin/pinxel filter 9 $dir/one.bmp $dir/one-out.bmp" \
    ${BEFORE_BIN:+"$BEFORE_BIN/pinxel filter 9 $dir/one.bmp $dir/one-out.bmp"} \
    "$bin/pinxel effect invert $dir/one.bmp $dir/one-out.bmp" \
    ${BEFORE_BIN:+"$BEFORE_BIN/pinxel effect invert $dir/one.bmp $dir/one-out.bmp"}
