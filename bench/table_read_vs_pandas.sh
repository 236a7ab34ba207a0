#!/usr/bin/env bash
# Times `linara --info TABLE` against `pandas.read_csv(TABLE, sep=r"\s+")` on a result table of
# 262 800 hourly rows (30 years) and 20 value columns, about 1 % of the values missing (-9999).
# Both read every value; both are timed as whole processes. Goal: linara at least 5 times faster.
#
# usage: bench/table_read_vs_pandas.sh [PATH/TO/linara] [ROWS]
#   LINARA_BEFORE=PATH  also time an earlier build of linara in the same run
#   TABLE=FILE          use this table (written on the first run) instead of a fresh one
#   RUNS=N              timed runs of each program (default 10); the best run counts
set -euo pipefail
cd "$(dirname "$0")/.."
. bench/peak_memory.sh

linara="${1:-}"
rows="${2:-262800}"
runs="${RUNS:-10}"
linara=$(find_program linara "$linara" build/charts/linara build-doc/charts/linara)
# Debian's python3-pandas belongs to the system's Python, which a user's PATH may hide.
python="${PYTHON:-/usr/bin/python3}"
"$python" -c 'import pandas' 2>/dev/null ||
  { echo "pandas is missing (WITH_BENCH_TOOLS=1 scripts/install-deps)" >&2; exit 1; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
table="${TABLE:-$work/table.txt}"

if [ ! -s "$table" ]; then
  echo "writing a table of ${rows} hourly rows x 20 columns ..."
  bench/write_result_table.sh "$rows" 20 > "$table"
fi
ls -l "$table" | awk '{ printf "%.0f MB\n", $5 / 1e6 }'

read_with_pandas="import pandas, sys
frame = pandas.read_csv(sys.argv[1], sep=r'\s+', skiprows=3, header=None)
print(frame.shape, frame.iloc[:, 4:].where(frame.iloc[:, 4:] != -9999).min().min())"

# Both must succeed before they are timed.
"$linara" --info "$table" > "$work/linara.json"
if [ -n "${LINARA_BEFORE:-}" ]; then
  "$LINARA_BEFORE" --info --values "$table" > "$work/before.json"
  "$linara" --info --values "$table" > "$work/after.json"
  cmp -s "$work/after.json" "$work/before.json" && echo "every value identical to the earlier build" ||
    echo "the values differ from the earlier build" >&2
fi
"$python" -c "$read_with_pandas" "$table" > "$work/pandas.txt"
grep -E '^  "(start|end|min|max)"' "$work/linara.json" | tr -s ' ' | tr '\n' ' '
echo
cat "$work/pandas.txt"

echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
if command -v hyperfine >/dev/null; then
  commands=(-n linara "$linara --info $table")
  [ -n "${LINARA_BEFORE:-}" ] && commands+=(-n linara-before "$LINARA_BEFORE --info $table")
  hyperfine --warmup 1 --runs "$runs" --export-csv "$work/times.csv" \
    "${commands[@]}" -n pandas "$python -c \"$read_with_pandas\" $table" > /dev/null
  # Columns: command, mean, stddev, median, user, system, min, max; the best run counts.
  awk -F, 'NR > 1 { t[$1] = $7; cpu[$1] = $5 + $6 }
    END {
      for (name in t) if (name != "pandas")
        printf "%s %.3f s (cpu %.3f s), pandas %.3f s (cpu %.3f s): %s is %.1f times faster\n",
               name, t[name], cpu[name], t["pandas"], cpu["pandas"], name, t["pandas"] / t[name]
    }' "$work/times.csv" | sort
else
  . bench/time_of.sh
  l=$(time_of "$linara" --info "$table")
  p=$(time_of "$python" -c "$read_with_pandas" "$table")
  echo "$l $p" | awk '{ printf "linara %.3f s, pandas %.3f s (best of 5): linara is %.1f times faster\n", $1, $2, $2 / $1 }'
fi
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
