#!/usr/bin/env bash
# Cross-builds the Windows program and packs it twice, from the same files:
# build/windows/mikawase-VERSION-win64.zip holding mikawase.exe,
# mikawase-cli.exe, data\ with the three dictionaries and their licence, and
# README.txt, which is the whole installation wherever it is unpacked; and
# build/windows/mikawase-VERSION-win64.msi, which installs them for the
# current user with a Start-menu shortcut and an uninstaller.
#
#   tools/build-windows.sh [-DMIKAWASE_PUBLISHER="Name"]
#
# Arguments go to CMake's configure step; MIKAWASE_PUBLISHER is the
# installer's publisher. MIKAWASE_WINDOWS_PRESET names the build to pack
# (windows-release unless it says otherwise): the test run packs the
# windows-ci build it has just tested, which compiles the programs with the
# same flags, warnings as errors besides, and installs only the programs.
set -euo pipefail
cd "$(dirname "$0")/.."

preset=${MIKAWASE_WINDOWS_PRESET:-windows-release}
tools/windows/install-deps.sh
cmake --preset "$preset" "$@"
cmake --build --preset "$preset"

build=build/windows/${preset#windows-}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
publisher=$(sed -n 's/^MIKAWASE_PUBLISHER:STRING=//p' "$build/CMakeCache.txt")
stage=build/windows/package
zip_file=build/windows/mikawase-$version-win64.zip
msi_file=build/windows/mikawase-$version-win64.msi
rm -rf "$stage" "$zip_file" "$msi_file"
cmake --install "$build" --prefix "$stage" --strip >/dev/null

# The dictionaries' README speaks of both systems' personal folders; the
# Windows copy names only the Windows one.
python3 - "$stage/data/README.txt" <<'END'
import sys
path = sys.argv[1]
text = open(path, encoding="utf-8").read()
start = text.index("Your own words do not belong here")
end = text.index("so that their entries win:", start) + len("so that their entries win:")
windows = """Your own words do not belong here: these files are replaced by every
update. Put them in your personal dictionaries, files of the same names and
format in %APPDATA%\\mikawase, which are applied right before these, so that
their entries win:"""
open(path, "w", encoding="utf-8").write(text[:start] + windows + text[end:])
END
if grep -q 'XDG\|~/' "$stage/data/README.txt"; then
  echo "$stage/data/README.txt still speaks of Linux folders" >&2
  exit 1
fi

# Text for Notepad has CR LF; the dictionaries stay byte for byte as shipped.
to_crlf() { sed 's/\r$//; s/$/\r/' "$1" >"$2"; }
to_crlf tools/windows/README.txt "$stage/README.txt"
for text in "$stage"/data/README.txt "$stage"/data/LICENSE-dictionaries.txt; do
  to_crlf "$text" "$text.crlf" && mv "$text.crlf" "$text"
done

# The programs may need nothing beyond the DLLs that come with Windows.
allowed=' kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll ole32.dll version.dll msvcrt.dll advapi32.dll '
for program in "$stage"/*.exe; do
  for dll in $(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z'); do
    if [[ $allowed != *" $dll "* ]]; then
      echo "$program needs $dll, which Windows does not ship" >&2
      exit 1
    fi
  done
done

# The same bytes from the same sources: every file dated as the last commit.
stamp=$(git log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -d "@$stamp" {} +
(cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||' | zip -X -q -9 "../$(basename "$zip_file")" -@)
echo "$zip_file: $(stat -c %s "$zip_file") bytes"
unzip -l "$zip_file"

tools/windows/build-msi.sh "$stage" "$version" "$build/app/win32/mikawase.ico" "$msi_file" \
  "$publisher"
echo "$msi_file: $(stat -c %s "$msi_file") bytes"
