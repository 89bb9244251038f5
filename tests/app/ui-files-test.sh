#!/usr/bin/env bash
# Every window description compiles without a warning: uic only warns, for example about a tab stop that names a
# control the window no longer has, and the build goes on with the order that warning dropped.
set -euo pipefail
uic=$1
shift
status=0
for ui in "$@"; do
    warnings=$("$uic" "$ui" -o /dev/null 2>&1) || { echo "$ui does not compile"; status=1; }
    [ -z "$warnings" ] || { echo "$warnings"; status=1; }
done
exit "$status"
