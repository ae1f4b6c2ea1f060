#include "lists/ListeYazdirici.h"

#include "controls/KayitYeriSor.h"
#include "controls/KullaniciDosyasi.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "lists/CupsKuyrugu.h"
#include "lists/YaziciSecmeFormu.h"
#include "settings/ProgramDegerleri.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <array>

namespace {
constexpr double MmİnçBaşına = 25.4;
// Dots per inch of a PDF page, as a printer's high resolution.
constexpr int PdfÇözünürlüğü = 1200;

std::function<void(QProgressDialog*, int)>& ilerlemeİşleyicisi() {
    static std::function<void(QProgressDialog*, int)> işleyici;
    return işleyici;
}

QString& sonPdfKlasörü() {
    static QString klasör;
    return klasör;
}

// The three faces of a printed list on one device: the printer's default typeface at the
// sizes of the title, the column header and the rows.
class Yazılar {
public:
    explicit Yazılar(QPaintDevice& cihaz)
        : mmX_(MmİnçBaşına / cihaz.logicalDpiX()), mmY_(MmİnçBaşına / cihaz.logicalDpiY()) {
        const YazıBiçimi biçimler[] = {Yazdırma::BaşlıkYazısı, Yazdırma::SütunBaşlığıYazısı,
                                       Yazdırma::SatırYazısı};
        for (const YazıBiçimi& b : biçimler) {
            QFont yazı = QGuiApplication::font();
            yazı.setPointSizeF(b.punto);
            yazı.setBold(b.kalın);
            yazı.setUnderline(b.altıÇizili);
            yazılar_.push_back({b, yazı, QFontMetricsF(yazı, &cihaz)});
        }
    }

    struct Yazı {
        YazıBiçimi biçim;
        QFont yazı;
        QFontMetricsF ölçü;
    };
    const Yazı& al(const YazıBiçimi& b) const {
        for (const Yazı& y : yazılar_)
            if (y.biçim == b)
                return y;
        return yazılar_.back();
    }
    double mmX() const { return mmX_; }
    double mmY() const { return mmY_; }

