#!/usr/bin/env bash
# Installs the built package on a fresh, minimal Debian 12 (a debootstrap root) and starts it
# under Xvfb there: the check that the package's dependencies are complete. Needs root and the
# network. Usage: packaging/debian12.sh build/release/voranek_1.0.0_amd64.deb [screenshot.png]
set -euo pipefail
deb=$(realpath "$1")
shot=${2:-}
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap

# The Debian mirror this machine's apt already uses: the first source of binary packages for a
# distribution's main suite (not its security or update suites), from the deb822 files or the
# one-line lists. Prints nothing when there is none.
apt_mirror() {
    local f
    for f in "$1"/sources.list.d/*.sources; do
        [ -r "$f" ] || continue
        awk '
            function flush(   i, u) {
                if (types ~ /(^| )deb( |$)/ && enabled != "no" && !found) {
                    split(uris, u, " ")
                    for (i = 1; i <= nsuites; i++) {
                        if (suites[i] !~ /-/ && u[1] ~ /^(https?|ftp|file):/) {
                            print u[1]
                            found = 1
                            return
                        }
                    }
                }
                types = ""; uris = ""; nsuites = 0; enabled = ""
            }
            /^[ \t]*#/ { next }
            /^[ \t]*$/ { flush(); next }
            { key = tolower($1); sub(/^[^:]*:[ \t]*/, "") }
            key == "types:" { types = $0 }
            key == "uris:" { uris = $0 }
            key == "suites:" { nsuites = split($0, suites, " ") }
            key == "enabled:" { enabled = tolower($0) }
            END { flush() }
        ' "$f"
    done
    for f in "$1"/sources.list "$1"/sources.list.d/*.list; do
        [ -r "$f" ] || continue
        awk '$1 == "deb" {
            i = 2
            if ($i ~ /^\[/) { while ($i !~ /\]$/) i++; i++ }
            if ($(i + 1) !~ /-/ && $i ~ /^(https?|ftp|file):/) print $i
        }' "$f"
    done
}
mirror=$(apt_mirror /etc/apt | head -n 1)
if [ -z "$mirror" ]; then
    echo "debian12.sh: no Debian mirror found in /etc/apt's sources" >&2
    exit 1
fi
root=$(mktemp -d)
chmod 755 "$root"
trap 'umount "$root/proc" 2>/dev/null || true; rm -rf "$root"' EXIT
debootstrap --variant=minbase bookworm "$root" "$mirror" >/dev/null
cp "$deb" "$root/tmp/voranek.deb"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount --bind /proc "$root/proc"
chroot "$root" bash -euc '
    apt-get update -qq 2>/dev/null
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq /tmp/voranek.deb xvfb x11-apps >/dev/null 2>&1
    Xvfb :91 -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
    sleep 2
    DISPLAY=:91 voranek >/tmp/voranek.log 2>&1 &
    sleep 4
    kill -0 $! || { cat /tmp/voranek.log; exit 1; }
    DISPLAY=:91 xwd -root -silent >/tmp/shot.xwd
    kill $! %1
    echo "voranek $(dpkg-query -W -f="\${Version}" voranek) installed and running on Debian $(cat /etc/debian_version)"
'
if [ -n "$shot" ]; then
    command -v convert >/dev/null || apt-get install -y -qq imagemagick
    convert "$root/tmp/shot.xwd" "$shot"
fi
