#!/usr/bin/env bash
# Builds and runs Corvanta's benchmarks (bench/): the same set-up as ./test, then the figures on the offscreen
# platform and, on a virtual X display (Xvfb) on a free display number, on xcb. Arguments go to the
# benchmark program (--quick for fewer runs, --only startup|presses|schedule|extrapayments|loanoffers|core).
#
# --desktop-calculators measures instead how Corvanta starts next to the desktop calculators users already
# have: it installs (then, and only then) Debian's speedcrunch, galculator, qalculate-gtk and
# gnome-calculator, and times each of them, Corvanta (build/corvanta) and the empty window
# (build/bench/bench_startup_empty) from exec to the map of its first window on the Xvfb display, and reads
# each one's peak memory (bench/WindowShown.cpp). No window manager runs, as for the xcb figures: the map is
# then the program's own request, with no other program's work in the time. All of them run in the one
# environment set in desktop_environment below. --quick takes 5 runs of each instead of 20.
# --corvanta-binary PATH measures that build of the program as the Corvanta entry instead of build/corvanta;
# given more than once, every one of them, e.g. the last landed build and the new one in the same run. Each
# Corvanta is held to the targets: no slower than the build given before it, and the fastest desktop calculator
# taking at least twice its time to show a window.
set -euo pipefail
caller=$PWD
cd "$(dirname "$0")/.."
source scripts/common.sh

# The desktop calculators, their Debian packages, and what their measurement needs.
DESKTOP_CALCULATORS=("SpeedCrunch=/usr/bin/speedcrunch" "galculator=/usr/bin/galculator"
    "Qalculate=/usr/bin/qalculate-gtk" "GNOME Calculator=/usr/bin/gnome-calculator")
DESKTOP_CALCULATOR_PACKAGES=(speedcrunch galculator qalculate-gtk gnome-calculator libxcb1-dev dbus-daemon)

desktop_calculators=false
corvanta_binaries=()
corvanta_names=()
bench_arguments=()
runs=20
while [ $# -gt 0 ]; do
    case $1 in
    --desktop-calculators) desktop_calculators=true ;;
    --corvanta-binary)
        [ $# -ge 2 ] || { echo "--corvanta-binary needs a path" >&2; exit 2; }
        if ! binary=$(cd "$caller" && realpath -e -- "$2" 2>/dev/null) || [ ! -x "$binary" ]; then
            echo "not a program: $2" >&2
            exit 2
        fi
        corvanta_binaries+=("$binary")
        corvanta_names+=("Corvanta ($2)")
        shift
        ;;
    --quick)
        runs=5
        bench_arguments+=("$1")
        ;;
    *) bench_arguments+=("$1") ;;
    esac
    shift
done
if ! $desktop_calculators && [ ${#corvanta_binaries[@]} -gt 0 ]; then
    echo "--corvanta-binary goes with --desktop-calculators" >&2
    exit 2
fi

if $desktop_calculators; then
    for argument in "${bench_arguments[@]}"; do
        if [ "$argument" != --quick ]; then
            echo "--desktop-calculators takes only --quick and --corvanta-binary" >&2
            exit 2
        fi
    done
    ensure_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb "${DESKTOP_CALCULATOR_PACKAGES[@]}"
else
    ensure_packages "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb
fi
configure_build -DCORVANTA_BENCH=ON
if $desktop_calculators; then
    cmake --build build --target corvanta bench_startup_empty bench_window_shown
else
    cmake --build build --target corvanta_bench
fi

scratch=$(mktemp -d)
trap 'kill "${bus:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
# Xvfb picks a free display number itself and writes it to file descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do
    [ -s "$scratch/display" ] && break
    sleep 0.1
done
display=$(cat "$scratch/display")

if ! $desktop_calculators; then
    DISPLAY=":$display" LANG=C.UTF-8 build/bench/corvanta_bench "${bench_arguments[@]}"
    exit
fi

mkdir -p "$scratch/home/.config/Brellin" "$scratch/runtime"
chmod 700 "$scratch/runtime"
printf '[General]\nStartedBefore=true\n' >"$scratch/home/.config/Brellin/Corvanta.conf"
logs=build/bench/desktop-calculators
rm -rf "$logs"
mkdir -p "$logs"
# A session bus, running before the first program starts as on a desktop; it writes its address to file
# descriptor 3 and what it activates to its log.
dbus-daemon --session --nofork --print-address=3 3>"$scratch/bus" 2>"$logs/session-bus.log" &
bus=$!
for _ in $(seq 50); do
    [ -s "$scratch/bus" ] && break
    sleep 0.1
done

# The one environment every program starts in, the same for each: nothing of the caller's, a home of its own
# in which Corvanta has run before (so no welcome stops its start) and the others start with their defaults,
# and the session bus. Accessibility is off, since GTK would otherwise start the accessibility bus through the
# session bus at every start (Qt only looks whether it is there), and GSettings keeps its defaults in memory
# rather than starting dconf.
home=$scratch/home
desktop_environment=(PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config"
    XDG_CACHE_HOME="$home/.cache" XDG_DATA_HOME="$home/.local/share" XDG_STATE_HOME="$home/.local/state"
    XDG_RUNTIME_DIR="$scratch/runtime" DISPLAY=":$display" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb GDK_BACKEND=x11
    NO_AT_BRIDGE=1 GTK_A11Y=none GSETTINGS_BACKEND=memory DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$scratch/bus")")

programs=()
if [ ${#corvanta_binaries[@]} -eq 0 ]; then
    programs+=(--reference Corvanta build/corvanta)
else
    for i in "${!corvanta_binaries[@]}"; do
        programs+=(--reference "${corvanta_names[$i]}" "${corvanta_binaries[$i]}")
    done
fi
programs+=(--floor "empty Qt window" build/bench/bench_startup_empty)
for calculator in "${DESKTOP_CALCULATORS[@]}"; do
    programs+=(--program "${calculator%%=*}" "${calculator#*=}")
done
env -i "${desktop_environment[@]}" build/bench/bench_window_shown --runs "$runs" --logs "$logs" "${programs[@]}"
