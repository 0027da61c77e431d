#!/usr/bin/env bash
# Installs the build into a scratch root and checks what a desktop finds there.
set -euo pipefail
build=$1
koren=$(mktemp -d)
trap 'rm -rf "$koren"' EXIT

DESTDIR="$koren" cmake --install "$build" --prefix /usr >/dev/null

id=org.voranek.Voranek
ocekavane=(
    usr/bin/voranek
    usr/bin/voranek-svatky
    usr/share/man/man1/voranek-svatky.1
    usr/share/applications/$id.desktop
    usr/share/metainfo/$id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$id.svg
)
for s in 16 24 32 48 64 128 256; do
    ocekavane+=("usr/share/icons/hicolor/${s}x${s}/apps/$id.png")
done
for f in "${ocekavane[@]}"; do
    [ -e "$koren/$f" ] || { echo "missing: $f"; exit 1; }
done
[ -x "$koren/usr/bin/voranek" ] || { echo "not executable: usr/bin/voranek"; exit 1; }
for s in 16 24 32 48 64 128 256; do
    # Width and height stand in the PNG header at bytes 16 to 23.
    rozmer=$(od -An -tx1 -j16 -N8 "$koren/usr/share/icons/hicolor/${s}x${s}/apps/$id.png" | tr -d ' \n')
    [ "$rozmer" = "$(printf '%08x%08x' "$s" "$s")" ] || { echo "icon ${s}: $rozmer"; exit 1; }
done

desktop-file-validate "$koren/usr/share/applications/$id.desktop"
appstreamcli validate --no-net "$koren/usr/share/metainfo/$id.metainfo.xml"
grep -q "^Icon=$id$" "$koren/usr/share/applications/$id.desktop"
grep -q "^Exec=voranek$" "$koren/usr/share/applications/$id.desktop"
# The terminal program finds its calendar export module where it was installed.
# Written out whole first: grep -q leaving early would break the program's pipe.
"$koren/usr/bin/voranek-svatky" --ics 2027 --jen Jana >"$koren/jana.ics"
grep -q "^SUMMARY:Svátek má Jana" "$koren/jana.ics"
# ... and its notification module: without a session bus it says the desktop takes no
# notifications (status 1), not that a part of it is missing (status 2).
stav=0
env -u DISPLAY -u WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS="unix:path=$koren/nikde" \
    XDG_RUNTIME_DIR="$koren" "$koren/usr/bin/voranek-svatky" --oznameni 2>/dev/null || stav=$?
[ "$stav" -eq 1 ] || { echo "voranek-svatky --oznameni: status $stav"; exit 1; }
echo "install tree ok"
