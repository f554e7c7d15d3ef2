# Sourced by ./test.sh and ./run.sh. ensure_packages NAME... installs those of the Debian
# packages that are missing: with apt-get when run as root, otherwise it prints the line to
# run and fails. dpkg-query keeps a second run quick.
ensure_packages() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Missing packages. Install them with:"
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}"
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# What building the game needs, and what running it without a display needs.
game_packages=(
    cmake make g++
    libglfw3-dev libglew-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
    xvfb xauth
)
