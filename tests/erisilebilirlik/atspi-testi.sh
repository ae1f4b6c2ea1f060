#!/usr/bin/env bash
# The real program read and worked through the accessibility bus (AT-SPI) under a virtual X
# display, as a screen reader does. Runs inside dbus-run-session on a private session bus that
# names no service folders: the bus launcher and the registry daemon are started here, and
# each one is waited for by asking the bus.
#   atspi-testi.sh PROGRAM_KLASORU atspi_denetimi.py
set -euo pipefail
bin=$1
denetim=$2
gecici=$(mktemp -d)
surecler=()
bitir() {
    for p in "${surecler[@]}"; do kill "$p" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$gecici"
}
trap bitir EXIT
hata() {
    for f in "$gecici"/*.log; do [ -s "$f" ] && { echo "== $f" >&2; cat "$f" >&2; }; done
    echo "HATA: $*" >&2
    exit 1
}
# Asks until the answer is yes; fails at once when the daemon has exited, and gives a loaded
# machine a minute.   bekle PID AD KOMUT...
bekle() {
    local pid=$1 ad=$2
    shift 2
    for _ in $(seq 600); do
        "$@" && return 0
        kill -0 "$pid" 2>/dev/null || hata "$ad kapandı"
        sleep 0.1
    done
    hata "$ad hazır olmadı"
}
sahibi_var() { # ADRES AD
    dbus-send --bus="$1" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$2" 2>/dev/null | grep -q 'boolean true'
}

export HOME=$gecici/ev XDG_CONFIG_HOME=$gecici/ayar XDG_DATA_HOME=$gecici/veri
export XDG_RUNTIME_DIR=$gecici/calisma TMPDIR=$gecici/tmp GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$TMPDIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The display server writes its number once it takes connections.
mkfifo "$gecici/ekran"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$gecici/ekran" 2>"$gecici/xvfb.log" &
surecler+=($!)
read -r -t 60 ekran <"$gecici/ekran" || hata "Xvfb hazır olmadı"
export DISPLAY=:$ekran

# The accessibility bus: the launcher owns org.a11y.Bus on the session bus once its own bus
# is up, and tells its address.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$gecici/baslatici.log" &
surecler+=($!)
bekle "${surecler[-1]}" at-spi-bus-launcher sahibi_var "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus
adres=$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress)
adres=${adres//[[:space:]]/}

# The registry, which lists the applications, owns its name on the accessibility bus. The
# program and the check find the bus as a screen reader does, through the session bus.
AT_SPI_BUS_ADDRESS=$adres /usr/libexec/at-spi2-registryd 2>"$gecici/kayit.log" &
surecler+=($!)
bekle "${surecler[-1]}" at-spi2-registryd sahibi_var "$adres" org.a11y.atspi.Registry

# A demo database that the program connects to at start; no background mode, no summary.
LodraVt="$bin/LodraVt"
mkdir -p "$gecici/ofis"
"$LodraVt" olustur "$gecici/ofis" --ornek >/dev/null
mkdir -p "$XDG_CONFIG_HOME/Selvane"
printf '[Sunucular]\nSunucu-1=%s\n[Ayarlar]\nArkaplanda%%20Calissin=0\nSabah%%20Ozeti=0\n' \
    "$gecici/ofis" >"$XDG_CONFIG_HOME/Selvane/Tarvela.ini"

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$bin/Lodra" 2>"$gecici/lodra.log" &
surecler+=($!)
/usr/bin/python3 "$denetim" || hata "AT-SPI denetimi"
echo "ErisilebilirlikAtspi: geçti"
