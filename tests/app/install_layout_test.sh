#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what a user gets: one
# folder with both executables and data/ and translations/ beside them,
# launchers in bin/ that find those dictionaries, and the menu entry with its
# icon.
#
# usage: install_layout_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

rm -rf "$scratch"
mkdir -p "$scratch"
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for file in lib/mikawase/mikawase lib/mikawase/mikawase-cli; do
  [[ -f $prefix/$file && -x $prefix/$file ]] || fail "$file is not an executable file"
done
for name in noun.txt adjective.txt rome.txt; do
  cmp -s "$source_dir/data/$name" "$prefix/lib/mikawase/data/$name" ||
    fail "lib/mikawase/data/$name differs from data/$name"
done
# The window's Japanese, where InstallTranslators looks for it: beside the
# real executable.
cmp -s "$build/bin/translations/mikawase_ja.qm" "$prefix/lib/mikawase/translations/mikawase_ja.qm" ||
  fail "lib/mikawase/translations/mikawase_ja.qm is missing or not the build's"
[[ -f $prefix/share/applications/mikawase.desktop ]] || fail "no share/applications/mikawase.desktop"
[[ -f $prefix/share/icons/hicolor/scalable/apps/mikawase.svg ]] ||
  fail "no share/icons/hicolor/scalable/apps/mikawase.svg"
# What Debian wants beside a program: the copyright with the dictionaries'
# licence, the changelog and a manual page for each executable, compressed.
doc=$prefix/share/doc/mikawase
[[ -f $doc/copyright ]] || fail "no share/doc/mikawase/copyright"
grep -q "Attribution-ShareAlike" "$doc/copyright" 2>/dev/null ||
  fail "the copyright file does not carry the dictionaries' licence"
cmp -s <(tail -c "$(wc -c <"$source_dir/data/LICENSE-dictionaries.txt")" "$doc/copyright") \
  "$source_dir/data/LICENSE-dictionaries.txt" ||
  fail "the copyright file does not end with data/LICENSE-dictionaries.txt, word for word"
gzip -t "$doc/changelog.gz" 2>/dev/null || fail "no valid share/doc/mikawase/changelog.gz"
[[ -f $doc/README.dictionaries ]] || fail "no share/doc/mikawase/README.dictionaries"
for page in mikawase mikawase-cli; do
  gzip -t "$prefix/share/man/man1/$page.1.gz" 2>/dev/null || fail "no manual page for $page"
done

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/mikawase.desktop" || fail "invalid desktop entry"
fi

for program in mikawase mikawase-cli; do
  launcher=$prefix/bin/$program
  if [[ ! -L $launcher ]]; then
    fail "bin/$program is not a symlink"
    continue
  fi
  target=$(readlink "$launcher")
  [[ $target != /* ]] || fail "bin/$program points to an absolute path, $target"
  [[ $(readlink -f "$launcher") == $(readlink -f "$prefix/lib/mikawase/$program") ]] ||
    fail "bin/$program does not lead to lib/mikawase/$program"
done

# The filter through its launcher, through a second symlink elsewhere, and
# after the whole tree has moved: each time it must find data/.
expected="私が好きなのはあなた。"
check_filter() {
  local how=$1 program=$2 actual
  actual=$(echo "I like you." | "$program" 2>&1) || true
  [[ $actual == "$expected" ]] || fail "$how: expected '$expected', got '$actual'"
}
check_filter "bin/mikawase-cli" "$prefix/bin/mikawase-cli"
mkdir -p "$scratch/elsewhere"
ln -s "$prefix/bin/mikawase-cli" "$scratch/elsewhere/translate"
check_filter "a symlink to bin/mikawase-cli" "$scratch/elsewhere/translate"
mv "$prefix" "$scratch/moved"
check_filter "the moved tree" "$scratch/moved/bin/mikawase-cli"

# The window through its launcher must start and keep running; that it
# finds data/ through a symlink is form1_test_through_symlink's part.
if [[ -n ${QT_QPA_PLATFORM:-} ]]; then
  "$scratch/moved/bin/mikawase" >"$scratch/window.log" 2>&1 &
  window=$!
  sleep 2
  if kill -0 "$window" 2>/dev/null; then
    kill "$window"
    wait "$window" 2>/dev/null || true
  else
    fail "bin/mikawase did not keep running: $(cat "$scratch/window.log")"
  fi
fi

if ((failures > 0)); then
  exit 1
fi
echo "install layout: all checks passed"
