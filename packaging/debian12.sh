#!/usr/bin/env bash
# Installs the built package on a fresh, minimal Debian 12 (a debootstrap root) and starts it
# under Xvfb there: the check that the package's dependencies are complete. Needs root and the
# network. Usage: packaging/debian12.sh build/release/voranek_1.0.0_amd64.deb [screenshot.png]
set -euo pipefail
deb=$(realpath "$1")
shot=${2:-}
command -v debootstrap >/dev/null || apt-get install -y -qq debootstrap
root=$(mktemp -d)
chmod 755 "$root"
trap 'umount "$root/proc" 2>/dev/null || true; rm -rf "$root"' EXIT
debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian >/dev/null
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
