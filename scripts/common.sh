# Shared by ./play and ./test: install what is missing, then build.
set -euo pipefail

FV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# FV_JOBS caps the build's and the tests' parallel jobs on a shared machine.
FV_JOBS="${FV_JOBS:-$(nproc)}"
FV_PACKAGES=(build-essential cmake ninja-build pkg-config
  libsfml-dev libsdl2-dev libtinyxml-dev libopenal-dev libgtk-3-dev
  libcairo2-dev libsndfile1-dev libpng-dev libdeflate-dev libgtest-dev libgmock-dev
  xvfb xauth xdotool imagemagick libgl1-mesa-dri fonts-dejavu-core fonts-comfortaa)

fv_install_packages() {
  local missing=()
  for p in "${FV_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -eq 0 ]; then return 0; fi
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# fv_build DIR [cmake options...]
fv_build() {
  local dir="$1"; shift
  cmake -S "$FV_ROOT" -B "$FV_ROOT/$dir" -G Ninja "$@" > /dev/null
  cmake --build "$FV_ROOT/$dir" -j "$FV_JOBS"
}
