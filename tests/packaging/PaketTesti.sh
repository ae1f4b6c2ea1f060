#!/usr/bin/env bash
# Packs this build as a Debian package, unpacks it into a scratch root and checks it the way
# the desktop sees it: the menu entry, the metainfo, the manual page of the database tool,
# the program folder; then starts the unpacked program on a demo database until it has
# opened its main window and connected.
set -euo pipefail
# Text is matched byte-wise whatever the caller's language (a Turkish collation changes what
# a range like [a-z] takes in).
export LC_ALL=C.UTF-8
build="$(cd "$1" && pwd)"
kimlik="$2"
kok="$(mktemp -d)"
lodra=""
temizle() {
    if [ -n "$lodra" ]; then
        kill "$lodra" 2>/dev/null || true
        wait "$lodra" 2>/dev/null || true
    fi
    rm -rf "$kok"
}
trap temizle EXIT
hata() { echo "HATA: $*" >&2; exit 1; }

for arac in cpack dpkg-deb desktop-file-validate appstreamcli man; do
    command -v "$arac" >/dev/null || hata "$arac kurulu değil (make deps)"
done

cpack --config "$build/CPackConfig.cmake" -B "$kok/paket" >"$kok/cpack.log" 2>&1 ||
    { cat "$kok/cpack.log"; hata "paket yapılamadı"; }
deb=$(ls "$kok"/paket/tarvela_*.deb)
bagimliliklar=$(dpkg-deb -f "$deb" Depends)
for gerekli in libqt6widgets6 libsqlcipher0 fonts-dejavu-core; do
    grep -q "$gerekli" <<<"$bagimliliklar" || hata "bağımlılıklarda $gerekli yok: $bagimliliklar"
done
# The program is a client of an office's server; the server is never installed with it.
if grep -q "postgresql" <<<"$bagimliliklar"; then
    hata "paket bir PostgreSQL sunucusuna bağımlı: $bagimliliklar"
fi

r="$kok/kok"
dpkg-deb -x "$deb" "$r"
klasor="$r/usr/lib/tarvela"
# A program that loads libpq makes the package depend on its library package.
for program in Lodra LodraVt; do
    if readelf -d "$klasor/$program" | grep -q 'NEEDED.*libpq\.so'; then
        grep -q libpq5 <<<"$bagimliliklar" || hata "$program libpq kullanıyor, bağımlılıklarda libpq5 yok"
    fi
done
# The links in bin lead to the program folder, and everything the build lays beside the
# program lies beside the installed one too.
for program in Lodra LodraVt; do
    [ "$(readlink -f "$r/usr/bin/$program")" = "$klasor/$program" ] ||
        hata "usr/bin/$program program klasörüne bağlı değil"
done
for dosya in "$build"/bin/*; do
    [ -f "$dosya" ] && [ ! -x "$dosya" ] || continue
    cmp -s "$dosya" "$klasor/$(basename "$dosya")" ||
        hata "$(basename "$dosya") programın yanına kurulmuyor (tarvela_program_dosyasi ile ekleyin)"
done

masaustu="$r/usr/share/applications/$kimlik.desktop"
desktop-file-validate "$masaustu" || hata "menü girdisi geçersiz"
appstreamcli validate --no-net "$r/usr/share/metainfo/$kimlik.metainfo.xml" >"$kok/as.log" ||
    { cat "$kok/as.log"; hata "metainfo geçersiz"; }
grep -qx "Icon=$kimlik" "$masaustu" || hata "menü girdisinin simgesi $kimlik değil"
grep -qx "Exec=Lodra" "$masaustu" || hata "menü girdisi Lodra'yı başlatmıyor"
[ -s "$r/usr/share/icons/hicolor/scalable/apps/$kimlik.svg" ] || hata "SVG simge yok"
for boyut in 16 24 32 48 64 128 256; do
    [ -s "$r/usr/share/icons/hicolor/${boyut}x${boyut}/apps/$kimlik.png" ] ||
        hata "${boyut}x${boyut} simge yok"
done

# Every command and option that the tool's help lists is named in its manual page, and the
# page formats without a warning.
sayfa="$r/usr/share/man/man1/LodraVt.1.gz"
uyarilar=$(LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l -Tutf8 -Z "$sayfa" 2>&1 >/dev/null)
[ -z "$uyarilar" ] || hata "kılavuz sayfası uyarı veriyor: $uyarilar"
metin=$(zcat "$sayfa" | sed 's/\\-/-/g')
yardim=$("$r/usr/bin/LodraVt" --help)
komutlar=$(sed -n '/^Komutlar:/,/^$/p' <<<"$yardim" | sed -n 's/^  \([a-z][a-z-]*\) .*/\1/p')
[ "$(wc -w <<<"$komutlar")" -ge 4 ] || hata "yardımda komut bulunamadı: $yardim"
for ad in $komutlar $(grep -oE "(^|[ ,])--?[a-z]+" <<<"$yardim" | tr -d " ," | sort -u); do
    grep -qw -- "$ad" <<<"$metin" || hata "kılavuz sayfası $ad adını anmıyor"
