# Shared by ./play, ./run-tests and ./run-bench: installs the Debian packages each needs
# (with sudo when not root) and configures and builds one CMake preset.

# What building and playing need: compilers and build tools, the libraries, the sound font
# and the font the game's text uses.
PLAY_PACKAGES=(
    build-essential cmake ninja-build pkg-config
    libsdl2-dev libsdl2-mixer-dev libfluidsynth-dev timgm6mb-soundfont
    libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl1
    libjpeg-dev libpng-dev libfreetype-dev libfontconfig-dev fonts-liberation2
)
# What the benchmarks add: Google Benchmark and the script that runs them.
BENCH_PACKAGES=(libbenchmark-dev python3)
# What the tests add: GoogleTest, the scripted checks, clang for the fuzz targets, and a
# private X server driven by real key events for the real-window test.
TEST_PACKAGES=(
    "${BENCH_PACKAGES[@]}" libgtest-dev
    clang libclang-rt-dev xvfb xauth xdotool
)

# Installs those of the named packages that are missing.
install_packages() {
    local missing=()
    for package in "$@"; do
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
