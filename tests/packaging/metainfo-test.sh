#!/usr/bin/env bash
# Checks the AppStream metainfo as a software centre reads it, and the build step that writes its releases:
# - in the installed tree, appstreamcli validates it with the menu entry its launchable names (errors and
#   warnings fail; pedantic hints are shown);
# - its releases are the changelog's entries, newest first, each dated as dpkg-parsechangelog reads the entry;
#   so are those written from a sample changelog whose items hold XML's special characters, which validates too;
# - a changelog whose newest entry is not the project's version stops the build.
# Exits 77 (a ctest skip) where appstreamcli (Debian appstream) or dpkg-parsechangelog (dpkg-dev) is missing.
set -euo pipefail
source=$1
prefix=$2
scratch=$3
cmake=$4

for tool in "appstreamcli appstream" "dpkg-parsechangelog dpkg-dev"; do
    read -r program package <<<"$tool"
    command -v "$program" >/dev/null || { echo "SKIP: $program is missing (Debian $package)"; exit 77; }
done

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# "version date" a line, as the metainfo lists them and as the changelog's entries say.
listed_releases() {
    grep -o '<release version="[^"]*" date="[^"]*"' "$1" | sed -E 's/.*version="([^"]*)" date="([^"]*)"/\1 \2/'
}
changelog_releases() {
    local field value version day month year
    dpkg-parsechangelog -l "$1" --format rfc822 --all | while read -r field value; do
        case $field in
        Version:) version=$value ;;
        Date:)
            read -r _ day month year _ <<<"$value"
            echo "$version $(date -d "$day $month $year" +%F)"
            ;;
        esac
    done
}
same_releases() {
    local listed expected
    listed=$(listed_releases "$1" || true)
    expected=$(changelog_releases "$2" || true)
    [ "$listed" = "$expected" ] || fail "$1 lists the releases
$listed
but $2 has
$expected"
}

metainfo=$prefix/share/metainfo/com.brellin.Corvanta.metainfo.xml
appstreamcli validate-tree --no-net --pedantic "$prefix" || fail "appstreamcli rejects the installed tree"
same_releases "$metainfo" "$source/packaging/changelog"

rm -rf "$scratch"
mkdir -p "$scratch"
write_metainfo() { # <version> <output>
    "$cmake" -DCHANGELOG="$source/tests/packaging/sample.changelog" \
        -DTEMPLATE="$source/packaging/com.brellin.Corvanta.metainfo.xml.in" -DOUTPUT="$2" -DVERSION="$1" \
        -P "$source/cmake/MetainfoReleases.cmake"
}
sample=$scratch/sample.metainfo.xml
if write_metainfo 2.2 "$sample"; then
    appstreamcli validate --no-net "$sample" >/dev/null || fail "the metainfo written from the sample is invalid"
    same_releases "$sample" "$source/tests/packaging/sample.changelog"
    item="<li>The schedule &amp; the matrix print in colour; the chart's &lt;title&gt; shows the loan [amount, rate"
    grep -qF "$item and years].</li>" "$sample" || fail "the sample's first item is not one escaped line"
else
    fail "no metainfo was written from the sample changelog"
fi
write_metainfo 2.1 "$scratch/older.metainfo.xml" 2>/dev/null && fail "a changelog newer than the project is taken"

[ "$failures" -eq 0 ] && echo "the metainfo is valid and lists the changelog's releases"
exit $((failures > 0))
