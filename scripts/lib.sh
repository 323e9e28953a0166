# Shared by scripts/run and scripts/test: install what is missing, configure, build.
# Sourced, not run.

PINXEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
PINXEL_PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev libjpeg-dev libspng-dev zlib1g-dev
  qt6-tools-dev libqt6opengl6-dev dpkg-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth
  sip-tools pyqt6-dev python3-pyqtbuild python3-pyqt6 python3-dev python3-pytest
  doxygen qt6-documentation-tools qt6-l10n-tools qt6-translations-l10n abigail-tools
)

pinxel_install_deps() {
  local missing=() pkg
  for pkg in "${PINXEL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# pinxel_build PRESET: configure (once) and build with the named preset.
pinxel_build() {
  local preset=$1
  cd "$PINXEL_ROOT" || return 1
  cmake --preset "$preset" >/dev/null || return 1
  cmake --build --preset "$preset" -j "$(nproc)"
}
