# Shared by the scripts: the packages the project needs and the build steps.

BUILD_PACKAGES=(g++ cmake ninja-build pkg-config libgtest-dev qt6-base-dev qt6-svg-dev libpng-dev
  qt6-multimedia-dev qt6-image-formats-plugins gstreamer1.0-plugins-base
  gstreamer1.0-plugins-good fonts-liberation2 fonts-dejavu-core libwmf-dev fonts-urw-base35
  qt6-translations-l10n fonts-lohit-deva fonts-droid-fallback)
RUN_PACKAGES=(xvfb xauth)

# Installs the Debian packages that are missing (needs root, as on CI).
ensure_packages() {
  local missing=()
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local dir=$1; shift
  # ccache, where installed, makes rebuilds in several checkouts cheap.
  if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
    set -- "$@" -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
  fi
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}
