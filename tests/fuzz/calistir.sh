#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds (the date reader half of it in each
# of two locales) and prints the executions per target. Exit code non-zero on a finding.
set -uo pipefail
kurulum="$1"; saniye="$2"
kaynak="$(cd "$(dirname "$0")" && pwd)"
cd "$kurulum"
mkdir -p korpus/jet korpus/tarih korpus/ayar bulgular
sonuc=0
calistir() {
    local ad="$1"; shift
    local kayit="bulgular/$ad.log"
    "$@" -artifact_prefix=bulgular/ >"$kayit" 2>&1
    local kod=$?
    local tur
    tur=$(grep -E '^Done [0-9]+ runs' "$kayit" | tail -1)
    if [ $kod -ne 0 ]; then
        echo "$ad: HATA BULUNDU (ayrıntı: $kurulum/$kayit)"
        grep -E 'ERROR|SUMMARY|Test unit written' "$kayit" | head -5
        sonuc=1
    else
        echo "$ad: ${tur:-?}"
    fi
}
yarim=$(( saniye / 2 > 0 ? saniye / 2 : 1 ))
calistir JetCevirici ./JetCeviriciFuzz -max_total_time="$saniye" -max_len=512 -timeout=10 \
    -dict="$kaynak/jet.dict" korpus/jet "$kaynak/tohum/jet"
calistir Tarih-tr env LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 ./TarihFuzz -max_total_time="$yarim" \
    -max_len=64 -timeout=10 korpus/tarih "$kaynak/tohum/tarih"
calistir Tarih-en env LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 ./TarihFuzz -max_total_time="$yarim" \
    -max_len=64 -timeout=10 korpus/tarih "$kaynak/tohum/tarih"
calistir Ayar ./AyarFuzz -max_total_time="$saniye" -max_len=64 -timeout=10 \
    korpus/ayar "$kaynak/tohum/ayar"
exit $sonuc
