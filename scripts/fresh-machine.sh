#!/usr/bin/env bash
# Checks the README's quick start on brand-new Debian 12 systems: a minimal Debian 12 (debootstrap's minbase,
# nothing else installed) receives a clean clone of the repository, and inside it, as root, ./run must install
# what it needs, build and map Corvanta's main window on a virtual X display; ./test must then build and run the
# suite without rebuilding the program. A second new system runs ./test alone, then ./run, which must build
# nothing. Prints what happens at each stage and ends with one line per stage (passed or failed, seconds, the
# ninja steps each command ran).
#
#   scripts/fresh-machine.sh [--mirror URL] [--keep] [REPOSITORY [REF]]
#
# REPOSITORY defaults to this one and REF to its committed HEAD (uncommitted changes are not in the clone).
# The Debian mirror is the one this host's apt sources name for bookworm, unless --mirror gives one. --keep
# leaves the two systems in the work folder for a look inside. Needs root (debootstrap, mount, chroot) and
# installs debootstrap, Xvfb, xwininfo and xdotool on the host when missing. It downloads a whole system and
# every package the project needs, so neither ./test nor CI runs it. The base system is kept as a tarball in
# the cache folder, so a second run downloads only the project's packages.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

SUITE=bookworm
CACHE=${CORVANTA_FRESH_CACHE:-/var/cache/corvanta-fresh-machine}
WORK=${CORVANTA_FRESH_WORK:-/var/tmp/corvanta-fresh-machine}
# How long a stage may take before it counts as failed: a whole build on a small machine.
STAGE_LIMIT=${CORVANTA_FRESH_STAGE_LIMIT:-5400}
BASE_TARBALL=$CACHE/$SUITE-minbase-$(dpkg --print-architecture).tar.gz
MAIN_WINDOW='^BRELLIN Corvanta'
WELCOME_BOX='^Information$'

mirror=
keep=false
while [ $# -gt 0 ]; do
    case $1 in
        --mirror) mirror=$2; shift 2 ;;
        --keep) keep=true; shift ;;
        -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
        *) break ;;
    esac
done
repository=$(cd "${1:-.}" && pwd)
ref=${2:-HEAD}
commit=$(git -C "$repository" rev-parse --verify "$ref^{commit}")

say() { echo "[fresh-machine $(date +%H:%M:%S)] $*"; }

[ "$(id -u)" -eq 0 ] || { echo "scripts/fresh-machine.sh needs root (debootstrap, mount, chroot)." >&2; exit 1; }

