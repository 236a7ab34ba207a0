#!/usr/bin/env bash
# Writes a result table to standard output: hourly rows from 1.1.1990 01:00 (hour 24 closes each
# day), COLUMNS runoff-like value columns with three decimals, about 1 % of the values -9999.
#
# usage: bench/write_result_table.sh [ROWS] [COLUMNS]
set -euo pipefail
awk -v rows="${1:-262800}" -v columns="${2:-20}" 'BEGIN {
  split("31 28 31 30 31 30 31 31 30 31 30 31", length_of)
  print "Tolmar-Kor simulation results, benchmark catchment"
  header = "YY MM DD HH"
  for (c = 1; c <= columns; c++) header = header sprintf("  Q%02d", c)
  print header
  print "Runoff_in_subbasins_m3/s"
  srand(17)
  year = 1990; month = 1; day = 1; hour = 1
  for (r = 0; r < rows; r++) {
    line = sprintf("%02d %2d %2d %2d", year % 100, month, day, hour)
    for (c = 1; c <= columns; c++) {
      if (rand() < 0.01) line = line "     -9999"
      else line = line sprintf(" %9.3f", 5 + c + 4 * sin(r / 700.0 + c) + 3 * rand())
    }
    print line
    if (++hour > 24) {
      hour = 1
      days = length_of[month] + (month == 2 && (year % 4 == 0 && (year % 100 != 0 || year % 400 == 0)))
      if (++day > days) { day = 1; if (++month > 12) { month = 1; year++ } }
    }
  }
}'
