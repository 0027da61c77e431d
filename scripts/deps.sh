#!/usr/bin/env bash
# Installs whatever the build and the tests need and is missing; quick when all is there.
set -euo pipefail

packages=(g++ clang cmake ninja-build qt6-base-dev qt6-translations-l10n fonts-liberation clang-format
          desktop-file-utils appstream xvfb xauth dpkg-dev file
          pkg-config libcli11-dev nlohmann-json3-dev libical-dev
          khal calcurse python3-icalendar
          dbus at-spi2-core python3-pyatspi
          libnotify-dev dbus-daemon python3-dbus python3-gi
          systemd jq
          libebook1.2-dev libebook-contacts1.2-dev evolution-data-server)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
fi
