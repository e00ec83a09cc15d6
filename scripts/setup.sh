# Shared by ./run and ./test: installs what the build needs and builds one configuration.
# Sourced, not run; expects KAKITORI_ROOT to be set.

KAKITORI_PACKAGES=(
  cmake ninja-build g++ ccache pkg-config
  clang libclang-rt-14-dev            # sanitizer and fuzzing build
  qt6-base-dev qt6-qpa-plugins        # Qt (its ICU gives code page 932), window platforms
  qt6-translations-l10n               # Japanese texts of Qt's own dialogs
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-ipaexfont fonts-klee fonts-noto-cjk
                                      # faces for the Windows font names
  libharfbuzz-dev                     # vertical-writing glyphs
  libgtest-dev libgmock-dev libbenchmark-dev
)

# Installs the packages not yet installed; says nothing when all are there.
kakitori_install_missing() {
  local missing=() package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
}

# kakitori_build DIR [CMAKE OPTIONS...]: configures once, then builds incrementally.
kakitori_build() {
  local dir=$1
  shift
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$KAKITORI_ROOT" -B "$dir" -G Ninja "${launcher[@]}" "$@" >/dev/null || return 1
  fi
  cmake --build "$dir"
}

kakitori_build_release() {
  kakitori_build "$KAKITORI_ROOT/build/release" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAKITORI_WERROR=ON
}

# Qt reaches ibus by itself; a desktop that runs fcitx5 needs its Qt 6 front end for Japanese input.
kakitori_input_method_packages() {
  dpkg-query -W -f='${Status}' fcitx5 2>/dev/null | grep -q 'install ok installed' &&
    echo fcitx5-frontend-qt6
  return 0
}
