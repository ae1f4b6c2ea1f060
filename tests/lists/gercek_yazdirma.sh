#!/usr/bin/env bash
# Prints a two-page job list through the program and checks the PDF that comes out.
#
#   gercek_yazdirma.sh <YazdirmaSurucusu> pdf    the "PDF dosyası" path: the file is written
#                                                  by the program itself
#   gercek_yazdirma.sh <YazdirmaSurucusu> cups   a private CUPS daemon (own socket, spool and
#                                                  configuration under a temporary folder) with
#                                                  a cups-pdf queue; the program prints to it
#
# Exit 0 passed, 1 failed, 77 skipped (no pdftotext, or no CUPS daemon can run here).
set -uo pipefail

surucu=$1
kip=$2
atla() { echo "ATLANDI: $*"; exit 77; }

command -v pdftotext >/dev/null || atla "pdftotext yok (poppler-utils)"
gecici=$(mktemp -d)
cupsd_pid=""
temizle() {
    if [ -n "$cupsd_pid" ]; then
        kill "$cupsd_pid" 2>/dev/null
        wait "$cupsd_pid" 2>/dev/null
    fi
    rm -rf "$gecici"
}
trap temizle EXIT

# TARVELA_YAZDIRMA_KLASORU keeps a copy of the checked PDF there.
denetle() { # pdf, then the ALAN line of the print
    local pdf=$1 alan=$2
    [ -n "${TARVELA_YAZDIRMA_KLASORU:-}" ] && cp "$pdf" "$TARVELA_YAZDIRMA_KLASORU/"
    # shellcheck disable=SC2086
    "$surucu" denetle "$pdf" ${alan#ALAN }
}

if [ "$kip" = pdf ]; then
    cikti=$("$surucu" yazdir "PDF dosyası" "$gecici/liste.pdf") || { echo "$cikti"; exit 1; }
    echo "$cikti"
    denetle "$gecici/liste.pdf" "$(grep '^ALAN ' <<<"$cikti")"
    exit $?
fi

# ---- A private CUPS daemon; the machine's own is never touched.
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || atla "cupsd yok (Debian: cups)"
[ -e /usr/lib/cups/backend/cups-pdf ] || atla "cups-pdf yok (Debian: printer-driver-cups-pdf)"
ppd=$(ls /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -1)
[ -n "$ppd" ] || atla "cups-pdf PPD dosyası yok"
[ "$(id -u)" -eq 0 ] || atla "cups-pdf arka ucu yalnız root olarak çalışan bir cupsd ile yazar"

# The daemon runs its filters as user lp: the folder must be passable.
chmod 0711 "$gecici"
mkdir -p "$gecici"/{etc/ppd,spool/tmp,log,cache,state}
cat >"$gecici/etc/cups-files.conf" <<EOF
ServerRoot $gecici/etc
RequestRoot $gecici/spool
TempDir $gecici/spool/tmp
CacheDir $gecici/cache
StateDir $gecici/state
ErrorLog $gecici/log/error_log
AccessLog $gecici/log/access_log
PageLog $gecici/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
EOF
cat >"$gecici/etc/cupsd.conf" <<EOF
LogLevel info
Listen $gecici/cups.sock
Browsing Off
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
"$cupsd" -f -c "$gecici/etc/cupsd.conf" -s "$gecici/etc/cups-files.conf" \
    >"$gecici/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$gecici/cups.sock
for _ in $(seq 50); do
    [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
    kill -0 "$cupsd_pid" 2>/dev/null || break
    sleep 0.2
done
lpstat -r >/dev/null 2>&1 || {
    cat "$gecici/log/cupsd.out" "$gecici/log/error_log" 2>/dev/null | tail -5
    cupsd_pid=""
    atla "özel cupsd başlatılamadı"
}

# The queue turns the PDF into PostScript with poppler's cairo renderer, which keeps the
# text readable in the PDF that cups-pdf makes of it again.
kuyruk=TarvelaPDF
lpadmin -p "$kuyruk" -E -v cups-pdf:/ -P "$ppd" -o pdftops-renderer-default=pdftocairo \
    2>/dev/null || { echo "lpadmin başarısız"; exit 1; }
touch "$gecici/isaret"
cikti=$("$surucu" yazdir "$kuyruk") || { echo "$cikti"; exit 1; }
echo "$cikti"

# Wait for the job to end; cups-pdf writes into the job owner's folder that its
# configuration names (Debian: ~/PDF).
for _ in $(seq 120); do
    [ -z "$(lpstat -o "$kuyruk" 2>/dev/null)" ] && break
    sleep 0.5
done
durum=$(lpstat -W completed -l -o "$kuyruk" 2>/dev/null)
cikis=$(sed -n 's/^Out[[:space:]]*//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
ev=$(getent passwd "$(id -un)" | cut -d: -f6)
cikis=${cikis:-\$\{HOME\}/PDF}
cikis=${cikis//\$\{HOME\}/$ev}
pdf=$(find "$cikis" /var/spool/cups-pdf/ANONYMOUS -maxdepth 1 -name '*.pdf' -newer "$gecici/isaret" \
    2>/dev/null | head -1)
if [ -z "$pdf" ]; then
    echo "cups-pdf çıktısı bulunamadı ($cikis)"
    echo "$durum"
    tail -20 "$gecici/log/error_log"
    exit 1
fi
mv "$pdf" "$gecici/cups.pdf"
echo "CUPS işi bitti: $(lpstat -W completed -o "$kuyruk" | awk '{print $1}')"
denetle "$gecici/cups.pdf" "$(grep '^ALAN ' <<<"$cikti")"
