#!/usr/bin/env bash
# The command-line jobs print nothing on standard error when they succeed, with or without a
# display and XDG_RUNTIME_DIR, and a failing job prints one line that names the file and exits
# with a non-zero status:
#   quiet_jobs_test.sh BUILD_DIR SAMPLES_DIR
set -uo pipefail
build=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
vistal=$build/viewer/vistal
linara=$build/charts/linara
sorvek=$build/fieldgen/sorvek
failures=0
fail() {
  echo "quiet_jobs_test: $*" >&2
  failures=$((failures + 1))
}

# Runs a job in each surrounding: no display and no XDG_RUNTIME_DIR, then a display that cannot
# be reached and a runtime folder. The job must succeed and print nothing on standard error.
quiet() {
  local surrounding
  for surrounding in bare display; do
    local environment=(-u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR)
    [ "$surrounding" = display ] &&
      environment=(-u QT_QPA_PLATFORM DISPLAY=:97 XDG_RUNTIME_DIR="$work/runtime")
    if ! env "${environment[@]}" "$@" >"$work/out" 2>"$work/err"; then
      fail "($surrounding) failed: $* : $(cat "$work/err")"
    elif [ -s "$work/err" ]; then
      fail "($surrounding) printed on standard error: $* : $(cat "$work/err")"
    fi
  done
}

# Runs a job that must fail with one line on standard error that names `file`.
failing() {
  local file=$1
  shift
  env -u QT_QPA_PLATFORM -u DISPLAY -u XDG_RUNTIME_DIR "$@" >"$work/out" 2>"$work/err"
  local status=$?
  if [ "$status" = 0 ]; then
    fail "succeeded: $*"
  elif [ "$(wc -l <"$work/err")" != 1 ] || ! grep -qF -- "$file" "$work/err"; then
    fail "does not report $file in one line: $* : $(cat "$work/err")"
  fi
}

quiet "$vistal" --info "$samples/terrain.asc"
quiet "$vistal" --info "$samples/heads_stack.asc" --level 1 --values
quiet "$vistal" --render "$samples/terrain.asc" "$work/terrain.png" --size 200x150
quiet "$vistal" --render "$samples/terrain.asc" "$work/arrows.png" --gradients
quiet "$vistal" --convert "$samples/terrain.asc" "$work/terrain.bin" --to double
quiet "$linara" --info "$samples/runoff.txt"
for picture in png svg pdf; do
  quiet "$linara" --render "$samples/runoff.txt" "$work/runoff.$picture" --size 640x400
done
quiet "$sorvek" --batch --rows 20 --cols 30 --seed 5 "$work/field.asc"

failing missing.asc "$vistal" --info "$work/missing.asc"
failing missing.asc "$vistal" --render "$work/missing.asc" "$work/out.png"
failing out.png "$vistal" --render "$samples/terrain.asc" "$work/no-folder/out.png"
failing no-folder/out.asc "$vistal" --convert "$samples/terrain.asc" "$work/no-folder/out.asc"
failing missing.txt "$linara" --info "$work/missing.txt"
failing missing.txt "$linara" --render "$work/missing.txt" "$work/out.png"
failing out.png "$linara" --render "$samples/runoff.txt" "$work/no-folder/out.png"
failing no-folder/field.asc "$sorvek" --batch --rows 5 --cols 5 "$work/no-folder/field.asc"

if [ "$failures" -gt 0 ]; then
  echo "quiet_jobs_test: $failures failures" >&2
  exit 1
fi
echo "quiet_jobs_test: every job was quiet"
