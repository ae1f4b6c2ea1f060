#!/usr/bin/env bash
# gercek_yazdirma.sh <YazdirmaSurucusu> pdf|cups: prints a two-page job list through the
# program, by its own "PDF dosyası" path or to a cups-pdf queue of a private CUPS daemon (the
# machine's own is never touched), and checks the PDF. Exit 0 passed, 1 failed, 77 skipped.
set -uo pipefail

surucu=$1
atla() { echo "ATLANDI: $*"; exit 77; }
command -v pdftotext >/dev/null || atla "pdftotext yok (poppler-utils)"
gecici=$(mktemp -d)
cupsd_pid=""
temizle() {
    [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -rf "$gecici"
}
trap temizle EXIT

# The print's "ALAN" line gives the printable area.
denetle() {
    # shellcheck disable=SC2046
    "$surucu" denetle "$1" $(grep '^ALAN ' <<<"$cikti" | cut -d' ' -f2-)
}

if [ "$2" = pdf ]; then
    cikti=$("$surucu" yazdir "PDF dosyası" "$gecici/liste.pdf") || { echo "$cikti"; exit 1; }
    echo "$cikti"
    denetle "$gecici/liste.pdf"
    exit $?
fi

cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || atla "cupsd yok (Debian: cups)"
[ -e /usr/lib/cups/backend/cups-pdf ] || atla "cups-pdf yok (Debian: printer-driver-cups-pdf)"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -1)
[ -n "$ppd" ] || atla "cups-pdf PPD dosyası yok"
[ "$(id -u)" -eq 0 ] || atla "cups-pdf arka ucu yalnız root olarak çalışan bir cupsd ile yazar"

# The daemon runs its filters as user lp: the folder must be passable.
chmod 0711 "$gecici"
mkdir -p "$gecici"/{etc,spool/tmp,log,cache,state}
cat >"$gecici/etc/cups-files.conf" <<EOF2
ServerRoot $gecici/etc
RequestRoot $gecici/spool
TempDir $gecici/spool/tmp
CacheDir $gecici/cache
StateDir $gecici/state
ErrorLog $gecici/log/error_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
EOF2
cat >"$gecici/etc/cupsd.conf" <<EOF2
Listen $gecici/cups.sock
Browsing Off
DefaultAuthType None
WebInterface No
<Location />
  Allow all
</Location>
<Policy default>
  <Limit All>
  </Limit>
</Policy>
EOF2
"$cupsd" -f -c "$gecici/etc/cupsd.conf" -s "$gecici/etc/cups-files.conf" >"$gecici/log/out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$gecici/cups.sock
# Ready means the scheduler answers on its socket; a loaded machine gets a minute, and a
# daemon that exits or never answers fails the test rather than skipping it.
for _ in $(seq 300); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.2
done
lpstat -r >/dev/null 2>&1 || { tail -5 "$gecici"/log/*; echo "özel cupsd başlatılamadı"; exit 1; }

# The queue turns the PDF into PostScript with poppler's cairo renderer, which keeps the
# text readable in the PDF that cups-pdf makes of it again.
lpadmin -p TarvelaPDF -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo ||
    exit 1
touch "$gecici/isaret"
cikti=$("$surucu" yazdir TarvelaPDF) || { echo "$cikti"; exit 1; }
echo "$cikti"

# cups-pdf writes into the folder its configuration names (Debian: ~/PDF of the job's owner).
for _ in $(seq 120); do
    [ -z "$(lpstat -o TarvelaPDF 2>/dev/null)" ] && break
    sleep 0.5
done
cikis=$(sed -n 's/^Out[[:space:]]*//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
cikis=${cikis:-\$\{HOME\}/PDF}
cikis=${cikis//\$\{HOME\}/$(getent passwd "$(id -un)" | cut -d: -f6)}
pdf=$(find "$cikis" /var/spool/cups-pdf/ANONYMOUS -maxdepth 1 -name '*.pdf' -newer "$gecici/isaret" \
    2>/dev/null | head -1)
[ -n "$pdf" ] || { echo "cups-pdf çıktısı yok ($cikis)"; tail -20 "$gecici/log/error_log"; exit 1; }
mv "$pdf" "$gecici/cups.pdf"
denetle "$gecici/cups.pdf"
