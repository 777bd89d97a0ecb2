#!/bin/sh
# Installs the Debian 12 packages the program and its tests need (as root; a no-op when they
# are all there). The faces: Liberation for the layouts' Arial (as wide), DejaVu for
# the Latin, Greek, Cyrillic, Arabic and Hebrew letters Liberation lacks, WenQuanYi Micro Hei
# for Chinese, Japanese and Korean (Qt falls back to them character by character).
set -eu
packages="build-essential cmake pkg-config git
  qt6-base-dev qt6-multimedia-dev libqt6opengl6-dev
  libsqlite3-dev sqlite3 libicu-dev libpng-dev libjpeg62-turbo-dev libgif-dev zlib1g-dev
  googletest libgtest-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick
  fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "These packages are missing:$missing" >&2
  echo "Run this script as root (or install them with apt-get)." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update
# shellcheck disable=SC2086
apt-get install -y --no-install-recommends $missing
