#!/usr/bin/env bash
# Installs the Debian packages Oralis needs to build, run and test, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build ccache pkg-config
  qt6-base-dev libgl-dev libglu1-mesa-dev libx11-dev libgl1-mesa-dri
  libqt6sql6-sqlite
  # A class's history on a server: Qt's PostgreSQL driver; the tests start a
  # throw-away server of Debian's own.
  libqt6sql6-psql postgresql
  # Qt Charts' CMake files need Qt OpenGL's, which qt6-charts-dev does not pull in.
  qt6-charts-dev libqt6opengl6-dev
  libmecab-dev mecab mecab-ipadic-utf8
  fonts-noto-cjk fonts-liberation2
  xvfb xauth x11-utils imagemagick
  # A real window manager, for the test that windows open beside the main window.
  openbox
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  ibus ibus-mozc dbus-x11 xdotool procps util-linux
  fcitx5 fcitx5-mozc fcitx5-frontend-qt6
  dpkg-dev file librsvg2-bin desktop-file-utils appstream lintian python3-debian
  # The Japanese interface: Qt's translation tools and CMake functions, Qt's own
  # Japanese, and the C library's Japanese messages (the system's reasons
  # for a failed save) under a generated ja_JP.UTF-8 locale.
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n locales libc-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "These packages are missing; run as root or install them: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The Japanese locale the translation tests run under; Debian ships its data
# but generates only the locales /etc/locale.gen enables.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP\.utf-\?8'; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "The locale ja_JP.UTF-8 is missing; run as root or generate it (locale-gen)" >&2
    exit 1
  fi
  echo "Generating the locale ja_JP.UTF-8"
  if grep -q '^# *ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  fi
  locale-gen
fi
