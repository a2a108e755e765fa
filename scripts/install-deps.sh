#!/usr/bin/env bash
# Installs the Debian packages Kinrow needs to build, run and test; skips those present.
set -euo pipefail
# fonts-droid-fallback: Chinese, Japanese and Korean names in charts and lists (DejaVu covers
# Greek, Cyrillic, Arabic and Hebrew).
packages=(cmake ninja-build g++ make qt6-base-dev libqt6printsupport6 libjpeg62-turbo-dev
          libgtest-dev googletest libbenchmark-dev fonts-liberation fonts-dejavu-core
          fonts-droid-fallback poppler-utils desktop-file-utils appstream dpkg-dev shared-mime-info
          man-db)
if [ "${1:-}" = "--extra" ]; then
    # Fuzzing, looking at the program headless and drawing the icon sizes.
    packages+=(clang libclang-rt-14-dev xvfb xauth librsvg2-bin)
fi
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
