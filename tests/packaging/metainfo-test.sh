#!/usr/bin/env bash
# Checks the AppStream metainfo in the installed tree with appstreamcli, with the menu entry its launchable names
# (errors and warnings fail), and that the build writes its releases from the changelog: every entry, dated as
# dpkg-parsechangelog reads it, also from a sample whose items hold XML's special characters; and that a
# changelog whose newest entry is not the project's version stops the build.
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
# "version date" a line: as the metainfo lists them, and as the changelog's entries say.
listed_releases() { grep -o '<release version="[^"]*" date="[^"]*"' "$1" | cut -d'"' -f2,4 --output-delimiter=' '; }
changelog_releases() {
    dpkg-parsechangelog -l "$1" --format rfc822 --all | awk '/^Version:/ { v = $2 } /^Date:/ { print v, $3, $4, $5 }' |
        while read -r version day month year; do echo "$version $(date -d "$day $month $year" +%F)"; done
}
same_releases() { diff <(changelog_releases "$2") <(listed_releases "$1") || fail "$1 lists other releases than $2"; }
write_metainfo() { # <version> <output>
    "$cmake" -DCHANGELOG="$source/tests/packaging/sample.changelog" -DVERSION="$1" -DOUTPUT="$2" \
        -DTEMPLATE="$source/packaging/com.brellin.Corvanta.metainfo.xml.in" -P "$source/cmake/MetainfoReleases.cmake"
}

installed=$prefix/share/metainfo/com.brellin.Corvanta.metainfo.xml
appstreamcli validate-tree --no-net --pedantic "$prefix" || fail "appstreamcli rejects the installed tree"
same_releases "$installed" "$source/packaging/changelog"
# A software centre shows a screenshot it cannot fetch as a broken picture. Nothing is served from the reserved
# names (example.com, .invalid, .test, localhost ...), and the project's own site publishes no pictures yet.
for url in $(sed -n 's|.*<image[^>]*>\([^<]*\)</image>.*|\1|p' "$installed"); do
    case $(sed -E 's|^[a-z]+://([^/:]*).*|\1|' <<<"$url") in
    example.com | example.net | example.org | *.example.com | *.example.net | *.example.org | *.example | *.invalid | \
        *.test | localhost | *.localhost | brellin.com | *.brellin.com)
        fail "a screenshot points at $url, which serves nothing" ;;
    esac
done
grep -qi placeholder "$installed" && fail "the metainfo still names a placeholder"

rm -rf "$scratch"
mkdir -p "$scratch"
sample=$scratch/sample.metainfo.xml
write_metainfo 2.2 "$sample" || fail "no metainfo was written from the sample changelog"
appstreamcli validate --no-net "$sample" >/dev/null || fail "the metainfo written from the sample is invalid"
same_releases "$sample" "$source/tests/packaging/sample.changelog"
item="<li>The schedule &amp; the matrix print in colour; the chart's &lt;title&gt; shows the loan [amount, rate"
grep -qF "$item and years].</li>" "$sample" || fail "the sample's first item is not one escaped line"
write_metainfo 2.1 "$scratch/older.xml" 2>/dev/null && fail "a changelog newer than the project is taken"

[ "$failures" -eq 0 ] && echo "the metainfo is valid and lists the changelog's releases"
exit $((failures > 0))
