#!/usr/bin/env bash
# Times `vistal --info FILE` against `gdalinfo -stats FILE` on a 4000 x 4000 ASCII grid
# (values with seven significant digits, one cell in forty nodata). Both read every value
# and compute the statistics. Goal: vistal at least 3 times faster.
#
# usage: bench/ascii_load_vs_gdal.sh [PATH/TO/vistal] [SIZE]
set -euo pipefail
cd "$(dirname "$0")/.."

vistal="${1:-}"
size="${2:-4000}"
if [ -z "$vistal" ]; then
  for candidate in build/viewer/vistal build-doc/viewer/vistal build/vistal; do
    [ -x "$candidate" ] && vistal="$candidate" && break
  done
fi
if [ -z "$vistal" ] || [ ! -x "$vistal" ]; then
  echo "no vistal program found; build it or pass its path" >&2
  exit 1
fi
command -v gdalinfo >/dev/null || { echo "gdalinfo is missing (WITH_BENCH_TOOLS=1 scripts/install-deps)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
grid="$work/grid.asc"

echo "writing a ${size} x ${size} ASCII grid ..."
awk -v n="$size" 'BEGIN {
  printf "ncols        %d\r\nnrows        %d\r\n", n, n
  printf "xllcorner    250000\r\nyllcorner    5600000\r\ncellsize     25\r\nnodata_value -9999\r\n"
  srand(11)
  for (r = 0; r < n; r++) {
    line = ""
    for (c = 0; c < n; c++) {
      if ((r * 7 + c * 13) % 40 == 0) v = "-9999"
      else v = sprintf("%.3f", 5000 + 3000 * sin(r * 0.002) * cos(c * 0.003) + 50 * rand())
      line = line v "\t"
    }
    printf "%s\r\n", line
  }
}' > "$grid"
ls -l "$grid" | awk '{ printf "%.0f MB\n", $5 / 1e6 }'

# GDAL would otherwise keep the statistics in grid.asc.aux.xml and skip the work next time.
export GDAL_PAM_ENABLED=NO

# Both must succeed before they are timed.
"$vistal" --info "$grid" > "$work/vistal.json"
gdalinfo -stats "$grid" > "$work/gdal.txt"
grep -E '"(CellCount|Minimum|Maximum|Average)"' "$work/vistal.json" | tr -s ' ' | tr '\n' ' '
echo
grep -E 'STATISTICS_(MINIMUM|MAXIMUM|MEAN)=' "$work/gdal.txt" | tr -s ' ' | tr '\n' ' '
echo

if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --runs 5 --export-csv "$work/times.csv" \
    -n vistal "$vistal --info $grid" \
    -n gdalinfo "gdalinfo -stats $grid"
  awk -F, 'NR == 2 { v = $2 } NR == 3 { g = $2 }
    END { printf "vistal %.3f s, gdalinfo %.3f s: vistal is %.1f times faster\n", v, g, g / v }' \
    "$work/times.csv"
else
  . bench/time_of.sh
  "$vistal" --info "$grid" > /dev/null  # warm the page cache
  v=$(time_of "$vistal" --info "$grid")
  g=$(time_of gdalinfo -stats "$grid")
  echo "$v $g" | awk '{ printf "vistal %.3f s, gdalinfo %.3f s (best of 5): vistal is %.1f times faster\n", $1, $2, $2 / $1 }'
fi