done
# The synopsis gives the key-file option to every command that opens an existing file; the
# program's page names every key of the settings file; neither page hyphenates a word (a
# file, key or program name) across lines.
kullanim=$(MANWIDTH=250 man -l "$sayfa" 2>/dev/null | sed -n '/^KULLANIM/,/^AÇIKLAMA/p')
for k in ornek denetle dizin-ekle geri-yukle anahtar-degistir; do
    grep -qE -- "LodraVt +$k .*--anahtar-dosyasi" <<<"$kullanim" ||
        hata "kılavuz sayfasının özetinde $k --anahtar-dosyasi almıyor"
done
program=$(zcat "$r/usr/share/man/man1/Lodra.1.gz")
while read -r ayar; do
    grep -qF -- "$ayar" <<<"$program" || hata "Lodra.1 \"$ayar\" ayarını anmıyor"
done < <(grep -oE '"Ayarlar", "[^"]+"' "$(dirname "$0")/../../src/settings/AyarTablosu.cpp" |
    cut -d'"' -f4)
for p in Lodra LodraVt; do
    for w in 60 72 80 100; do
        bicimli=$(MANWIDTH=$w man -l "$r/usr/share/man/man1/$p.1.gz" 2>/dev/null)
        if grep -q '‐$' <<<"$bicimli"; then
            hata "$p.1 $w sütunda bir sözcüğü satır sonunda bölüyor"
        fi
    done
done

# The unpacked program, started through its link, on a demo database made with the
# unpacked tool.
vt="$kok/veritabani"
mkdir -p "$vt" "$kok/ayarlar/Selvane" "$kok/gecici"
"$r/usr/bin/LodraVt" olustur "$vt" --ornek --klasor 4 --is 30 >/dev/null
printf '[Sunucular]\nSunucu-1=%s\n\n[Ayarlar]\nVeritabani=0\nOtomatik Baslasin=0\nArkaplanda Calissin=0\n' \
    "$vt" >"$kok/ayarlar/Selvane/Tarvela.ini"
XDG_CONFIG_HOME="$kok/ayarlar" TMPDIR="$kok/gecici" QT_QPA_PLATFORM=offscreen TARVELA_IZ=1 \
    LANG=tr_TR.UTF-8 LC_ALL=tr_TR.UTF-8 "$r/usr/bin/Lodra" 2>"$kok/iz" &
lodra=$!
for _ in $(seq 600); do
    grep -q '^TARVELA_IZ baglandi' "$kok/iz" && break
    kill -0 "$lodra" 2>/dev/null || break
    sleep 0.1
done
grep -q '^TARVELA_IZ baglandi' "$kok/iz" || { cat "$kok/iz"; hata "program veritabanına bağlanmadı"; }
grep -qx "TARVELA_IZ program-klasoru $klasor/" "$kok/iz" ||
    { cat "$kok/iz"; hata "program klasörü $klasor/ değil"; }
echo "Paket denetlendi: $(basename "$deb")"
