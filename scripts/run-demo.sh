#!/usr/bin/env bash
# Starts the program on a demo database with a settings folder of its own.
set -euo pipefail
build="$1"; calisma="$2"
mkdir -p "$calisma/ayarlar" "$calisma/veritabani"
export XDG_CONFIG_HOME="$(cd "$calisma" && pwd)/ayarlar"
export LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8
exec "$build/bin/Lodra" "$@"
