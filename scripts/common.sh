# Shared by ./run and ./test: the Debian/Ubuntu packages the project needs, and the build set-up.

RUN_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
# gio asks, as GNOME's file manager does, what a file is and which program opens it.
TEST_PACKAGES=(libgtest-dev poppler-utils locales desktop-file-utils appstream dpkg-dev lintian libglib2.0-bin)
# cpack's Debian generator reads the program's library dependencies with `file` and dpkg-shlibdeps.
DEB_PACKAGES=(dpkg-dev file)

# The clang that this Debian release carries with libFuzzer: 14 on Debian 12, 19 on Debian 13; elsewhere the
# newest clang++-N installed, if any.
release_clang_version() {
    case $(. /etc/os-release && echo "${VERSION_CODENAME:-}") in
        bookworm) echo 14 ;;
        trixie) echo 19 ;;
        *) compgen -c clang++- | sed -n 's/^clang++-\([0-9][0-9]*\)$/\1/p' | sort -n | tail -n 1 ;;
    esac
}
CLANG_VERSION=$(release_clang_version)
CLANG_VERSION=${CLANG_VERSION:-19}

# CI adds clang for the libFuzzer targets and clang-tidy for static analysis; ./test runs the fuzz targets
# whenever that clang and its runtime are there.
CI_PACKAGES=("clang-$CLANG_VERSION" "libclang-rt-$CLANG_VERSION-dev" "clang-tidy-$CLANG_VERSION" clang-format)

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

# ON under CI (CI=true), where warnings are errors.
werror_setting() {
    if [ -n "${CI:-}" ]; then echo ON; else echo OFF; fi
}

# Configures the one build folder, with the options given (configure_build -DCORVANTA_BUILD_TESTS=ON ...).
# A build folder not configured yet (no build.ninja: new, or its configuration failed) leaves the tests out, so
# that the program builds without the test packages; a configured one keeps its options, so that ./run after
# ./test neither drops the tests nor makes the next ./test build them again.
configure_build() {
    local first=()
    [ -f build/build.ninja ] || first=(-DCORVANTA_BUILD_TESTS=OFF)
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTA_WERROR="$(werror_setting)" "${first[@]}" "$@" \
        >/dev/null
}

# Runs a command and says how long it took: timed <name> <command...>
timed() {
    local name=$1 start=$SECONDS
    shift
    echo "== $name"
    "$@"
    echo "== $name: $((SECONDS - start)) s"
}

# Whether the release's clang and its libFuzzer runtime are installed.
fuzz_compiler_installed() {
    command -v "clang++-$CLANG_VERSION" >/dev/null &&
        dpkg-query -W -f='${Status}' "libclang-rt-$CLANG_VERSION-dev" 2>/dev/null | grep -q "install ok installed"
}

# Builds the libFuzzer targets with the release's clang in build-fuzz/ and runs each for a short, seeded, bounded
# time.
run_fuzz_smoke() {
    CC="clang-$CLANG_VERSION" CXX="clang++-$CLANG_VERSION" cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCORVANTA_WERROR="$(werror_setting)" -DCORVANTA_FUZZ=ON -DCORVANTA_BUILD_APP=OFF -DCORVANTA_BUILD_TESTS=OFF \
        >/dev/null
    cmake --build build-fuzz
    (cd build-fuzz && ctest --output-on-failure -j "$(nproc)")
}

# Builds and runs the whole suite with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
run_sanitized_suite() {
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANTA_WERROR=ON -DCORVANTA_SANITIZE=ON >/dev/null
    cmake --build build-asan
    (cd build-asan && ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1:check_initialization_order=1 \
        LSAN_OPTIONS="suppressions=$PWD/../.ci/lsan.supp:print_suppressions=0" UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --output-on-failure -j "$(nproc)")
}

# clang-tidy with the repository's .clang-tidy over every source file of src/, from build/'s compile commands.
run_clang_tidy() {
    "run-clang-tidy-$CLANG_VERSION" -p build -quiet -j "$(nproc)" "$PWD/src/" >build/clang-tidy.log 2>&1 || {
        grep -v "^Suppressed\|^Use -header-filter\|warnings generated" build/clang-tidy.log
        return 1
    }
}
