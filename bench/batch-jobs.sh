#!/bin/sh
# A batch replay in one process and spread over two (pinxel script --jobs):
# 200 pictures of 640 x 480 replayed with a short recording, each saved.
# Two jobs should take within 0.6 of one job's time on two idle cores.
# Needs, for the benchmark only:
#   sudo apt-get install hyperfine imagemagick
#   bench/batch-jobs.sh [BIN_DIR] [RUNS]
set -e
bin=$(cd "${1:-build/default/bin}" && pwd)
runs=${2:-5}
convert=${CONVERT:-/usr/bin/convert}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/in" "$dir/out"

"$convert" -seed 1 -size 640x480 plasma:fractal -type TrueColor "BMP3:$dir/picture.bmp"
i=1
while [ $i -le 200 ]; do
    cp "$dir/picture.bmp" "$dir/in/$(printf 'p%03d' $i).bmp"
    i=$((i + 1))
done
# The recording: two menu commands, a pencil stroke across the picture and a blur.
cat >"$dir/session.pxs" <<EOF
load $dir/picture.bmp
mnuInvertColors.Click
mnuFlipHorizontal.Click
optTools(0).MouseDown 1 0 0 0
optTools(0).Click
picPaint.MouseDown 1 0 10 10
picPaint.MouseMove 1 0 300 200
picPaint.MouseMove 1 0 600 450
picPaint.MouseUp 1 0 600 450
mnuBlur.Click
EOF
export QT_QPA_PLATFORM=offscreen
"$bin/pinxel" script "$dir/session.pxs" --record "$dir/recording.pxs" 2>/dev/null

batch="$bin/pinxel script $dir/recording.pxs --on '$dir/in/*.bmp' --save $dir/out/"
hyperfine -N --warmup 1 --runs "$runs" --style none --export-markdown "$dir/table.md" \
    --export-json "$dir/times.json" -n "jobs 1" "$batch --jobs 1" -n "jobs 2" "$batch --jobs 2" >/dev/null
cat "$dir/table.md"
python3 - "$dir/times.json" <<'EOF'
import json, statistics, sys
one, two = (statistics.median(r["times"]) for r in json.load(open(sys.argv[1]))["results"])
print(f"\n--jobs 2 takes {two / one:.2f} of --jobs 1's median time (target: within 0.60)")
EOF
