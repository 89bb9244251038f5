#!/usr/bin/env bash
# Builds a desktop's MIME database and menu entry cache from the installed tree, as Debian's triggers do on install,
# and asks GIO, as GNOME's file manager does, what each file is, which program opens a scenario, with which icon,
# and what the program is given when the file is opened; the JSON editors must still be offered.
# Exits 77 (a ctest skip) where update-mime-database (Debian shared-mime-info), update-desktop-database
# (desktop-file-utils) or gio (libglib2.0-bin) is missing.
set -euo pipefail
prefix=$1
scratch=$2

for tool in "update-mime-database shared-mime-info" "update-desktop-database desktop-file-utils" \
    "gio libglib2.0-bin"; do
    read -r program package <<<"$tool"
    command -v "$program" >/dev/null || { echo "SKIP: $program is missing (Debian $package)"; exit 77; }
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

scenario_type=application/x-corvanta-scenario
share=$scratch/share
rm -rf "$scratch"
mkdir -p "$share/mime/packages" "$share/applications" "$scratch/bin" "$scratch/home" "$scratch/config" \
    "$scratch/files"
# The system's types (application/json, text/plain) and the installed ones, and no other database: a desktop that
# had Corvanta installed before must not answer for the tree under test.
cp /usr/share/mime/packages/freedesktop.org.xml "$prefix"/share/mime/packages/*.xml "$share/mime/packages/"
cp "$prefix"/share/applications/*.desktop "$share/applications/"
printf '%s\n' '[Desktop Entry]' Type=Application Name=Editor 'Exec=editor %f' 'MimeType=application/json;' \
    >"$share/applications/editor.desktop"
# GIO lists only programs found on the PATH; these stand-ins tell what they were given.
for program in corvanta editor; do
    printf '#!/bin/sh\nprintf "%%s\\n" "$@" >"%s/%s.opened"\n' "$scratch" "$program" >"$scratch/bin/$program"
    chmod +x "$scratch/bin/$program"
done
desktop() {
    env -i PATH="$scratch/bin:/usr/bin:/bin" HOME="$scratch/home" LC_ALL=C.UTF-8 XDG_DATA_DIRS="$share" \
        XDG_DATA_HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_CONFIG_DIRS="$scratch/config" "$@"
}
# What a file manager reads of a file: attribute <name> <file>
attribute() { desktop gio info -a "standard::$1" "$2" | sed -n "s/^ *standard::$1: //p"; }

# update-mime-database exits 0 whatever it refuses, so anything it says is a fault: XML that is not well-formed,
# an element it cannot read.
report=$(desktop update-mime-database "$share/mime" 2>&1)
[ -z "$report" ] || fail "update-mime-database: $report"
desktop update-desktop-database "$share/applications" || fail "update-desktop-database refuses the menu entry"

# A name matches in any case. A file without one is known by its first bytes as Corvanta writes them, or as typed
# by hand, with a byte order mark and Windows line ends; JSON of another format is no scenario, nor is a text quoting
# one. name|content, with printf's escapes|whether it is a scenario
while IFS='|' read -r name content scenario; do
    printf '%b' "$content" >"$scratch/files/$name"
    type=$(attribute content-type "$scratch/files/$name")
    [ "$type" = "$scenario_type" ] && is=yes || is=no
    [ "$is" = "$scenario" ] || fail "$name is taken as '$type'"
done <<'EOF'
house.corvanta|{\n  "format": "corvanta-scenario",\n  "formatVersion": "1.0"\n}\n|yes
HOUSE.Corvanta|{"format": "other"}\n|yes
house|{\n  "format": "corvanta-scenario",\n  "formatVersion": "1.0"\n}\n|yes
compact|{"format":"corvanta-scenario","formatVersion":"1.0"}|yes
marked|\xef\xbb\xbf{\r\n\t"format": "corvanta-scenario"}\r\n|yes
settings|{"format": "other", "formatVersion": "1.0"}\n|no
notes|Saved as\n"format": "corvanta-scenario"\n|no
EOF

# The first of the icons it names is the type's own.
icon=$(attribute icon "$scratch/files/house.corvanta")
icon=${icon%%,*}
for path in "scalable/mimetypes/$icon.svg" "48x48/mimetypes/$icon.png"; do
    [ -f "$prefix/share/icons/hicolor/$path" ] || fail "a scenario's icon '$icon' is not installed as $path"
done
grep -qxF '  <comment>Corvanta scenario</comment>' "$share/mime/$scenario_type.xml" ||
    fail "the type's description is not 'Corvanta scenario'"

applications=$(desktop gio mime "$scenario_type")
grep -qx "Default application for .*: com.brellin.Corvanta.desktop" <<<"$applications" ||
    fail "Corvanta does not open a scenario: $applications"
grep -qx $'\teditor.desktop' <<<"$applications" || fail "a JSON editor is not offered for a scenario: $applications"
grep -qx $'\tcom.brellin.Corvanta.desktop' < <(desktop gio mime application/json) &&
    fail "Corvanta claims every JSON file"

# A file manager opens the file with the menu entry's command, which must take the file's path as one argument.
opened="$scratch/files/my house.corvanta"
cp "$scratch/files/house.corvanta" "$opened"
desktop gio open "$opened" || fail "gio could not open $opened"
for _ in $(seq 50); do
    [ -s "$scratch/corvanta.opened" ] && break
    sleep 0.1
done
[ "$(cat "$scratch/corvanta.opened" 2>/dev/null)" = "$opened" ] ||
    fail "opening $opened started corvanta with '$(cat "$scratch/corvanta.opened" 2>/dev/null)'"

[ "$failures" -eq 0 ] && echo "a desktop opens .corvanta files with Corvanta"
exit $((failures > 0))
