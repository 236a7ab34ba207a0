#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installation from outside, as a
# user's machine sees it:
#   install_test.sh BUILD_DIR C_COMPILER
# - each installed program runs --version and --help without any library path set, and the
#   help lists every option of the program's manual page;
# - a C program compiles against the installed Kelvra through pkg-config and runs;
# - Kelvra has a versioned SONAME and exports exactly the functions of its header;
# - every desktop entry is valid, every manual page renders without warnings, the MIME package
#   is read and names Vistal as the program for ASCII grids;
# - the icons have their sizes, and every link and picture of the user guide is there;
# - the palettes that come with the suite are offered by the installed Vistal.
set -euo pipefail
build=$(cd "$1" && pwd)
cc=${2:-cc}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() {
  echo "install_test: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || {
  cat "$work/install.log" >&2
  exit 1
}
unset LD_LIBRARY_PATH

libdir=$(cd "$prefix" && ls -d lib/*/libkelvra.so.1 2>/dev/null | xargs -r dirname)
[ -n "$libdir" ] || fail "no lib/<multiarch>/libkelvra.so.1 under the prefix"

# ---- the programs ----
for program in vistal linara sorvek; do
  exe=$prefix/bin/$program
  [ -x "$exe" ] || { fail "$exe is missing"; continue; }
  if ! version=$("$exe" --version 2>"$work/err"); then
    fail "$program --version failed: $(cat "$work/err")"
  elif [ "$(printf '%s\n' "$version" | wc -l)" != 1 ] ||
    ! [[ $version =~ ^$program\ .*\ [0-9]+\.[0-9]+\.[0-9]+$ ]]; then
    fail "$program --version printed: $version"
  fi
  [ -s "$work/err" ] && fail "$program --version wrote on standard error: $(cat "$work/err")"
  if ! "$exe" --help >"$work/help" 2>"$work/err"; then
    fail "$program --help failed: $(cat "$work/err")"
  fi
  grep -q "^usage: $program" "$work/help" || fail "$program --help has no usage line"
  # The help and the manual page list the same options.
  page=$prefix/share/man/man1/$program.1
  [ -f "$page" ] || { fail "$page is missing"; continue; }
  while IFS= read -r term; do
    grep -qF -- "  $term" "$work/help" || fail "$program --help lacks \"$term\" of $program.1"
  done < <(sed -n '/^\.SH OPTIONS$/,/^\.SH /{/^\.TP$/{n;p}}' "$page" |
    sed -e 's/\\f[BIR]//g' -e 's/\\-/-/g' -e 's/\\ / /g' -e 's/\\&//g')
done
# The installed programs use the installed libkelvra, found from their own folder, and keep no
# path into the build tree.
for program in vistal linara sorvek; do
  [ -x "$prefix/bin/$program" ] || continue
  readelf -d "$prefix/bin/$program" | grep -q -F "$build" &&
    fail "$program still searches the build tree for libraries"
done
if [ -x "$prefix/bin/sorvek" ]; then
  used=$(ldd "$prefix/bin/sorvek" | sed -n 's/.*libkelvra\.so\.1 => \([^ ]*\) .*/\1/p')
  [ -n "$used" ] && [ "$(readlink -f "$used")" = "$(readlink -f "$prefix/$libdir/libkelvra.so.1")" ] ||
    fail "sorvek does not use the installed libkelvra: $(ldd "$prefix/bin/sorvek" | grep kelvra)"
fi

# ---- Kelvra ----
library=$prefix/$libdir/libkelvra.so.1
if [ -f "$library" ]; then
  soname=$(readelf -d "$library" | sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
  [ "$soname" = libkelvra.so.1 ] || fail "libkelvra's SONAME is \"$soname\""
  exported=$(nm -D --defined-only "$library" | awk '$2 == "T" { print $3 }' | LC_ALL=C sort)
  expected=$(printf '%s\n' create_kernel destroy_kernel set_filename set_nrows set_ncols set_xll \
    set_yll set_cs set_nodata set_avg set_stddev set_corrx set_corry set_initvalue set_disttype \
    initialize_kernel run_kernel_stepwise shutdown_kernel | LC_ALL=C sort)
  [ "$exported" = "$expected" ] || fail "libkelvra exports: $(echo $exported)"
fi
[ -f "$prefix/include/kelvra.h" ] || fail "include/kelvra.h is missing"
cat >"$work/field.c" <<'EOF'
#include <kelvra.h>
#include <stdio.h>

/* Generates a 3 x 4 field and writes it as an ASCII grid. */
int main(int argc, char** argv) {
    int rows = 0, cols = 0, row = 1, col = 1;
    if (argc != 2 || create_kernel() != 0) return 1;
    set_filename(0, argv[1]);
    set_nrows(0, 3);
    set_ncols(0, 4);
    set_corrx(0, 0.2);
    set_corry(0, 0.2);
    set_initvalue(0, 7);
    if (initialize_kernel(0, &rows, &cols) == NULL || rows != 3 || cols != 4) return 2;
    while (run_kernel_stepwise(0, &row, &col, 5) != 1) {
        if (++col > cols) { col = 1; ++row; }
    }
    if (shutdown_kernel(0, 1) != 0) return 3;
    destroy_kernel();
    puts("written");
    return 0;
}
EOF
export PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
if ! flags=$(pkg-config --cflags --libs kelvra 2>"$work/err"); then
  fail "pkg-config does not know kelvra: $(cat "$work/err")"
elif ! "$cc" "$work/field.c" -o "$work/field" $flags \
  -Wl,-rpath,"$(pkg-config --variable=libdir kelvra)" 2>"$work/err"; then
  fail "a C program does not build against kelvra: $(cat "$work/err")"
elif [ "$("$work/field" "$work/field.asc")" != written ] ||
  ! head -n 1 "$work/field.asc" | grep -q '4'; then
  fail "the C program against kelvra did not write its field"
fi

# ---- desktop entries, file types, manual pages, icons ----
for program in vistal linara sorvek; do
  entry=$prefix/share/applications/$program.desktop
  desktop-file-validate "$entry" >"$work/err" 2>&1 || fail "$entry: $(cat "$work/err")"
  grep -q "^Icon=$program$" "$entry" || fail "$entry names no icon of its own"
  [ -f "$prefix/share/icons/hicolor/scalable/apps/$program.svg" ] || fail "no SVG icon of $program"
  for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$program.png
    # The PNG header: its width and height as 4-byte big-endian numbers from byte 16.
    read -r w0 w1 w2 w3 h0 h1 h2 h3 < <(od -An -tu1 -j16 -N8 "$png" 2>/dev/null || echo)
    [ "$(((w2 << 8) + w3))x$(((h2 << 8) + h3))" = "${size}x${size}" ] ||
      fail "$png is not a ${size}x${size} PNG"
  done
  MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$program.1" >"$work/man" 2>"$work/err" ||
    fail "man -l $program.1 failed"
  [ -s "$work/err" ] && fail "man -l $program.1 warns: $(cat "$work/err")"
  grep -q "^NAME" "$work/man" || fail "man -l $program.1 shows no NAME section"
done
grep -q '^Exec=vistal %F$' "$prefix/share/applications/vistal.desktop" ||
  fail "vistal.desktop does not pass files"
grep -q '^MimeType=.*application/x-tolmar-ascii-grid;' "$prefix/share/applications/vistal.desktop" ||
  fail "vistal.desktop does not open ASCII grids"
cp -r "$prefix/share/mime" "$work/mime"
# (Inside the search path of the desktop, so that it only reports what is wrong.)
if XDG_DATA_DIRS=$work XDG_DATA_HOME=$work update-mime-database "$work/mime" 2>"$work/err"; then
  grep -q '^60:application/x-tolmar-ascii-grid:\*\.asc$' "$work/mime/globs2" ||
    fail "the MIME database does not take *.asc as an ASCII grid"
  grep -q 'application/x-vistal-palette:\*\.vlp$' "$work/mime/globs2" ||
    fail "the MIME database does not know palette files"
  grep -q '^application/x-linara-settings$' "$work/mime/types" ||
    fail "the MIME database does not know Linara's settings files"
else
  fail "update-mime-database refuses the MIME package: $(cat "$work/err")"
fi
[ -s "$work/err" ] && fail "update-mime-database warns: $(cat "$work/err")"

# ---- the user guide ----
guide=$prefix/share/doc/tolmar-tools/guide
for page in index vistal linara sorvek formats command-line install; do
  [ -f "$guide/$page.html" ] || fail "the guide has no $page.html"
done
for page in "$guide"/*.html; do
  grep -o -E '(href|src)="[^"#:]+' "$page" | sed -E 's/^(href|src)="//' | sort -u |
    while read -r target; do
      [ -f "$guide/$target" ] || echo "$(basename "$page") links to the missing $target"
    done
done >"$work/links"
[ -s "$work/links" ] && fail "broken links in the guide: $(cat "$work/links")"
for program in vistal linara sorvek; do
  grep -q "id=\"$program\"" "$guide/command-line.html" ||
    fail "the guide's command-line page lacks $program"
done

# ---- the palettes that come with the suite ----
# Without palette files of the user's, the installed Vistal offers the suite's four palettes
# after its six built-in ones.
printf 'ncols 2\nnrows 2\nxllcorner 0\nyllcorner 0\ncellsize 1\nNODATA_value -9999\n1 2\n3 4\n' >"$work/g.asc"
for n in 7 10; do
  XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen "$prefix/bin/vistal" --render \
    "$work/g.asc" "$work/g$n.png" --palette "$n" >/dev/null 2>"$work/err" ||
    fail "the installed vistal does not offer palette $n: $(cat "$work/err")"
done
XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen "$prefix/bin/vistal" --render \
  "$work/g.asc" "$work/g11.png" --palette 11 >/dev/null 2>&1 &&
  fail "the installed vistal offers more than the four palettes of the suite"

if [ "$failures" -gt 0 ]; then
  echo "install_test: $failures failures" >&2
  exit 1
fi
echo "install_test: the installation under a temporary prefix is complete"
