#!/usr/bin/env bash
# Builds the Debian package of the build with CPack and checks it from outside:
#   package_test.sh BUILD_DIR
# its name and version, the dependencies computed from the binaries, its contents, and that
# apt would install it (apt-get install --simulate).
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "package_test: $*" >&2
  failures=$((failures + 1))
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
(cd "$build" && cpack -G DEB -B "$work") >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  exit 1
}
arch=$(dpkg --print-architecture)
deb=$work/tolmar-tools_${version}_$arch.deb
[ -f "$deb" ] || {
  echo "package_test: no $(basename "$deb"); cpack made: $(ls "$work")" >&2
  exit 1
}

[ "$(dpkg-deb -f "$deb" Package)" = tolmar-tools ] || fail "the package is not named tolmar-tools"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 \
  libqcustomplot2.1-qt6 libnetcdf-c++4 libgdal32; do
  [[ ", $depends" == *", $library"* ]] || fail "Depends lacks $library: $depends"
done
[[ $depends == *kelvra* ]] && fail "Depends names the package's own library: $depends"

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./||' >"$work/contents"
for file in usr/bin/vistal usr/bin/linara usr/bin/sorvek usr/include/kelvra.h \
  usr/share/applications/vistal.desktop usr/share/mime/packages/tolmar-tools.xml \
  usr/share/man/man1/vistal.1 usr/share/doc/tolmar-tools/guide/index.html \
  usr/share/icons/hicolor/scalable/apps/vistal.svg; do
  grep -qx "$file" "$work/contents" || fail "the package lacks /$file"
done
grep -qE '^usr/lib/[^/]+/libkelvra\.so\.1$' "$work/contents" ||
  fail "the package lacks /usr/lib/<multiarch>/libkelvra.so.1"
grep -qE '^usr/lib/[^/]+/pkgconfig/kelvra\.pc$' "$work/contents" ||
  fail "the package lacks kelvra.pc"

if ! apt-get install --simulate --no-install-recommends "$deb" >"$work/apt.log" 2>&1; then
  fail "apt-get would not install the package: $(tail -n 5 "$work/apt.log")"
elif ! grep -q '^Inst tolmar-tools ' "$work/apt.log"; then
  fail "apt-get's simulation does not install tolmar-tools: $(tail -n 5 "$work/apt.log")"
fi

if [ "$failures" -gt 0 ]; then
  echo "package_test: $failures failures" >&2
  exit 1
fi
echo "package_test: $(basename "$deb") installs"
