#!/usr/bin/env bash
# Makes the Windows installer from a folder laid out as the zip is (the
# programs, README.txt, data\), with wixl from Debian's msitools:
#
#   tools/windows/build-msi.sh STAGE VERSION ICON OUTPUT.msi [PUBLISHER]
#
# tools/build-windows.sh calls it with what it has just built; the
# installer's test calls it again with another version, to upgrade.
set -euo pipefail
if [[ $# -lt 4 || $# -gt 5 ]]; then
  echo "usage: $0 STAGE VERSION ICON OUTPUT.msi [PUBLISHER]" >&2
  exit 2
fi
stage=$1 version=$2 icon=$3 output=$4 publisher=${5:-Mikawase maintainers}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Windows Installer compares major.minor.build, each at most 255.65535.
if [[ ! $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]]; then
  echo "$0: version '$version' is not MAJOR.MINOR.PATCH" >&2
  exit 2
fi
# wixl fails on any defined text beyond ASCII.
if [[ ! $publisher =~ ^[[:print:]]+$ ]] || LC_ALL=C grep -q '[^ -~]' <<<"$publisher"; then
  echo "$0: the publisher '$publisher' must be printable ASCII" >&2
  exit 2
fi
# The product code is a GUID that depends on the version alone: every
# version is a new product (which a major upgrade needs), and building the
# same version twice gives the same product.
product_code=$(python3 -c 'import sys, uuid
print(uuid.uuid5(uuid.UUID("5b7e2d1c-40a4-4d55-9b1e-6c0d3f1a8e27"), "mikawase " + sys.argv[1]))' "$version")

# wixl finds the files' sources only by paths relative to where it runs.
output=$(realpath "$output")
icon=$(realpath --relative-to="$stage" "$icon")
cd "$stage"
wixl --arch x64 --output "$output" \
  --define "Version=$version" \
  --define "ProductCode=$product_code" \
  --define "Publisher=$publisher" \
  --define "Icon=$icon" \
  "$here/mikawase.wxs"

# The names Windows shows, in Japanese. wixl 0.101 cannot write them (it
# leaves every text beyond ASCII empty), so they go in afterwards: first
# the database's code page, 932, then the texts, through msibuild's SQL.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$scratch/_ForceCodepage.idt"
msibuild "$output" -i "$scratch/_ForceCodepage.idt"
msibuild "$output" \
  -q "UPDATE Property SET Value = 'ミカワセ' WHERE Property = 'ProductName'" \
  -q "UPDATE Shortcut SET Name = 'ミカワセ', Description = '英語を日本語に / English to Japanese' WHERE Shortcut = 'MikawaseShortcut'"
