#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the program and the tests need and
# the machine lacks, and makes the Turkish locale available. Safe to run again.
set -euo pipefail

paketler=(
    cmake make g++ pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
    libsqlcipher-dev
    # the PostgreSQL client library; a server and openssl for the tests' private server
    libpq-dev postgresql-15 openssl
    libical-dev
    libcups2-dev cups printer-driver-cups-pdf poppler-utils
    qtkeychain-qt6-dev
    sqlcipher dbus gnome-keyring
    at-spi2-core python3-pyatspi
    clang libclang-rt-14-dev
    qt6-translations-l10n
    xvfb xauth x11-utils twm
    fonts-dejavu-core
    dpkg-dev desktop-file-utils appstream man-db libglib2.0-bin
    locales
)

eksik=()
for p in "${paketler[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || eksik+=("$p")
done

sudo_=""
[ "$(id -u)" -ne 0 ] && sudo_="sudo"

if [ ${#eksik[@]} -gt 0 ]; then
    echo "Kuruluyor: ${eksik[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $sudo_ apt-get update -qq
    $sudo_ apt-get install -y -qq --no-install-recommends "${eksik[@]}" >/dev/null
fi

# Dates and month names follow the user's locale; the run command and the tests use Turkish.
if ! locale -a 2>/dev/null | grep -qi '^tr_TR\.utf-\?8$'; then
    $sudo_ sed -i 's/^# *\(tr_TR.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^tr_TR.UTF-8 UTF-8' /etc/locale.gen || echo 'tr_TR.UTF-8 UTF-8' | $sudo_ tee -a /etc/locale.gen >/dev/null
    $sudo_ locale-gen >/dev/null
fi
