# Shared by ./run and ./test: the Debian/Ubuntu packages the project needs, and the build set-up.

RUN_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
TEST_PACKAGES=(libgtest-dev poppler-utils locales desktop-file-utils dpkg-dev lintian)
DEB_PACKAGES=(dpkg-dev)

# Installs the packages that are not installed yet; does nothing (and asks nothing) when all are there.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing ${missing[*]} ..."
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures the one build folder; CI (CI=true) turns warnings into errors.
configure_build() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTA_WERROR="$werror" >/dev/null
}
