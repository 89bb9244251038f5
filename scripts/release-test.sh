#!/usr/bin/env bash
# Builds and tests a commit on a brand-new minimal Debian system of a given release: debootstrap's minbase (from
# the cache when it is there) receives a clean clone of the commit, and inside it, as root with CI=true, the
# README's `./test` installs what it needs, builds with warnings as errors and runs the whole suite. CI runs it
# for Debian 13 on every submission.
#
#   scripts/release-test.sh [--release trixie|bookworm] [--mirror URL] [--keep] [REPOSITORY [REF]]
#
# --release defaults to trixie (Debian 13); the mirror is the one this host's apt sources use; REPOSITORY and
# REF default to this repository's committed HEAD. Under /var/cache/corvanta-roots it keeps the minbase tarball,
# the downloaded packages and a compiler cache, so that a second run downloads and compiles less; a run without
# them makes them and takes longer, nothing more. When the mirror cannot be reached at all, it says so and exits
# 0 without testing; a failing set-up, build or test exits 1. --keep leaves the system in
# /var/tmp/corvanta-release-test/<release> for a look inside. Needs root (debootstrap, mount, chroot).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source scripts/debian-root.sh

SAY_PREFIX=release-test
read_root_arguments "$@"
work=${CORVANTA_RELEASE_TEST_WORK:-/var/tmp/corvanta-release-test}
root=$work/$suite

if ! mirror_reachable "$mirror" "$suite"; then
    say "SKIPPED: the Debian mirror $mirror cannot be reached, so nothing was tested on $suite."
    exit 0
fi

cleanup() {
    if $keep; then unmount_below "$root"; else remove_root "$root"; fi
    return 0
}
trap cleanup EXIT

# Each step runs with errexit in a subshell and says its time; the first to fail ends the run.
step() {
    local name=$1 start=$SECONDS result=0
    shift
    set +e
    (
        set -e
        "$@"
    )
    result=$?
    set -e
    [ "$result" -eq 0 ] || { say "FAILED: $name, after $((SECONDS - start)) s"; exit 1; }
    say "$name: $((SECONDS - start)) s"
}

prepare_root() {
    new_root "$root" "$suite" "$mirror" "$repository" "$commit" "$ref"
    # Caches only: the packages apt downloads, and the compiler's outputs.
    bind_into_root "$root" "$ROOTS_CACHE/$suite-apt" /var/cache/apt/archives
    bind_into_root "$root" "$ROOTS_CACHE/$suite-ccache" /var/cache/ccache
}

# ccache for the build inside, installed apart from what ./test installs; the build works without it.
compiler_cache() {
    local in_root
    root_command "$root" DEBIAN_FRONTEND=noninteractive \
        bash -c 'apt-get update -qq && apt-get install -y -qq --no-install-recommends ccache >/dev/null'
    "${in_root[@]}" || say "no ccache in the new system: building without it"
}

readme_test() {
    local in_root log=$work/$suite-test.log result=0 launcher=()
    [ -x "$root/usr/bin/ccache" ] &&
        launcher=(CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=/var/cache/ccache)
    root_command "$root" CI=true "${launcher[@]}" ./test
    say "CI=true ./test in the new $suite system; its output: $log"
    "${in_root[@]}" >"$log" 2>&1 || result=$?
    grep -E 'tests passed|tests failed out of|^== fuzz' "$log" | sed 's/^/    /' || true
    if [ "$result" -ne 0 ]; then
        tail -n 40 "$log"
        return 1
    fi
}

mkdir -p "$work"
say "repository $repository at ${commit:0:12}; $suite from $mirror"
step "host tools" ensure_packages debootstrap
step "base system" make_base_system "$suite" "$mirror" "$work"
step "new system with a clean clone" prepare_root
step "compiler cache" compiler_cache
step "CI=true ./test" readme_test
say "passed on $suite"
