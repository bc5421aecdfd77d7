#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, run and test.
# Checks with dpkg first, so a second run installs nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  libsdl2-dev libsdl2-mixer-dev libx11-dev libpng-dev libpango1.0-dev libfontconfig-dev
  fonts-noto-cjk
  xvfb xdotool x11-utils x11-apps python3-xlib imagemagick
  python3 python3-numpy python3-pil lame
  clang libclang-rt-14-dev time
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
