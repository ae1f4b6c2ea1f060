#!/usr/bin/env bash
# Starts the program on a demo database, with a settings folder of its own under the build
# folder. The demo database is made once; later runs keep what was changed in it.
set -euo pipefail
build="$1"; calisma="$2"; shift 2
mkdir -p "$calisma/ayarlar/Selvane" "$calisma/veritabani"
calisma="$(cd "$calisma" && pwd)"
vt="$calisma/veritabani"

if [ ! -f "$vt/Lodra.vtb" ]; then
    "$build/bin/LodraVt" olustur "$vt" --ornek --klasor 12 --is 200
fi

# The server list points at the demo database, so the program opens straight onto it.
ini="$calisma/ayarlar/Selvane/Tarvela.ini"
if [ ! -f "$ini" ]; then
    printf '[Sunucular]\nSunucu-1=%s\n\n[Ayarlar]\nVeritabani=0\n' "$vt" > "$ini"
fi

export XDG_CONFIG_HOME="$calisma/ayarlar"
export LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8
exec "$build/bin/Lodra" "$@"
