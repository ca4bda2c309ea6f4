#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, and only
# those that are missing, so that a second run costs nothing.
set -euo pipefail
# shellcheck source=lib/install-missing.sh
source "$(dirname "$0")/lib/install-missing.sh"

packages=(
  # Build
  g++ cmake ninja-build pkg-config
  libicu-dev qt6-base-dev
  # lrelease compiles the window's Japanese; lupdate refreshes it
  # (tools/update-translations.sh) and checks it holds every text.
  qt6-l10n-tools
  # Tests and benchmarks
  libgtest-dev libbenchmark-dev python3 xvfb xauth xdotool xclip x11-apps
  # A window manager for tools/screenshot.sh, whose picture shows the title
  # bar, and xwininfo to find the frame it puts round the window.
  openbox x11-utils
  # The window draws Japanese; without a font for it every character is an
  # empty box. The same font the package recommends.
  fonts-noto-cjk
  # Qt's own words (context menus, file dialogs) in Japanese.
  qt6-translations-l10n
  # The sources of the Japanese locale the Windows window's test makes for
  # wine.
  locales
  # Packaging, and Debian's rules for packages
  dpkg-dev file lintian
  # The dictionaries are generated from these; their test skips without them.
  edict enamdict dict-freedict-eng-jpn wordnet-base libkkc-data python3-marisa
  # English text the vocabulary is measured on (tools/dictionaries/coverage.py).
  fortunes dict-devil debian-reference-en r-cran-janeaustenr
  # Fuzzing with libFuzzer under AddressSanitizer and UBSan.
  clang-14 libfuzzer-14-dev libclang-rt-14-dev
)

install_missing "${packages[@]}"
