#!/usr/bin/env bash
# Installs what building, testing, packaging (make package) and running the editor needs on Debian
# 12, and only what is missing: on a machine that already has everything it installs nothing and
# asks for no root rights.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n zlib1g-dev libpolyclipping-dev
  libqt6svg6
  fonts-liberation2 fonts-dejavu-core
  clang libclang-rt-dev clang-format
  libbenchmark-dev libx11-dev
  xvfb xauth xdotool x11-utils imagemagick python3 time
  dbus at-spi2-core python3-pyatspi
  dpkg-dev appstream desktop-file-utils man-db groff-base bash-completion lintian
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "install-deps: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
