# Shared steps of scripts/run and scripts/test: install what is missing, configure, build.
# Sourced, not run. ORVAN_BUILD_DIR and ORVAN_CMAKE_ARGS may be set by the caller.

ORVAN_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORVAN_BUILD_DIR="${ORVAN_BUILD_DIR:-$ORVAN_ROOT/build}"

# Debian 12 packages the build, the tests and the program need.
ORVAN_PACKAGES=(
    cmake ninja-build g++ ccache pkg-config
    qt6-base-dev qt6-charts-dev qt6-svg-dev qt6-tools-dev qt6-l10n-tools
    qt6-image-formats-plugins libgl-dev libqt6opengl6-dev libqt6sql6-sqlite libqt6sql6-psql
    libgtest-dev libbenchmark-dev
    libuemf-dev libemf2svg-dev libwmf-dev libsqlite3-dev
    fonts-liberation fonts-urw-base35 poppler-utils
)

orvan_install() {
    local missing=()
    for package in "${ORVAN_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

orvan_build() {
    cmake -S "$ORVAN_ROOT" -B "$ORVAN_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        ${ORVAN_CMAKE_ARGS:-}
    cmake --build "$ORVAN_BUILD_DIR"
}

# Every test: a core test that fails once fails the run; a window test (label "window") that
# loses a race with a loaded machine gets two more tries.
orvan_ctest() {
    local status=0
    ctest --test-dir "$ORVAN_BUILD_DIR" --output-on-failure -j2 -LE window || status=1
    ctest --test-dir "$ORVAN_BUILD_DIR" --output-on-failure -j2 -L window --repeat until-pass:3 ||
        status=1
    return $status
}