# The first URI this host's apt sources give for the suite, in deb822 (.sources) or one-line (.list) form.
host_mirror() {
    local sources=(/etc/apt/sources.list.d/*.sources) lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
    {
        for file in "${sources[@]}"; do
            [ -f "$file" ] || continue
            awk -v suite="$SUITE" '
                function stanza_end() {
                    if (deb && uri != "" && matched && enabled) print uri
                    deb = 0; uri = ""; matched = 0; enabled = 1
                }
                BEGIN { enabled = 1 }
                /^[[:space:]]*$/ { stanza_end(); next }
                tolower($1) == "types:" { for (i = 2; i <= NF; i++) if ($i == "deb") deb = 1 }
                tolower($1) == "uris:" { uri = $2 }
                tolower($1) == "suites:" { for (i = 2; i <= NF; i++) if ($i == suite) matched = 1 }
                tolower($1) == "enabled:" && tolower($2) == "no" { enabled = 0 }
                END { stanza_end() }' "$file"
        done
        for file in "${lists[@]}"; do
            [ -f "$file" ] || continue
            sed -E 's/\[[^]]*\]//' "$file" | awk -v suite="$SUITE" '$1 == "deb" && $3 == suite { print $2 }'
        done
    } | head -n 1
}

if [ -z "$mirror" ]; then
    mirror=$(host_mirror)
    [ -n "$mirror" ] || { echo "No $SUITE entry in this host's apt sources: give one with --mirror URL." >&2; exit 1; }
fi

# The stages' names, results, seconds and notes, in order.
stage_names=()
stage_results=()
stage_seconds=()
stage_notes=()
notes_file=$WORK/stage-note

# Runs one stage in a subshell with errexit, so that a failing command ends the stage and not the script:
# stage <name> <function> <arguments...>. The stage writes what it wants summarized to $notes_file. Call it as
# a command of its own (not in an if or a || list, where bash would ignore errexit inside the stage) and ask
# last_passed afterwards.
stage() {
    local name=$1 start=$SECONDS result
    shift
    say "== $name"
    rm -f "$notes_file"
    set +e
    (
        set -e
        "$@"
    )
    result=$?
    set -e
    stage_names+=("$name")
    stage_seconds+=($((SECONDS - start)))
    stage_notes+=("$(cat "$notes_file" 2>/dev/null || true)")
    if [ "$result" -eq 0 ]; then
        stage_results+=(passed)
        say "== $name: passed in $((SECONDS - start)) s"
    else
        stage_results+=(FAILED)
        say "== $name: FAILED after $((SECONDS - start)) s"
    fi
}

last_passed() { [ "${stage_results[-1]}" = passed ]; }

# Records a stage that did not run because one it builds on failed.
skip() {
    stage_names+=("$1")
    stage_results+=(skipped)
    stage_seconds+=(0)
    stage_notes+=("")
}

note() { echo "$*" >>"$notes_file"; }

# Unmounts everything mounted below a folder, deepest first.
unmount_below() {
    findmnt -rn -o TARGET | { grep "^$1/" || true; } | sort -r | while read -r target; do
        umount -l "$target" || true
    done
}

remove_root() {
    unmount_below "$1"
    if findmnt -rn -o TARGET | grep -q "^$1/"; then
        say "left $1 in place: something is still mounted in it"
    else
        rm -rf --one-file-system "$1"
    fi
}

roots=("$WORK/run-first" "$WORK/test-first")
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    for root in "${roots[@]}"; do
        if $keep; then unmount_below "$root"; else remove_root "$root"; fi
    done
    return 0
}
trap cleanup EXIT

host_tools() {
    local tools=(debootstrap xvfb x11-utils xdotool)
    ensure_packages "${tools[@]}"
    note "debootstrap, xvfb, x11-utils, xdotool on the host"
}

# The cached base system: debootstrap's minbase for the suite, packed once.
base_system() {
    local tarball=$BASE_TARBALL
    if [ -f "$tarball" ]; then
        say "cached base system: $tarball"
        note "cached"
        return 0
    fi
    say "downloading the $SUITE minbase system from $mirror (once; kept in $CACHE)"
    mkdir -p "$CACHE"
    rm -rf --one-file-system "$WORK/base"
    nice debootstrap --variant=minbase "$SUITE" "$WORK/base" "$mirror" >"$WORK/debootstrap.log" 2>&1 || {
        tail -n 20 "$WORK/debootstrap.log"
        return 1
    }
    tar -C "$WORK/base" --numeric-owner -czpf "$tarball.part" .
    mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$WORK/base"
    note "downloaded, $(du -h "$tarball" | cut -f1) cached"
}

# A new system in <root> from the cached base, with the host's name resolution, /proc, /sys, /dev and the X
# server's sockets, and a clean clone of the repository's commit in /root/corvanta.
new_root() {
    local root=$1
    remove_root "$root"
    mkdir -p "$root"
    tar -C "$root" --numeric-owner -xzpf "$BASE_TARBALL"
    echo "deb $mirror $SUITE main" >"$root/etc/apt/sources.list"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    git clone --quiet --no-checkout "$repository" "$root/root/corvanta"
    git -C "$root/root/corvanta" cat-file -e "$commit^{commit}" 2>/dev/null ||
        git -C "$root/root/corvanta" fetch --quiet "$repository" "$ref"
    git -C "$root/root/corvanta" checkout --quiet --detach "$commit"
    say "new root $root: $SUITE minbase, clone of ${commit:0:12}"
}

# The command that runs <command...> in the project's folder of <root> as a fresh login would: root's home and
# no environment inherited but the display, if one is given (DISPLAY=:N). Sets the array "in_root".
root_command() {
    local root=$1 display_setting=()
    shift
    if [ "${1:-}" != "${1#DISPLAY=}" ]; then
        display_setting=("$1")
        shift
    fi
    in_root=(nice chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb "${display_setting[@]}"
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
        /bin/bash -c 'cd /root/corvanta && exec "$@"' in-root "$@")
}

# "ninja steps: S (C compiled, L linked)": what ninja ran, from a command's log.
ninja_counts() {
    local steps compiled linked
    steps=$(grep -cE '^\[[0-9]+/[0-9]+\] ' "$1" || true)
    compiled=$(grep -cE '^\[[0-9]+/[0-9]+\] Building CXX object ' "$1" || true)
    linked=$(grep -cE '^\[[0-9]+/[0-9]+\] Linking ' "$1" || true)
    echo "ninja steps: $steps ($compiled compiled, $linked linked)"
}

# The program's own objects (src/) that a command compiled.
program_objects() {
    grep -oE '^\[[0-9]+/[0-9]+\] Building CXX object src/[^ ]+' "$1" | sed 's/.*Building CXX object //' | sort -u || true
}

# How many of the program's objects that <first log> compiled <second log> compiled again. Objects the first
# build never made (corvanta-calc's, which ./run does not build) are the second's first compile, not a rebuild.
program_compiles_again() {
    comm -12 <(program_objects "$1") <(program_objects "$2") | grep -c . || true
}

# ./run in <root> until the main window maps on the display; a first start's welcome box is closed with
# Enter on the way. Then the program is ended. <log> keeps ./run's output.
run_until_window() {
    local root=$1 log=$2 start=$SECONDS welcomed=false in_root report=60
    root_command "$root" DISPLAY=":$display" ./run
    # ./run and all it starts (the build, then the program) in a process group of their own, ended on the way
    # out of the stage (a global: the trap runs after this function has returned).
    setsid "${in_root[@]}" >"$log" 2>&1 &
    run=$!
    trap 'kill -- -"$run" 2>/dev/null || true; wait "$run" 2>/dev/null || true' EXIT
    say "./run started; its output: $log"
    while :; do
        if DISPLAY=":$display" xdotool search --onlyvisible --name "$MAIN_WINDOW" >/dev/null 2>&1; then
            say "the main window mapped after $((SECONDS - start)) s"
            break
        fi
        if ! $welcomed && DISPLAY=":$display" xdotool search --onlyvisible --name "$WELCOME_BOX" >/dev/null 2>&1; then
            say "the first start's welcome box mapped after $((SECONDS - start)) s; pressing Enter"
            DISPLAY=":$display" xdotool key Return
            welcomed=true
        fi
        if ! kill -0 "$run" 2>/dev/null; then
            say "./run ended before the window mapped; its last lines:"
            tail -n 30 "$log"
            return 1
        fi
        if [ $((SECONDS - start)) -gt "$STAGE_LIMIT" ]; then
            say "no window after $STAGE_LIMIT s"
            return 1
        fi
        if [ $((SECONDS - start)) -ge "$report" ]; then
            say "    $(grep -E '^\[[0-9]+/[0-9]+\] |^Installing ' "$log" | tail -n 1 | cut -c1-100)"
            report=$((report + 60))
        fi
        sleep 1
    done
    DISPLAY=":$display" xwininfo -root -tree | grep -F '("corvanta"' | sed 's/^ */    /' || true
    kill -- -"$run"
    wait "$run" 2>/dev/null || true
    if $welcomed; then note "welcome box closed with Enter"; fi
    note "window after $((SECONDS - start)) s"
}

# ./run on a new system: installs, builds, shows the window.
stage_run_fresh() {
    new_root "$1"
    run_until_window "$1" "$WORK/run-fresh.log"
    note "$(ninja_counts "$WORK/run-fresh.log")"
}

# ./test on a system where ./run has built the program: the program's objects must not compile again.
stage_test_after_run() {
    run_test "$1" "$WORK/test-after-run.log"
    local rebuilt
    rebuilt=$(program_compiles_again "$WORK/run-fresh.log" "$WORK/test-after-run.log")
    note "$rebuilt program objects compiled again"
    [ "$rebuilt" -eq 0 ] || { say "./test compiled $rebuilt of the program's objects again"; return 1; }
}

# ./test alone on a new system.
stage_test_fresh() {
    new_root "$1"
    run_test "$1" "$WORK/test-fresh.log"
}

# ./run on a system where ./test has built everything: nothing may compile.
stage_run_after_test() {
    run_until_window "$1" "$WORK/run-after-test.log"
    local counts compiled
    counts=$(ninja_counts "$WORK/run-after-test.log")
    note "$counts"
    compiled=$(grep -cE '^\[[0-9]+/[0-9]+\] (Building|Linking) ' "$WORK/run-after-test.log" || true)
    [ "$compiled" -eq 0 ] || { say "./run compiled or linked $compiled things that ./test had built"; return 1; }
}

run_test() {
    local root=$1 log=$2 result=0 in_root
    say "./test started; its output: $log"
    root_command "$root" ./test
    "${in_root[@]}" >"$log" 2>&1 || result=$?
    grep -E 'tests passed|tests failed out of|Total Test time' "$log" | sed 's/^/    /' || true
    note "$(ninja_counts "$log")"
    note "$(grep -E 'tests passed|tests failed out of' "$log" | tail -n 1)"
    if [ "$result" -ne 0 ]; then
        say "./test failed ($result); its last lines:"
        tail -n 30 "$log"
        return 1
    fi
}

mkdir -p "$WORK"
say "repository $repository at ${commit:0:12}; $SUITE from $mirror; work folder $WORK"
for root in "${roots[@]}"; do remove_root "$root"; done

# Nothing goes on once a stage that the next ones build on has failed.
all() {
    stage "host tools" host_tools
    last_passed || return 0
    stage "base system" base_system
    last_passed || return 0
    # The X server runs on the host; the roots reach it through its socket folder.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
    xvfb=$!
    for _ in $(seq 50); do
        [ -s "$WORK/display" ] && break
        sleep 0.1
    done
    display=$(cat "$WORK/display")
    say "Xvfb on :$display"
    stage "./run on a new system" stage_run_fresh "${roots[0]}"
    if last_passed; then
        stage "./test after ./run" stage_test_after_run "${roots[0]}"
    else
        skip "./test after ./run"
    fi
    stage "./test on a new system" stage_test_fresh "${roots[1]}"
    if last_passed; then
        stage "./run after ./test" stage_run_after_test "${roots[1]}"
    else
        skip "./run after ./test"
    fi
}
all

echo
echo "Summary ($SUITE minbase, ${commit:0:12}, $SECONDS s in all):"
failed=0
for i in "${!stage_names[@]}"; do
    printf '  %-24s %-7s %6s s  %s\n' "${stage_names[$i]}" "${stage_results[$i]}" "${stage_seconds[$i]}" \
        "$(echo "${stage_notes[$i]}" | sed '/^$/d' | paste -sd ';' | sed 's/;/; /g')"
    [ "${stage_results[$i]}" = passed ] || failed=1
done
echo "Each command's output: $WORK/*.log"
if $keep; then echo "The two systems are kept: $WORK/run-first, $WORK/test-first"; fi
exit "$failed"
