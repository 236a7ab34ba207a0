# Sourced by the load scripts.
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
