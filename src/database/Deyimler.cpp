#include "database/Deyimler.h"

#include "controls/Hata.h"

#include <QStringList>

namespace {
const QString İşler = QStringLiteral("YapilacakIslerTablosu");

QString no(qint32 isNo) {
    return QString::number(isNo);
}
} // namespace

namespace Deyim {

QString tarihLiterali(const QDate& tarih) {
    // Built from the numbers, never from a locale's format, so that the engine always reads
    // month first.
    return QStringLiteral("#%1/%2/%3#")
        .arg(tarih.month())
        .arg(tarih.day())
        .arg(tarih.year(), 4, 10, QLatin1Char('0'));
}

QString saatLiterali(const QTime& zaman) {
    return QStringLiteral("#%1:%2:0#")
        .arg(zaman.hour(), 2, 10, QLatin1Char('0'))
        .arg(zaman.minute(), 2, 10, QLatin1Char('0'));
}

QString metinLiterali(const QString& metin) {
    QString kaçışlı = metin;
    kaçışlı.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + kaçışlı + QLatin1Char('\'');
}

// Folder statements.
QString F1() {
    return QStringLiteral("SELECT * FROM KlasorBilgileriTablosu");
}
QString F2() {
    return F1();
}
QString F3(const QString& klasörAnahtarı) {
    return QStringLiteral("SELECT Adi FROM KlasorBilgileriTablosu ") +
           QStringLiteral("WHERE Anahtari= ") + metinLiterali(klasörAnahtarı);
}
QString F4(const QString& klasörAnahtarı) {
    return F3(klasörAnahtarı);
}
QString F5(const QString& klasörAnahtarı) {
    return QStringLiteral("DELETE * FROM YapilacakIslerTablosu ") +
           QStringLiteral("WHERE Anahtari= ") + metinLiterali(klasörAnahtarı);
}

// Job statements.
QString J1(const QString& klasörAnahtarı) {
    return QStringLiteral("SELECT * FROM YapilacakIslerTablosu ") +
           QStringLiteral("WHERE Anahtari=") + metinLiterali(klasörAnahtarı) + QStringLiteral(" ") +
           QStringLiteral("ORDER BY IsinTarihi");
}
QString J2() {
    return QStringLiteral("SELECT * FROM YapilacakIslerTablosu ") +
           QStringLiteral("ORDER BY IsinTarihi");
}
QString J3(const QDate& bugün, const QString& klasörAnahtarı) {
    return QStringLiteral("(SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi = ") +
           tarihLiterali(bugün) + QStringLiteral(" AND IsYapildi= ") + QStringLiteral("False") +
           QStringLiteral(" AND Anahtari=") + metinLiterali(klasörAnahtarı) +
           QStringLiteral(" ORDER BY IsinTarihi)");
}
QString J4(const QDate& bugün) {
    return QStringLiteral("(SELECT * FROM YapilacakIslerTablosu WHERE IsinTarihi = ") +
           tarihLiterali(bugün) + QStringLiteral(" AND IsYapildi= ") + QStringLiteral("False") +
           QStringLiteral(" ORDER BY IsinTarihi)");
}
QString J5(const QString& hedefAnahtar, qint32 isNo) {
    return QStringLiteral("UPDATE YapilacakIslerTablosu ") + QStringLiteral("SET Anahtari= ") +
           metinLiterali(hedefAnahtar) + QStringLiteral(" ") + QStringLiteral("WHERE IsNo= ") +
           no(isNo);
}
QString J6(qint32 isNo) {
    return QStringLiteral("DELETE * FROM YapilacakIslerTablosu ") + QStringLiteral("WHERE IsNo=") +
           no(isNo);
}
QString J7() {
    return QStringLiteral("SELECT * FROM YapilacakIslerTablosu");
}
QString J8(qint32 isNo) {
    return QStringLiteral("SELECT * FROM YapilacakIslerTablosu ") + QStringLiteral("WHERE IsNo= ") +
           no(isNo);
}
QString J9(const QDate& bugün, const QTime& şimdi) {
    return QStringLiteral("SELECT * FROM YapilacakIslerTablosu ") +
           QStringLiteral("WHERE IsinTarihi= ") + tarihLiterali(bugün) + QStringLiteral(" AND ") +
           QStringLiteral("IsinSaati<= ") + saatLiterali(şimdi) + QStringLiteral(" AND ") +
           QStringLiteral("Hatirlatma= True AND ") + QStringLiteral("IsYapildi= False ") +
           QStringLiteral("ORDER BY IsinTarihi, IsinSaati");
}
QString J10(qint32 isNo) {
    return QStringLiteral("UPDATE YapilacakIslerTablosu ") + QStringLiteral("SET IsYapildi=True ") +
           QStringLiteral("WHERE IsNo=") + no(isNo);
}
QString J11(qint32 isNo) {
    return QStringLiteral("UPDATE YapilacakIslerTablosu ") +
           QStringLiteral("SET Hatirlatma=False ") + QStringLiteral("WHERE IsNo=") + no(isNo);
}
QString J12(qint32 isNo, const QString& yeniSaatMetni) {
    return QStringLiteral("UPDATE YapilacakIslerTablosu ") + QStringLiteral("SET IsinSaati=") +
           metinLiterali(yeniSaatMetni) + QStringLiteral(" ") + QStringLiteral("WHERE IsNo=") +
           no(isNo);
}

QString J13(Liste seçim, const QDate& tarih) {
    QString deyim = QStringLiteral("SELECT * FROM YapilacakIslerTablosu ");
    switch (seçim) {
    case Liste::Hepsi:
        break;
    case Liste::Yapılanlar:
        deyim += QStringLiteral("WHERE IsYapildi=True ");
        break;
    case Liste::Gecikenler:
        deyim += QStringLiteral("WHERE IsinTarihi < ") + tarihLiterali(tarih) +
                 QStringLiteral(" AND ") + QStringLiteral("IsYapildi=False ");
        break;
    case Liste::Tarihteki:
        deyim += QStringLiteral("WHERE IsinTarihi = ") + tarihLiterali(tarih) +
                 QStringLiteral(" AND ") + QStringLiteral("IsYapildi=False ");
        break;
    }
    return deyim + QStringLiteral("ORDER BY IsinTarihi, IsinSaati");
}

QString J14(const QString& alanAdı, const QString& aranan) {
    // The field name goes into the text unquoted, so only the searchable fields are allowed.
    static const QStringList arananAlanlar = {
        QStringLiteral("IsinKonusu"), QStringLiteral("IsinYeri"), QStringLiteral("Aciklama")};
    if (!arananAlanlar.contains(alanAdı))
        throw Hata(HataNo::Beklenmeyen,
                   QStringLiteral("Aranacak alan geçersiz: %1").arg(alanAdı.left(40)));
    // The searched text matches only itself: the characters that are wildcards in a pattern
    // are written in brackets, an apostrophe is doubled by the literal.
    QString desen;
    desen.reserve(aranan.size() + 2);
    for (QChar c : aranan) {
        if (c == u'*' || c == u'?' || c == u'#' || c == u'[')
            desen += QLatin1Char('[') + c + QLatin1Char(']');
        else
            desen += c;
    }
    return QStringLiteral("SELECT * FROM YapilacakIslerTablosu ") + QStringLiteral("WHERE ") +
           alanAdı + QStringLiteral(" LIKE ") + metinLiterali(QStringLiteral("*") + desen + "*");
}

} // namespace Deyim
