#!/usr/bin/env bash
# Checks the README's quick start on brand-new Debian systems: a minimal Debian (debootstrap's minbase, nothing
# else installed) receives a clean clone of the repository, and inside it, as root, ./run must install what it
# needs, build and map Corvanta's main window on a virtual X display; ./test must then build and run the suite
# without rebuilding the program. A second new system runs ./test alone, then ./run, which must build nothing.
# Prints what happens at each stage and ends with one line per stage (passed or failed, seconds, the ninja steps
# each command ran).
#
#   scripts/fresh-machine.sh [--release trixie|bookworm] [--mirror URL] [--keep] [REPOSITORY [REF]]
#
# --release names the Debian release to check: trixie (Debian 13, the default) or bookworm (Debian 12).
# REPOSITORY defaults to this one and REF to its committed HEAD (uncommitted changes are not in the clone).
# The Debian mirror is the one this host's apt sources name for the release (or for the host's own release),
# unless --mirror gives one. --keep leaves the two systems in the work folder for a look inside. Needs root
# (debootstrap, mount, chroot) and installs debootstrap, Xvfb, xwininfo and xdotool on the host when missing.
# It downloads a whole system and every package the project needs, so neither ./test nor CI runs it. The base
# system is kept as a tarball in /var/cache/corvanta-roots, so a second run downloads only the project's
# packages.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source scripts/debian-root.sh

SAY_PREFIX=fresh-machine
# How long a stage may take before it counts as failed: a whole build on a small machine.
STAGE_LIMIT=${CORVANTA_FRESH_STAGE_LIMIT:-5400}
MAIN_WINDOW='^BRELLIN Corvanta'
WELCOME_BOX='^Information$'

read_root_arguments "$@"
WORK=${CORVANTA_FRESH_WORK:-/var/tmp/corvanta-fresh-machine/$suite}

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

# The cached base system: debootstrap's minbase for the release, packed once.
base_system() {
    if [ -f "$(base_tarball "$suite")" ]; then
        note "cached"
    else
        make_base_system "$suite" "$mirror" "$WORK"
        note "downloaded, $(du -h "$(base_tarball "$suite")" | cut -f1) cached"
    fi
}

new_root_here() { new_root "$1" "$suite" "$mirror" "$repository" "$commit" "$ref"; }

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
    new_root_here "$1"
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
    new_root_here "$1"
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
say "repository $repository at ${commit:0:12}; $suite from $mirror; work folder $WORK"
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
echo "Summary ($suite minbase, ${commit:0:12}, $SECONDS s in all):"
failed=0
for i in "${!stage_names[@]}"; do
    printf '  %-24s %-7s %6s s  %s\n' "${stage_names[$i]}" "${stage_results[$i]}" "${stage_seconds[$i]}" \
        "$(echo "${stage_notes[$i]}" | sed '/^$/d' | paste -sd ';' | sed 's/;/; /g')"
    [ "${stage_results[$i]}" = passed ] || failed=1
done
echo "Each command's output: $WORK/*.log"
if $keep; then echo "The two systems are kept: $WORK/run-first, $WORK/test-first"; fi
exit "$failed"
