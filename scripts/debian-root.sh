# Shared by scripts/fresh-machine.sh and scripts/release-test.sh: brand-new minimal Debian systems (debootstrap's
# minbase) made from a cached tarball, with a clean clone of a commit, and commands run in them as a fresh login
# would. Needs root. Source it after scripts/common.sh; the caller may set SAY_PREFIX for its messages.

# The releases the project is checked on.
DEBIAN_RELEASES=(trixie bookworm)
# Where the minbase tarballs (and release-test.sh's package and compiler caches) are kept between runs.
ROOTS_CACHE=${CORVANTA_ROOTS_CACHE:-/var/cache/corvanta-roots}

say() { echo "[${SAY_PREFIX:-corvanta} $(date +%H:%M:%S)] $*"; }

# The arguments both checks take, [--release R] [--mirror URL] [--keep] [REPOSITORY [REF]], read into suite,
# mirror (the host's for the release unless given), keep, repository, ref and commit. Refuses an unknown
# release, a user other than root and a host that names no mirror; --help prints the calling script's head.
read_root_arguments() {
    suite=trixie
    mirror=
    keep=false
    while [ $# -gt 0 ]; do
        case $1 in
            --release) suite=$2; shift 2 ;;
            --mirror) mirror=$2; shift 2 ;;
            --keep) keep=true; shift ;;
            -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
            *) break ;;
        esac
    done
    repository=$(cd "${1:-.}" && pwd)
    ref=${2:-HEAD}
    commit=$(git -C "$repository" rev-parse --verify "$ref^{commit}")
    known_release "$suite" || { echo "Unknown release $suite: give one of ${DEBIAN_RELEASES[*]}." >&2; exit 2; }
    [ "$(id -u)" -eq 0 ] || { echo "$0 needs root (debootstrap, mount, chroot)." >&2; exit 1; }
    [ -n "$mirror" ] || mirror=$(host_mirror "$suite")
    [ -n "$mirror" ] || { echo "No Debian mirror in this host's apt sources: give one with --mirror URL." >&2; exit 1; }
}

known_release() {
    local release
    for release in "${DEBIAN_RELEASES[@]}"; do
        [ "$1" = "$release" ] && return 0
    done
    return 1
}

# The first URI this host's apt sources give for <suite>, in deb822 (.sources) or one-line (.list) form; for a
# suite the host does not use, the URI it uses for its own release, since a Debian mirror carries every release.
host_mirror() {
    local suite=$1 own
    own=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    {
        sources_uris "$suite"
        [ -n "$own" ] && sources_uris "$own"
    } | head -n 1
}

sources_uris() {
    local suite=$1 file
    local sources=(/etc/apt/sources.list.d/*.sources) lists=(/etc/apt/sources.list /etc/apt/sources.list.d/*.list)
    for file in "${sources[@]}"; do
        [ -f "$file" ] || continue
        awk -v suite="$suite" '
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
        sed -E 's/\[[^]]*\]//' "$file" | awk -v suite="$suite" '$1 == "deb" && $3 == suite { print $2 }'
    done
}

# Whether <mirror> serves <suite>'s release file, through apt's own downloader (and so its proxy settings).
mirror_reachable() {
    local file result=0
    file=$(mktemp)
    timeout 120 /usr/lib/apt/apt-helper download-file "$1/dists/$2/Release" "$file" >/dev/null 2>&1 || result=$?
    rm -f "$file"
    return "$result"
}

base_tarball() { echo "$ROOTS_CACHE/$1-minbase-$(dpkg --print-architecture).tar.gz"; }

# Makes <suite>'s minbase tarball in the cache with debootstrap from <mirror>, unless it is there; <work> holds
# the unpacked system while it is made.
make_base_system() {
    local suite=$1 mirror=$2 work=$3 tarball
    tarball=$(base_tarball "$suite")
    if [ -f "$tarball" ]; then
        say "cached base system: $tarball"
        return 0
    fi
    say "downloading the $suite minbase system from $mirror (once; kept in $ROOTS_CACHE)"
    mkdir -p "$ROOTS_CACHE" "$work"
    rm -rf --one-file-system "$work/base"
    nice debootstrap --variant=minbase "$suite" "$work/base" "$mirror" >"$work/debootstrap-$suite.log" 2>&1 || {
        tail -n 20 "$work/debootstrap-$suite.log"
        return 1
    }
    tar -C "$work/base" --numeric-owner -czpf "$tarball.part" .
    mv "$tarball.part" "$tarball"
    rm -rf --one-file-system "$work/base"
    say "$suite minbase cached: $(du -h "$tarball" | cut -f1)"
}

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

# A new system in <root> from <suite>'s cached base, with <mirror> as its apt source, the host's name
# resolution, /proc, /sys, /dev and the X server's sockets, and a clean clone of <repository>'s <commit> (fetched
# by <ref> when the clone lacks it) in /root/corvanta: new_root <root> <suite> <mirror> <repository> <commit> <ref>
new_root() {
    local root=$1 suite=$2 mirror=$3 repository=$4 commit=$5 ref=$6
    remove_root "$root"
    mkdir -p "$root"
    tar -C "$root" --numeric-owner -xzpf "$(base_tarball "$suite")"
    echo "deb $mirror $suite main" >"$root/etc/apt/sources.list"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --make-rslave "$root/dev"
    if [ -d /tmp/.X11-unix ]; then
        mkdir -p "$root/tmp/.X11-unix"
        mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    fi
    git clone --quiet --no-checkout "$repository" "$root/root/corvanta"
    git -C "$root/root/corvanta" cat-file -e "$commit^{commit}" 2>/dev/null ||
        git -C "$root/root/corvanta" fetch --quiet "$repository" "$ref"
    git -C "$root/root/corvanta" checkout --quiet --detach "$commit"
    say "new root $root: $suite minbase, clone of ${commit:0:12}"
}

# Binds the host folder <folder> (made if missing) at <path> inside <root>.
bind_into_root() {
    local root=$1 folder=$2 path=$3
    mkdir -p "$folder" "$root$path"
    mount --bind "$folder" "$root$path"
}

# The command that runs <command...> in the project's folder of <root> as a fresh login would: root's home and
# no environment inherited but the NAME=VALUE settings given before the command (DISPLAY=:1 CI=true ./test).
# Sets the array "in_root".
root_command() {
    local root=$1 settings=()
    shift
    while [ $# -gt 0 ] && [[ $1 =~ ^[A-Za-z_][A-Za-z0-9_]*= ]]; do
        settings+=("$1")
        shift
    done
    in_root=(nice chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb "${settings[@]}"
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
        /bin/bash -c 'cd /root/corvanta && exec "$@"' in-root "$@")
}
