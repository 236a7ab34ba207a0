# Sourced by the load scripts.

# find_program LABEL GIVEN CANDIDATE...: the program to time, GIVEN when set, or else the first
# executable candidate; stops the script when there is none.
find_program() {
  local label=$1 found=$2
  shift 2
  if [ -z "$found" ]; then
    for candidate in "$@"; do
      [ -x "$candidate" ] && found="$candidate" && break
    done
  fi
  if [ -z "$found" ] || [ ! -x "$found" ]; then
    echo "no $label program found; build it or pass its path" >&2
    exit 1
  fi
  echo "$found"
}

# require_tool COMMAND: stops the script when COMMAND is missing.
require_tool() {
  command -v "$1" >/dev/null ||
    { echo "$1 is missing (WITH_BENCH_TOOLS=1 scripts/install-deps)" >&2; exit 1; }
}

# peak_memory_kb COMMAND [ARG ...]: the largest peak resident memory in kB of three runs,
# output discarded.
peak_memory_kb() {
  local most=0 report
  report="$(mktemp)"
  for _ in 1 2 3; do
    /usr/bin/time -f '%M' -o "$report" "$@" > /dev/null 2> /dev/null
    local kb
    kb=$(tail -1 "$report")
    [ "$kb" -gt "$most" ] && most=$kb
  done
  rm -f "$report"
  echo "$most"
}

# memory_line NAME KB DOUBLES_BYTES: peak memory against the bytes of a level's doubles.
memory_line() {
  echo "$1 $2 $3" | awk '{ printf "%s: peak memory %.1f MB = %.2f x the level'"'"'s doubles (%.0f MB)\n", $1, $2 / 1024, $2 * 1024 / $3, $3 / 1048576 }'
}

# vistal_memory_lines GRID SIZE: the peak memory of `vistal --info GRID` (and of $VISTAL_BEFORE's)
# against the SIZE x SIZE level's doubles; uses $vistal.
vistal_memory_lines() {
  local doubles=$(($2 * $2 * 8))
  memory_line vistal "$(peak_memory_kb "$vistal" --info "$1")" "$doubles"
  if [ -n "${VISTAL_BEFORE:-}" ]; then
    memory_line vistal-before "$(peak_memory_kb "$VISTAL_BEFORE" --info "$1")" "$doubles"
  fi
}
