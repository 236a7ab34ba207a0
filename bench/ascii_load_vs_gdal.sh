#!/usr/bin/env bash
# Times `vistal --info FILE` against `gdalinfo -stats FILE` on a 4000 x 4000 ASCII grid
# (values with seven significant digits, one cell in forty nodata). Both read every value
# and compute the statistics. Goal: vistal at least 8 times faster, whole process; its peak
# memory at most 1.3 times the level's doubles.
#
# usage: bench/ascii_load_vs_gdal.sh [PATH/TO/vistal] [SIZE]
#   VISTAL_BEFORE=PATH  also time an earlier build of vistal in the same run
#   ASCII_GRID=FILE     use this grid (written on the first run) instead of a fresh one
#   RUNS=N              timed runs of each program (default 10); the best run counts
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/peak_memory.sh

vistal="${1:-}"
size="${2:-4000}"
runs="${RUNS:-10}"
vistal=$(find_program vistal "$vistal" build/viewer/vistal build-doc/viewer/vistal build/vistal)
require_tool gdalinfo

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
grid="${ASCII_GRID:-$work/grid.asc}"

if [ ! -s "$grid" ]; then
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
fi
ls -l "$grid" | awk '{ printf "%.0f MB\n", $5 / 1e6 }'

# GDAL would otherwise keep the statistics in grid.asc.aux.xml and skip the work next time.
export GDAL_PAM_ENABLED=NO

# Both must succeed before they are timed; an earlier build must give the same statistics.
"$vistal" --info "$grid" > "$work/vistal.json"
gdalinfo -stats "$grid" > "$work/gdal.txt"
if [ -n "${VISTAL_BEFORE:-}" ]; then
  "$VISTAL_BEFORE" --info "$grid" > "$work/before.json"
  cmp -s "$work/vistal.json" "$work/before.json" && echo "statistics identical to the earlier build" ||
    { echo "the statistics differ from the earlier build" >&2; diff "$work/before.json" "$work/vistal.json" >&2; }
fi
grep -E '"(CellCount|Minimum|Maximum|Average)"' "$work/vistal.json" | tr -s ' ' | tr '\n' ' '
echo
grep -E 'STATISTICS_(MINIMUM|MAXIMUM|MEAN)=' "$work/gdal.txt" | tr -s ' ' | tr '\n' ' '
echo

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
if command -v hyperfine >/dev/null; then
  commands=(-n vistal "$vistal --info $grid")
  [ -n "${VISTAL_BEFORE:-}" ] && commands+=(-n vistal-before "$VISTAL_BEFORE --info $grid")
  hyperfine -N --warmup 1 --runs "$runs" --export-csv "$work/times.csv" \
    "${commands[@]}" -n gdalinfo "gdalinfo -stats $grid" > /dev/null
  # Columns: command, mean, stddev, median, user, system, min, max; the best run counts.
  awk -F, 'NR > 1 { t[$1] = $7; cpu[$1] = $5 + $6 }
    END {
      for (name in t) if (name != "gdalinfo")
        printf "%s %.3f s (cpu %.3f s), gdalinfo %.3f s: %s is %.1f times faster\n",
               name, t[name], cpu[name], t["gdalinfo"], name, t["gdalinfo"] / t[name]
    }' "$work/times.csv" | sort
else
  . bench/time_of.sh
  v=$(time_of "$vistal" --info "$grid")
  g=$(time_of gdalinfo -stats "$grid")
  echo "$v $g" | awk '{ printf "vistal %.3f s, gdalinfo %.3f s (best of 5): vistal is %.1f times faster\n", $1, $2, $2 / $1 }'
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

vistal_memory_lines "$grid" "$size"
exit 0
