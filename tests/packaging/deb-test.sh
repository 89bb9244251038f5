#!/usr/bin/env bash
# Builds the .deb with CPack and checks its control fields and contents.
# Exits 77 (a ctest skip) where the Debian tools that build or read a package are missing.
set -euo pipefail
build=$1
out=$2
version=$3

for tool in "dpkg-deb dpkg" "dpkg-shlibdeps dpkg-dev"; do
    read -r program package <<<"$tool"
    command -v "$program" >/dev/null || { echo "SKIP: $program is missing (Debian $package)"; exit 77; }
done

rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; exit 1; }
debs=("$out"/corvanta_"$version"_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "FAIL: no single corvanta_${version}_*.deb in $out"
    exit 1
fi
deb=${debs[0]}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
field() { dpkg-deb --field "$deb" "$1"; }

[ "$(field Package)" = corvanta ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Maintainer)" = "Brellin <support@brellin.com>" ] || fail "Maintainer is '$(field Maintainer)'"
[ "$(field Section)" = misc ] || fail "Section is '$(field Section)'"
# The dependencies come from dpkg-shlibdeps, plus the platform plugins that Qt loads at run time.
depends=$(field Depends)
for package in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6 libqt6charts6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
description=$(field Description)
[[ "$description" == "personal-finance calculator for home buyers, borrowers and savers"$'\n'" Corvanta is a desktop"* ]] ||
    fail "Description is '$description'"

contents=$(dpkg-deb --contents "$deb")
for path in ./usr/bin/corvanta ./usr/bin/corvanta-calc ./usr/share/man/man1/corvanta-calc.1.gz \
    ./usr/share/applications/com.brellin.Corvanta.desktop ./usr/share/mime/packages/com.brellin.Corvanta.xml \
    ./usr/share/icons/hicolor/48x48/apps/com.brellin.Corvanta.png \
    ./usr/share/icons/hicolor/48x48/mimetypes/application-x-corvanta-scenario.png \
    ./usr/share/icons/hicolor/scalable/apps/com.brellin.Corvanta.svg \
    ./usr/share/metainfo/com.brellin.Corvanta.metainfo.xml ./usr/share/doc/corvanta/copyright; do
    grep -q " $path\$" <<<"$contents" || fail "the package lacks $path"
done
grep -v ' root/root ' <<<"$contents" && fail "files not owned by root"

[ "$failures" -eq 0 ] && echo "$(basename "$deb") is complete"
exit $((failures > 0))
