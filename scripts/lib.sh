# Shared by the scripts: installing what is missing, configuring, building.
# shellcheck shell=bash

KIRVANO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Packages to build and run the program.
KIRVANO_BUILD_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins
    fonts-dseg fonts-liberation fonts-comic-neue
    qt6-translations-l10n
    libsndfile1-dev libpulse-dev
)

# Packages the tests need on top: the test framework, a virtual display and
# window manager, a private sound server, the tools that measure sound and
# take screenshots, and the validators of the menu entry and metainfo.
KIRVANO_TEST_PACKAGES=(
    googletest libgtest-dev libgmock-dev
    xvfb xauth openbox x11-utils xdotool
    mutter qt6-wayland # a headless Wayland compositor, and Qt's platform for it
    pulseaudio pulseaudio-utils sox
    desktop-file-utils appstream imagemagick
    clang-format git
    dbus-x11 # on purpose: many desktops have it, and the tests must pass with its X11 bus autolaunch
)

# Packages of the sound tests on a private PipeWire (scripts/test-pipewire):
# PipeWire with its pulse server and session manager, and a bus for the latter.
KIRVANO_PIPEWIRE_PACKAGES=(
    pipewire pipewire-bin pipewire-pulse wireplumber pulseaudio-utils dbus-daemon
)

# Packages of the settings reader's fuzz target (scripts/fuzz): clang with
# libFuzzer and the sanitizer run-time libraries.
KIRVANO_FUZZ_PACKAGES=(
    clang libclang-rt-14-dev
)

# Installs the Debian packages of the arguments that are not installed yet.
ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo="sudo"
        else
            echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local dir="$1"
    shift
    cmake -S "$KIRVANO_ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}
