#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing kameng
# need. Runs apt-get update once, and only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config ninja-build
  libgtk-3-dev libwebkit2gtk-4.1-dev libcurl4-openssl-dev
  googletest libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  libxtst-dev xvfb openbox xdotool wmctrl x11-utils imagemagick fonts-wqy-zenhei
  python3 curl procps
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -o DPkg::Lock::Timeout=600 >&2
"${sudo[@]}" apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}" >&2
