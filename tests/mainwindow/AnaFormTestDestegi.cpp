#include "AnaFormTestDestegi.h"

#include "SunucuTestDestegi.h"
#include "TestOrtami.h"
#include "controls/Siralama.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/dosya/DosyaIc.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QDir>
#include <QDragMoveEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>

namespace AnaFormTest {

QString yeniVeritabanı() {
    if (qEnvironmentVariable("TARVELA_TEST_MOTORU") == QLatin1String("sunucu")) {
        if (SunucuTest::yöneticiAdresi().isEmpty()) {
            QTest::qSkip(SunucuTest::YokNedeni, __FILE__, __LINE__);
            return QString();
        }
        // The database of the previous test goes once the new one is open.
        static std::unique_ptr<SunucuTest::GeçiciVeritabanı> sunucu;
        // The last one goes with the application, while the TLS library still works (at the
        // process's exit it has been torn down already).
        static const bool kayıtlı = [] {
            qAddPostRoutine([] {
                AçıkVeritabanı::kapat();
                sunucu.reset();
            });
            return true;
        }();
        Q_UNUSED(kayıtlı);
        auto yeni = std::make_unique<SunucuTest::GeçiciVeritabanı>();
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(yeni->adres()));
        sunucu = std::move(yeni);
        return AçıkVeritabanı::al().yol();
    }
    static int sayı = 0;
    const QString klasör =
        TestOrtami::şimdiki().veritabanıKlasörü() + QStringLiteral("/vt%1").arg(++sayı);
    QDir().mkpath(klasör);
    const QString dosya = klasör + QLatin1Char('/') + VeritabanıKurulumu::DosyaAdı;
    VeritabanıKurulumu::oluştur(dosya);
    AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(dosya));
    return dosya;
}

namespace {
// Adds one row to the table through the engine layer, as the program does.
void ekle(const char* tablo, const QStringList& alanlar, const QVariantList& değerler) {
    auto k = AçıkVeritabanı::al().OpenRecordset(QStringLiteral("SELECT * FROM ") + tablo);
    k->AddNew();
    for (int i = 0; i < alanlar.size(); ++i)
        k->alanYaz(alanlar[i], değerler[i]);
    k->Update();
    k->Close();
}
} // namespace

void klasörEkle(const QString& anahtar, const QString& bağ, const QString& ad) {
    ekle("KlasorBilgileriTablosu", {"Bagi", "Anahtari", "Adi"}, {bağ, anahtar, ad});
}

qint64 işEkle(const QString& anahtar, const QDate& tarih, const QTime& saat, const QString& konu,
              bool hatırlatma, bool yapıldı, const QString& yer, const QString& sayı,
              const QString& açıklama) {
    ekle("YapilacakIslerTablosu",
         {"Anahtari", "IsinTarihi", "IsinSaati", "IsinKonusu", "IsinYeri", "IsinSayisi", "Aciklama",
          "Hatirlatma", "IsYapildi"},
         {anahtar, tarih, saat, konu, yer, sayı, açıklama, hatırlatma, yapıldı});
    return ilkAlan(QStringLiteral("SELECT * FROM YapilacakIslerTablosu ORDER BY IsNo DESC"),
                   QStringLiteral("IsNo"))
        .toLongLong();
}

int satırSayısı(const QString& deyim) {
    auto k = AçıkVeritabanı::al().OpenRecordset(deyim);
    int sayı = 0;
    while (!k->Eof()) {
        ++sayı;
        k->MoveNext();
    }
    return sayı;
}

QVariant ilkAlan(const QString& deyim, const QString& alan) {
    auto k = AçıkVeritabanı::al().OpenRecordset(deyim);
    return k->Eof() ? QVariant() : k->alan(alan);
}

Kilit::Kilit() {
    sqlite3_open_v2(QFile::encodeName(AçıkVeritabanı::al().yol()).constData(), &db_,
                    SQLITE_OPEN_READWRITE, nullptr);
    Veritabanıİç::hazırla(db_, QStringLiteral("KMZ1994"));
    Veritabanıİç::çalıştır(db_, "BEGIN EXCLUSIVE");
    bekleme_ = Veritabanıİç::beklemeSüresi();
    Veritabanıİç::beklemeSüresiniAyarla(50);
}

Kilit::~Kilit() {
    Veritabanıİç::beklemeSüresiniAyarla(bekleme_);
    sqlite3_close(db_);
}

std::unique_ptr<AnaForm> yeniForm(bool görünür) {
    Sıralama::durum() = {};
    auto form = std::make_unique<AnaForm>();
    form->Form_Load(görünür, nullptr);
    form->KlasörleriYükle();
    if (görünür)
        (void)QTest::qWaitForWindowExposed(form.get());
    return form;
}

QTreeWidgetItem* düğüm(AnaForm& form, const QString& anahtar) {
    QTreeWidgetItem* d = form.KlasörListesi->anahtarlıDüğüm(anahtar);
    if (!d)
        qWarning() << "düğüm yok:" << anahtar;
    return d;
}

void düğümTıkla(AnaForm& form, const QString& anahtar) {
    QTreeWidgetItem* d = düğüm(form, anahtar);
    QTreeWidget* ağaç = form.KlasörListesi;
    ağaç->scrollToItem(d);
    const QRect alan = ağaç->visualItemRect(d);
    QTest::mouseClick(ağaç->viewport(), Qt::LeftButton, {}, alan.center());
}

QStringList sütun(AnaForm& form, int s) {
    QStringList metinler;
    for (int i = 0; i < form.işModeli->satırSayısı(); ++i)
        metinler << form.işModeli->metin(i, s);
    return metinler;
}

void ağacaBırak(AnaForm& form, QTreeWidgetItem* hedef) {
    KlasörAğacı* ağaç = form.KlasörListesi;
    const QPoint konum =
        hedef ? ağaç->visualItemRect(hedef).center() : QPoint(4, ağaç->viewport()->height() - 4);
    QMimeData veri;
    veri.setData(İşListesiModeli::SürüklemeBiçimi, "1");
    const Qt::DropActions eylemler = Qt::CopyAction | Qt::MoveAction;
    ağaç->sürüklemeBaşladı();
    QDragEnterEvent giriş(konum, eylemler, &veri, Qt::LeftButton, {});
    QCoreApplication::sendEvent(ağaç->viewport(), &giriş);
    QDragMoveEvent hareket(konum, eylemler, &veri, Qt::LeftButton, {});
    QCoreApplication::sendEvent(ağaç->viewport(), &hareket);
    if (hareket.isAccepted()) {
        QDropEvent bırakma(konum, eylemler, &veri, Qt::LeftButton, {});
        QCoreApplication::sendEvent(ağaç->viewport(), &bırakma);
    }
    form.YapılacakİşlerListesi_OLECompleteDrag();
}

} // namespace AnaFormTest