    YazdırmaÖlçüsü ölçü() const {
        return {[this](const QString& metin, const YazıBiçimi& b) {
                    return al(b).ölçü.horizontalAdvance(metin) * mmX_;
                },
                [this](const YazıBiçimi& b) { return al(b).ölçü.lineSpacing() * mmY_; }};
    }

private:
    double mmX_, mmY_;
    std::vector<Yazı> yazılar_;
};

QString başarısızMetni(const QString& neden) {
    return QStringLiteral("Liste yazdırılamadı!\r\n\r\n") + neden;
}

// The file name for "PDF dosyası"; empty when the user gives none.
QString pdfDosyasıSor(QWidget* sahip, const QString& başlık) {
    QString ad = başlık;
    for (QChar& c : ad)
        if (QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'-';
    return KayıtYeriSor(sahip,
                        {QStringLiteral("PDF Dosyasına Yazdır"),
                         QStringLiteral("PdfDosyasıPenceresi"),
                         ad.trimmed() + QStringLiteral(".pdf"),
                         QStringLiteral("PDF dosyaları (*.pdf)"), QStringLiteral("pdf")},
                        sonPdfKlasörü());
}
} // namespace

namespace ListeYazdırıcı {
Çizim çiz(QPagedPaintDevice& cihaz, const QList<İşSatırı>& satırlar, const QString& başlık,
          double sayıSütunu, const std::function<bool(int, int)>& sürsün) {
    const Yazılar yazılar(cihaz);
    const QSizeF alan = cihaz.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const YazdırmaDüzeni düzen =
        Yazdırma::düzenle(satırlar, başlık, sayıSütunu, alan, yazılar.ölçü());
    QPainter kalem;
    if (!kalem.begin(&cihaz))
        return Çizim::Başarısız;
    const auto sayfaSayısı = int(düzen.sayfalar.size());
    for (int s = 0; s < sayfaSayısı; ++s) {
        if (s > 0 && !cihaz.newPage()) {
            kalem.end();
            return Çizim::Başarısız;
        }
        const YazıBiçimi* biçim = nullptr;
        const Yazılar::Yazı* yazı = nullptr;
        for (const YerleşikMetin& m : düzen.sayfalar[s]) {
            if (!biçim || !(*biçim == m.biçim)) {
                biçim = &m.biçim;
                yazı = &yazılar.al(m.biçim);
                kalem.setFont(yazı->yazı);
            }
            // The layout places the top of a line; text is drawn on its base line.
            kalem.drawText(QPointF(m.x / yazılar.mmX(), m.y / yazılar.mmY() + yazı->ölçü.ascent()),
                           m.metin);
        }
        if (sürsün && !sürsün(s + 1, sayfaSayısı)) {
            kalem.end();
            return Çizim::İptal;
        }
    }
    return kalem.end() ? Çizim::Bitti : Çizim::Başarısız;
}

QPageLayout pdfSayfası() {
    return QPageLayout(QPageSize(QPrinter().pageLayout().pageSize()), QPageLayout::Portrait,
                       QMarginsF(), QPageLayout::Millimeter);
}

Çizim pdfYaz(const QString& dosya, const QPageLayout& sayfa, const QList<İşSatırı>& satırlar,
             const QString& başlık, double sayıSütunu, const std::function<bool(int, int)>& sürsün,
             QString* hata) {
    using KullanıcıDosyası::Sonuç;
    // The pages go into a temporary file beside the target, which replaces an old file only
    // when the last page is written.
    const Sonuç sonuç = KullanıcıDosyası::yaz(
        dosya,
        [&](QIODevice& aygıt) {
            QPdfWriter yazıcı(&aygıt);
            yazıcı.setResolution(PdfÇözünürlüğü);
            yazıcı.setTitle(başlık);
            yazıcı.setCreator(ÜrünAdı);
            yazıcı.setPageLayout(sayfa);
            switch (çiz(yazıcı, satırlar, başlık, sayıSütunu, sürsün)) {
            case Çizim::Bitti:
                return Sonuç::Yazıldı;
            case Çizim::İptal:
                return Sonuç::Vazgeçildi;
            case Çizim::Başarısız:
                break;
            }
            return Sonuç::Yazılamadı;
        },
        hata);
    switch (sonuç) {
    case Sonuç::Yazıldı:
        return Çizim::Bitti;
    case Sonuç::Vazgeçildi:
        return Çizim::İptal;
    case Sonuç::Yazılamadı:
        break;
    }
    return Çizim::Başarısız;
}
} // namespace ListeYazdırıcı

namespace ListeYazdiriciTest {
void ilerlemede(std::function<void(QProgressDialog*, int)> işleyici) {
    ilerlemeİşleyicisi() = std::move(işleyici);
}
void temizle() {
    ilerlemeİşleyicisi() = nullptr;
    sonPdfKlasörü().clear();
}
} // namespace ListeYazdiriciTest

namespace {
// Draws the pages, with a progress window and its cancel button for long lists.
ListeYazdırıcı::Çizim
ilerlemeyleÇiz(QWidget* sahip,
               const std::function<ListeYazdırıcı::Çizim(std::function<bool(int, int)>)>& çiz) {
    std::unique_ptr<QProgressDialog> ilerleme;
    return çiz([&](int sayfa, int sayfaSayısı) {
        if (sayfaSayısı <= İlerlemeSayfaSınırı)
            return true;
        if (!ilerleme) {
            ilerleme =
                std::make_unique<QProgressDialog>(QStringLiteral("Liste yazdırılıyor..."),
                                                  QStringLiteral("İptal"), 0, sayfaSayısı, sahip);
            ilerleme->setObjectName(QStringLiteral("YazdırmaİlerlemePenceresi"));
            ilerleme->setWindowTitle(MesajKutusu::VarsayılanBaşlık);
            ilerleme->setWindowModality(Qt::ApplicationModal);
            ilerleme->setMinimumDuration(0);
            ilerleme->setAutoClose(false);
        }
        // A modal progress window lets pending events run here, so the window stays
        // responsive and its cancel button is heard.
        ilerleme->setValue(sayfa);
        ilerleme->setLabelText(
            QStringLiteral("Liste yazdırılıyor... (%1 / %2)").arg(sayfa).arg(sayfaSayısı));
        if (ilerlemeİşleyicisi())
            ilerlemeİşleyicisi()(ilerleme.get(), sayfa);
        return !ilerleme->wasCanceled();
    });
}
} // namespace

YazdırmaSonucu ListeyiYazdır(QWidget* sahip, const QList<İşSatırı>& satırlar, const QString& başlık,
                             double sayıSütunu, bool enÜstte) {
    using ListeYazdırıcı::Çizim;
    if (satırlar.isEmpty())
        return YazdırmaSonucu::Boş;
    // Printers come and go while the program runs: asked afresh at every print.
    program().yazıcıVar = Yazıcılar::varMı();
    if (!program().yazıcıVar)
        MesajKutusu::ünlem(QStringLiteral("Bilgisayarınızda yüklü bir YAZICI yok!\r\n\r\n"
                                          "Liste, ancak bir PDF dosyasına yazdırılabilir."));

    Yazıcılar::yazdırmaİptalEdildi() = false;
    {
        YazıcıSeçmeFormu seçim(sahip);
        if (enÜstte)
            seçim.setWindowFlag(Qt::WindowStaysOnTopHint);
        Modal::göster(&seçim);
    }
    if (Yazıcılar::yazdırmaİptalEdildi()) {
        Yazıcılar::yazdırmaİptalEdildi() = false;
        return YazdırmaSonucu::İptal;
    }

    const QString yazıcıAdı = Yazıcılar::seçilen();
    auto sonuç = [&](Çizim çizim, const QString& neden) {
        switch (çizim) {
        case Çizim::Bitti:
            return YazdırmaSonucu::Yazdırıldı;
        case Çizim::İptal:
            return YazdırmaSonucu::İptal;
        case Çizim::Başarısız:
            break;
        }
        MesajKutusu::ünlem(başarısızMetni(neden));
        return YazdırmaSonucu::Başarısız;
    };

    if (yazıcıAdı == Yazıcılar::PdfDosyası) {
        const QString dosya = pdfDosyasıSor(sahip, başlık);
        if (dosya.isEmpty())
            return YazdırmaSonucu::İptal;
        QString neden;
        const Çizim çizim = ilerlemeyleÇiz(sahip, [&](std::function<bool(int, int)> sürsün) {
            return ListeYazdırıcı::pdfYaz(dosya, ListeYazdırıcı::pdfSayfası(), satırlar, başlık,
                                          sayıSütunu, sürsün, &neden);
        });
        return sonuç(çizim, QStringLiteral("\"") + QDir::toNativeSeparators(dosya) +
                                QStringLiteral("\" dosyasına yazılamıyor.") +
                                (neden.isEmpty() ? QString() : QStringLiteral("\r\n") + neden));
    }

    if (!Yazıcılar::yüklüMü(yazıcıAdı))
        return sonuç(Çizim::Başarısız, QStringLiteral("\"") + yazıcıAdı +
                                           QStringLiteral("\" adlı yazıcı artık yüklü değil."));
    const QPrinterInfo bilgi = QPrinterInfo::printerInfo(yazıcıAdı);
    QPrinter yazıcı(bilgi, QPrinter::HighResolution);
    yazıcı.setDocName(başlık);
    if (!CupsKuyruğu::kullanılabilir()) {
        const Çizim çizim = ilerlemeyleÇiz(sahip, [&](std::function<bool(int, int)> sürsün) {
            return ListeYazdırıcı::çiz(yazıcı, satırlar, başlık, sayıSütunu, sürsün);
        });
        return sonuç(çizim, QStringLiteral("Yazıcı belgeyi kabul etmedi."));
    }
    // The pages go to the spooler as a PDF file of the printer's paper and printable area,
    // so that its answer can be told to the user (the platform's printer would drop it).
    QTemporaryDir geçici;
    const QString dosya = geçici.filePath(QStringLiteral("liste.pdf"));
    const Çizim çizim = ilerlemeyleÇiz(sahip, [&](std::function<bool(int, int)> sürsün) {
        return ListeYazdırıcı::pdfYaz(dosya, yazıcı.pageLayout(), satırlar, başlık, sayıSütunu,
                                      sürsün);
    });
    if (çizim != Çizim::Bitti)
        return sonuç(çizim, QStringLiteral("Geçici dosya yazılamıyor."));
    const QString neden =
        CupsKuyruğu::gönder(yazıcıAdı, dosya, başlık, yazıcı.pageLayout().pageSize().key());
    return sonuç(neden.isEmpty() ? Çizim::Bitti : Çizim::Başarısız,
                 QStringLiteral("\"") + yazıcıAdı + QStringLiteral("\" yazıcısı işi almadı: ") +
                     neden);
}
