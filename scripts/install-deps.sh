#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and is missing.
set -euo pipefail
paquets=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl1-mesa-dev
         libgtest-dev libbenchmark-dev qt6-translations-l10n poppler-utils locales pulseaudio
         pulseaudio-utils)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
    echo "Installation : ${manquants[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${manquants[@]}"
fi

# The window tests run once more under a French locale: generate it where it is missing.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf8'; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd sed -i 's/^# *\(fr_FR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^fr_FR.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
    $sudo_cmd locale-gen >/dev/null
fi
