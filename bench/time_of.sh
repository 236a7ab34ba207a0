# Sourced by the comparison scripts when hyperfine is missing.
# time_of COMMAND [ARG ...]: the best wall time in seconds of five runs, output discarded.
time_of() {
  local best=""
  for _ in 1 2 3 4 5; do
    local start end
    start=$(date +%s.%N)
    "$@" > /dev/null
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-1e9}" | awk '{ t = $2 - $1; print (t < $3 ? t : $3) }')
  done
  echo "$best"
}
