#!/usr/bin/env bash
# The office key with the desktop keyring for real. Runs inside dbus-run-session: a private
# session bus and a keyring daemon of its own whose files live in a temporary folder, so the
# machine's keyring is never touched.
#   anahtarlik-testi.sh TEST_PROGRAMI PROGRAM_KLASORU
set -euo pipefail
test_programi=$1
bin=$2
gecici=$(mktemp -d)
daemon=
bitir() {
    [ -n "$daemon" ] && kill "$daemon" 2>/dev/null || true
    rm -rf "$gecici"
}
trap bitir EXIT
hata() {
    echo "HATA: $*" >&2
    exit 1
}

export HOME=$gecici/ev XDG_DATA_HOME=$gecici/veri XDG_CONFIG_HOME=$gecici/ayar
export XDG_RUNTIME_DIR=$gecici/calisma TMPDIR=$gecici/tmp
mkdir -p "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$TMPDIR"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The login keyring is made and unlocked with a throwaway password. The bus runs with no
# service folders (ozel-oturum-yolu.conf), so no call below can make it start a second keyring
# that would take the name without the unlocked login collection.
printf 'gecici-anahtarlik-parolasi' |
    gnome-keyring-daemon --foreground --unlock --components=secrets >"$gecici/daemon.log" 2>&1 &
daemon=$!
# Ready means: our daemon owns the name (asked of the bus itself) and answers with its login
# collection. While it starts up it may still turn a call down now and then, so it counts as
# ready after three answers in a row. The loop fails at once when the daemon exits, and gives
# a loaded machine a minute.
sahibi_var() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
        grep -q 'boolean true'
}
hazir() {
    sahibi_var &&
        dbus-send --session --print-reply --dest=org.freedesktop.secrets /org/freedesktop/secrets \
            org.freedesktop.Secret.Service.ReadAlias string:default 2>/dev/null |
        grep -q collection/login
}
yanit=0
for _ in $(seq 600); do
    if hazir; then yanit=$((yanit + 1)); else yanit=0; fi
    if [ "$yanit" -ge 3 ]; then break; fi
    kill -0 "$daemon" 2>/dev/null || { cat "$gecici/daemon.log" >&2; hata "anahtarlık kapandı"; }
    sleep 0.1
done
[ "$yanit" -ge 3 ] || { cat "$gecici/daemon.log" >&2; hata "anahtarlık başlatılamadı"; }

anahtar='Anahtarlik-Testi;2026'
klasor=$gecici/ofis
mkdir -p "$klasor"
printf '%s\n' "$anahtar" >"$gecici/anahtar.txt"
"$bin/LodraVt" olustur "$klasor" --anahtar-dosyasi "$gecici/anahtar.txt" >/dev/null
rm "$gecici/anahtar.txt"

# Nothing kept yet and no terminal: the tool cannot open the file.
if "$bin/LodraVt" denetle "$klasor" </dev/null >/dev/null 2>&1; then
    hata "anahtarsız denetim başarılı oldu"
fi

ANAHTARLIK_KLASORU=$klasor ANAHTARLIK_ANAHTARI=$anahtar "$test_programi" firstStart
ANAHTARLIK_KLASORU=$klasor "$test_programi" secondStart

# The tool reads the same keyring and never prints the key.
cikti=$("$bin/LodraVt" denetle "$klasor" </dev/null 2>&1) || hata "denetim: $cikti"
grep -q "Şifreleme: büro anahtarı" <<<"$cikti" || hata "denetim: $cikti"
if grep -qF "$anahtar" <<<"$cikti"; then hata "anahtar yazıldı"; fi
# The key is nowhere on disk in clear (the keyring file is encrypted).
if grep -rqF "$anahtar" "$gecici"; then hata "anahtar diskte açık duruyor"; fi
echo "AnahtarlikTest: 5 passed, 0 failed"
