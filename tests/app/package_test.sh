#!/usr/bin/env bash
# Builds the .deb from a build folder and holds it to Debian's rules:
# lintian must report no error and no warning.
#
# usage: package_test.sh BUILD_DIR SCRATCH_DIR
# Skips (exit 77) without cpack's Debian tools or lintian.
set -euo pipefail
build=$1
scratch=$2
for command in dpkg-deb dpkg-shlibdeps lintian; do
  command -v "$command" >/dev/null || {
    echo "package_test: $command is missing; skipped" >&2
    exit 77
  }
done
rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$build" && cpack -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1) || {
  cat "$scratch/cpack.log" >&2
  exit 1
}
package=$(find "$scratch" -maxdepth 1 -name 'mikawase_*.deb' | head -n 1)
[[ -n $package ]] || { echo "package_test: cpack made no .deb" >&2; exit 1; }
# lintian exits 0 on warnings, so its report itself is what is judged.
report=$(lintian "$package" 2>&1 || true)
if grep -E '^[EW]: ' <<<"$report"; then
  echo "package_test: lintian found errors or warnings in $(basename "$package")" >&2
  exit 1
fi
echo "package_test: $(basename "$package") passes lintian"
