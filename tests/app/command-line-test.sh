#!/usr/bin/env bash
# Runs the built program from a terminal with no display: --help and --version answer there, Qt's own options
# (-platform, -style, -reverse) reach the window, and anything else is refused with a usage line.
set -uo pipefail
program=$1
version=$2

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
# A window that starts keeps its settings in a home of its own.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_STATE_HOME=$scratch/state XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
usage="Usage: $program [--help] [--version] [Qt's options, such as -platform NAME] [FILE]"

failures=0
# expect <status> <a line of standard output> <a line of standard error> <arguments...>: a line is a grep -E
# pattern, "" for an empty stream or "-" for anything. Status 124: still running after 3 s, so the window started.
# Standard output goes to $into when it is set.
expect() {
    local status=$1 out=$2 err=$3 limit=60 problems=()
    shift 3
    [ "$status" -eq 124 ] && limit=3
    timeout "$limit" "$program" "$@" >"${into:-$scratch/out}" 2>"$scratch/err"
    local actual=$?
    [ "$actual" -eq "$status" ] || problems+=("status $actual, not $status")
    for stream in out err; do
        case ${!stream} in
        -) ;;
        "") [ -s "$scratch/$stream" ] && problems+=("standard $stream is not empty") ;;
        *) grep -qE "${!stream}" "$scratch/$stream" || problems+=("standard $stream has no line like ${!stream}") ;;
        esac
    done
    [ -n "$err" ] && [ "$status" -eq 1 ] && ! grep -qxF "$usage" "$scratch/err" && problems+=("no usage line")
    [ ${#problems[@]} -eq 0 ] && return
    echo "FAIL: corvanta $*: ${problems[*]}"
    sed 's/^/    /' "$scratch/out" "$scratch/err"
    failures=$((failures + 1))
}

# status  standard output                                   standard error                 arguments
expect 0 '^Usage: .*corvanta \[options\] \[FILE\]$' '' --help
expect 0 '^  -v, --version +Displays version information\.$' '' -h
expect 0 "^Corvanta $version\$" '' --version
expect 0 "^Corvanta $version\$" '' -v
expect 1 '' "^Unknown option 'bogus'\.\$" -platform offscreen --bogus
expect 1 '' "^Unknown option 'x'\.\$" -platform offscreen -style Fusion -x
# One scenario file at most.
expect 1 '' "^Unexpected argument 'b\.corvanta'\.\$" -platform offscreen a.corvanta b.corvanta
# Qt's -reverse is one option, not -r -e -v -e -r -s -e.
expect 124 '' - -platform offscreen -style Fusion -reverse
# An answer that cannot be written is a failure.
into=/dev/full expect 1 - '' --help
into=/dev/full expect 1 - '' --version

[ "$failures" -eq 0 ] && echo "the command line answers, refuses and starts as it should"
exit $((failures > 0))
