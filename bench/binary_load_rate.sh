#!/usr/bin/env bash
# Times `vistal --info FILE` on a 4000 x 4000 double precision binary grid (values with seven
# significant digits, one cell in forty nodata) and prints the rate over the file's bytes, whole
# process: start, reading, statistics, output. Goal: at least 2 GB/s; peak memory at most 1.3
# times the level's doubles.
#
# usage: bench/binary_load_rate.sh [PATH/TO/vistal] [SIZE]
#   VISTAL_BEFORE=PATH  also time an earlier build of vistal in the same run
#   DOUBLE_GRID=FILE    use this grid (written on the first run) instead of a fresh one
#   RUNS=N              timed runs of each program (default 20); the best run counts
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/peak_memory.sh

vistal="${1:-}"
size="${2:-4000}"
runs="${RUNS:-20}"
vistal=$(find_program vistal "$vistal" build/viewer/vistal build-doc/viewer/vistal build/vistal)
require_tool hyperfine

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
grid="${DOUBLE_GRID:-$work/grid.bin}"

if [ ! -s "$grid" ]; then
  echo "writing a ${size} x ${size} double grid ..."
  /usr/bin/python3 - "$grid" "$size" <<'PYTHON'
import array, math, random, sys
path, n = sys.argv[1], int(sys.argv[2])
random.seed(11)
header = array.array('d', [n, n, 250000, 5600000, 25, -9999, 0, 0, 0, 0, 0, 0])
with open(path, 'wb') as out:
    header.tofile(out)
    for r in range(n):
        base = 5000 + 3000 * math.sin(r * 0.002)
        row = array.array('d', (-9999.0 if (r * 7 + c * 13) % 40 == 0 else
                                round(base * math.cos(c * 0.003) + 50 * random.random(), 3)
                                for c in range(n)))
        row.tofile(out)
PYTHON
fi
bytes=$(stat -c %s "$grid")
echo "$((bytes / 1000000)) MB"

"$vistal" --info "$grid" > "$work/vistal.json"
if [ -n "${VISTAL_BEFORE:-}" ]; then
  "$VISTAL_BEFORE" --info "$grid" > "$work/before.json"
  cmp -s "$work/vistal.json" "$work/before.json" && echo "statistics identical to the earlier build" ||
    { echo "the statistics differ from the earlier build" >&2; diff "$work/before.json" "$work/vistal.json" >&2; }
fi
grep -E '"(CellCount|Minimum|Maximum|Average)"' "$work/vistal.json" | tr -s ' ' | tr '\n' ' '
echo

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
commands=(-n vistal "$vistal --info $grid")
[ -n "${VISTAL_BEFORE:-}" ] && commands+=(-n vistal-before "$VISTAL_BEFORE --info $grid")
hyperfine -N --warmup 2 --runs "$runs" --export-csv "$work/times.csv" "${commands[@]}" > /dev/null
# Columns: command, mean, stddev, median, user, system, min, max; the best run counts.
awk -F, -v bytes="$bytes" 'NR > 1 {
    printf "%s %.1f ms (median %.1f ms, cpu %.1f ms): %.2f GB/s\n",
           $1, $7 * 1000, $4 * 1000, ($5 + $6) * 1000, bytes / $7 / 1e9
  }' "$work/times.csv"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"

vistal_memory_lines "$grid" "$size"
exit 0
