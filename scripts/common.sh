# Shared by ./play, ./run-tests and ./bench: installs the Debian packages the game needs
# (with sudo when not root) and configures and builds one CMake preset.

MUNCHORA_PACKAGES=(
    build-essential cmake ninja-build pkg-config python3
    libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl1
    libjpeg-dev libpng-dev libfreetype-dev libfontconfig-dev fonts-liberation2
    libgtest-dev libbenchmark-dev
    clang libclang-rt-dev xvfb xauth xdotool
)

install_packages() {
    local missing=()
    for package in "${MUNCHORA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build_preset() {
    local preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" "$@"
}
