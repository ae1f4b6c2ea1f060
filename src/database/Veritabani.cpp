#include "database/Veritabani.h"

#include "controls/TarihBicimi.h"
#include "database/VeritabaniIc.h"
#include "database/VeritabaniKurulumu.h"
#include "database/VeritabaniMotoru.h"
#include "database/dosya/DosyaMotoru.h"
#include "database/sunucu/SunucuIc.h"
#include "database/sunucu/SunucuMotoru.h"

#include <QDate>
#include <QHash>
#include <QRegularExpression>
#include <QTime>
#include <QUuid>
#include <algorithm>
#include <atomic>
#include <utility>
#include <vector>

// ---------------------------------------------------------------------------------------
// Inner helpers of every engine
// ---------------------------------------------------------------------------------------

namespace Veritabanıİç {

namespace {
std::atomic<int> beklemeSınırı{10000};
std::atomic<long> beklemeler{0};

// The failure planned for a coming database step: its number, and how many steps go first.
struct PlanlıHata {
    int numara = 0;
    int atlanacak = 0;
} planlıHata;
} // namespace

int beklemeSüresi() {
    return beklemeSınırı.load();
}
void beklemeSüresiniAyarla(int ms) {
    beklemeSınırı = ms;
}
long beklemeSayısı() {
    return beklemeler.load();
}
void beklemeSay() {
    ++beklemeler;
}

void sonrakiAdımdaHata(int numara, int atlanacak) {
    planlıHata = {numara, atlanacak};
}

void planlıHatayıAt() {
    if (planlıHata.numara != 0 && planlıHata.atlanacak-- == 0) {
        const int no = std::exchange(planlıHata.numara, 0);
        throw Hata(no, QStringLiteral("Planlanmış hata %1").arg(no));
    }
}

QString parolaAyıkla(const QString& bağlantı) {
    for (const QString& parça : bağlantı.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype eşit = parça.indexOf(u'=');
        if (eşit > 0 &&
            parça.left(eşit).trimmed().compare(QLatin1String("Pwd"), Qt::CaseInsensitive) == 0)
            return parça.mid(eşit + 1);
    }
    return QString();
}

QString yeniKimlik() {
    return QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace Veritabanıİç

// ---------------------------------------------------------------------------------------
// Values of the fields
// ---------------------------------------------------------------------------------------

AlanTürü alanTürü(const QString& ad) {
    if (ad.compare(QLatin1String("IsinTarihi"), Qt::CaseInsensitive) == 0)
        return AlanTürü::Tarih;
    if (ad.compare(QLatin1String("IsinSaati"), Qt::CaseInsensitive) == 0)
        return AlanTürü::Saat;
    if (ad.compare(QLatin1String("Hatirlatma"), Qt::CaseInsensitive) == 0 ||
        ad.compare(QLatin1String("IsYapildi"), Qt::CaseInsensitive) == 0)
        return AlanTürü::EvetHayır;
    if (ad.compare(QLatin1String("IsNo"), Qt::CaseInsensitive) == 0)
        return AlanTürü::Sayaç;
    return AlanTürü::Metin;
}

namespace {

// The stored forms "YYYY-MM-DD" and "HH:MM:SS" read directly: Qt's general parsers cost more
// than everything else of a row. Anything else is left to them (an invalid result here).
bool rakam(char c) {
    return c >= '0' && c <= '9';
}
int sayı(const char* m, int n) {
    int s = 0;
    for (int i = 0; i < n; ++i)
        s = s * 10 + (m[i] - '0');
    return s;
}
QDate saklananTarih(const char* m, int n) {
    if (n < 10 || m[4] != '-' || m[7] != '-')
        return QDate();
    for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!rakam(m[i]))
            return QDate();
    return QDate(sayı(m, 4), sayı(m + 5, 2), sayı(m + 8, 2));
}
QTime saklananSaat(const char* m, int n) {
    if (n != 8 || m[2] != ':' || m[5] != ':')
        return QTime();
    for (int i : {0, 1, 3, 4, 6, 7})
        if (!rakam(m[i]))
            return QTime();
    return QTime(sayı(m, 2), sayı(m + 3, 2), sayı(m + 6, 2));
}

// The text the engine gives for a stored value (a number in its decimal form); `yer` holds
// the number's text.
QByteArrayView metinHali(const HamSatırlar& r, const HamSatırlar::Hücre& h, QByteArray& yer) {
    if (h.tür() != HamSatırlar::Tür::Tamsayı)
        return r.bayt(h);
    yer = QByteArray::number(h.tamsayı);
    return yer;
}

// The leading whole number of a text, as the engine reads a text as a number ("12 a" is 12).
qint64 baştakiSayı(QByteArrayView m) {
    qsizetype i = 0;
    while (i < m.size() && (m[i] == ' ' || m[i] == '\t'))
        ++i;
    qsizetype j = i;
    if (j < m.size() && (m[j] == '-' || m[j] == '+'))
        ++j;
    while (j < m.size() && rakam(m[j]))
        ++j;
    return QByteArray(m.data() + i, j - i).toLongLong();
}

} // namespace

QVariant okunan(AlanTürü tür, const HamSatırlar& r, const HamSatırlar::Hücre& h) {
    using T = HamSatırlar::Tür;
    if (tür == AlanTürü::EvetHayır) {
        switch (h.tür()) {
        case T::Boş:
            return false;
        case T::Tamsayı:
            return h.tamsayı != 0;
        case T::Kesirli:
            return qint64(h.kesirli) != 0;
        default: {
            const QString m = QString::fromUtf8(r.bayt(h));
            return m.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
                   m.toLongLong() != 0;
        }
        }
    }
    if (h.tür() == T::Boş)
        return QVariant();
    switch (tür) {
    case AlanTürü::Sayaç:
        if (h.tür() == T::Tamsayı)
            return h.tamsayı;
        if (h.tür() == T::Kesirli)
            return qint64(h.kesirli);
        return baştakiSayı(r.bayt(h));
    case AlanTürü::Tarih: {
        QByteArray yer;
        const QByteArrayView m = metinHali(r, h, yer);
        const QDate hızlı = saklananTarih(m.data(), int(m.size()));
        if (hızlı.isValid())
            return hızlı;
        const QDate t = QDate::fromString(QString::fromUtf8(m).left(10), Qt::ISODate);
        return t.isValid() ? QVariant(t) : QVariant();
    }
    case AlanTürü::Saat: {
        QByteArray yer;
        const QByteArrayView m8 = metinHali(r, h, yer);
        const QTime hızlı = saklananSaat(m8.data(), int(m8.size()));
        if (hızlı.isValid())
            return hızlı;
        const QString m = QString::fromUtf8(m8);
        QTime z = QTime::fromString(m, QStringLiteral("HH:mm:ss"));
        if (!z.isValid())
            z = QTime::fromString(m, QStringLiteral("H:mm:ss"));
        if (!z.isValid())
            z = QTime::fromString(m, QStringLiteral("H:mm"));
        return z.isValid() ? QVariant(z) : QVariant();
    }
    default:
        // Straight from the stored UTF-8: one conversion, no copy in between.
        if (h.tür() == T::Tamsayı)
            return QString::number(h.tamsayı);
        return QString::fromUtf8(r.bayt(h));
    }
}

bool satırlarıSırala(OkunanSatırlar& o, const QStringList& alanlar) {
    std::vector<int> sütunlar;
    for (const QString& ad : alanlar) {
        qsizetype bulunan = -1;
        for (qsizetype s = 0; s < o.adlar.size() && bulunan < 0; ++s)
            if (o.adlar[s].compare(ad, Qt::CaseInsensitive) == 0)
                bulunan = s;
        if (bulunan < 0)
            return false;
        sütunlar.push_back(int(bulunan));
    }
    const std::vector<qsizetype>& sıra = o.ham.sırala(sütunlar);
    std::vector<qint64> satırNo;
    satırNo.reserve(o.satırNo.size());
    for (qsizetype eski : sıra)
        satırNo.push_back(o.satırNo[size_t(eski)]);
    o.satırNo = std::move(satırNo);
    return true;
}

namespace {

[[noreturn]] void dönüştürülemez(const QString& alan, const QVariant& değer) {
    throw Hata(VeritabanıHataNo::TürDönüşümü,
               QStringLiteral("Veri türü dönüştürme hatası: '%1' değeri %2 alanına yazılamaz.")
                   .arg(değer.toString().left(40), alan));
}

// A value written through a field, converted to the type the field stores: QDate, QTime,
// bool or QString (null for an empty date or time). Date texts are read in the user's date
// format. The engine writes it in its own form.
QVariant saklanan(const QString& alan, const QVariant& değer) {
    const AlanTürü tür = alanTürü(alan);
    if (tür == AlanTürü::Sayaç)
        throw Hata(
            VeritabanıHataNo::AlanGüncellenemez,
            QStringLiteral("%1 alanı güncelleştirilemez; numarayı veritabanı verir.").arg(alan));
    const bool boş = !değer.isValid() || değer.isNull() ||
                     (değer.typeId() == QMetaType::QString &&
                      değer.toString().trimmed().isEmpty() && tür != AlanTürü::Metin);
    if (tür == AlanTürü::EvetHayır) {
        if (boş)
            return false;
        switch (değer.typeId()) {
        case QMetaType::Bool:
            return değer.toBool();
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Double:
            return değer.toDouble() != 0;
        default: {
            const QString m = değer.toString().trimmed();
            if (m.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 ||
                m == QLatin1String("-1") || m == QLatin1String("1") ||
                m.compare(QLatin1String("Evet"), Qt::CaseInsensitive) == 0)
                return true;
            if (m.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0 ||
                m == QLatin1String("0") ||
                m.compare(QLatin1String("Hayır"), Qt::CaseInsensitive) == 0)
                return false;
            dönüştürülemez(alan, değer);
        }
        }
    }
    if (boş)
        return QVariant();
    if (tür == AlanTürü::Tarih) {
        QDate t;
        if (değer.typeId() == QMetaType::QDate)
            t = değer.toDate();
        else if (değer.typeId() == QMetaType::QDateTime)
            t = değer.toDateTime().date();
        else {
            const QString m = değer.toString().trimmed();
            t = TarihBiçimi::çöz(m);
            if (!t.isValid())
                t = QDate::fromString(m, Qt::ISODate);
        }
        if (!t.isValid())
            dönüştürülemez(alan, değer);
        return t;
    }
    if (tür == AlanTürü::Saat) {
        QTime z;
        if (değer.typeId() == QMetaType::QTime)
            z = değer.toTime();
        else if (değer.typeId() == QMetaType::QDateTime)
            z = değer.toDateTime().time();
        else {
            const QString m = değer.toString().trimmed();
            static const QRegularExpression biçim(
                QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{1,2}))?$"));
            const auto e = biçim.match(m);
            if (e.hasMatch())
                z = QTime(e.captured(1).toInt(), e.captured(2).toInt(),
                          e.hasCaptured(3) ? e.captured(3).toInt() : 0);
        }
        if (!z.isValid())
            dönüştürülemez(alan, değer);
        // Stored to the second, as it is read back.
        return QTime(z.hour(), z.minute(), z.second());
    }
    return değer.toString();
}

} // namespace

// ---------------------------------------------------------------------------------------
// Veritabanı
// ---------------------------------------------------------------------------------------

struct Veritabanı::İç {
    std::shared_ptr<VeritabanıMotoru> motor;
};

struct KayıtKümesi::İç {
    std::shared_ptr<VeritabanıMotoru> motor;
    QString deyim;
    bool tamamı = true; // every row has been read
    void kalanıOku();
    QString tablo;
    bool değiştirilebilir = false;
    QStringList adlar;
    QHash<QString, int> sıralar; // lower-case name -> column
    // The rows as the engine stores them.
    HamSatırlar ham;
    std::vector<AlanTürü> türler;
    // Values this recordset wrote over stored ones since reading (row * width + column).
    QHash<qsizetype, QVariant> yazılan;
    std::vector<qint64> satırNo;
    std::vector<bool> silindi;
    qsizetype satırSayısı = 0;
    qsizetype konum = 0;
    bool kapalı = false;
    enum class Kip { Yok, Ekle, Düzenle } kip = Kip::Yok;
    QHash<int, QVariant> tampon;

    void açıkMı() const {
        if (kapalı)
            throw Hata(VeritabanıHataNo::NesneGeçersiz, QStringLiteral("Kayıt kümesi kapatılmış."));
    }
    void geçerliSatır() const {
        açıkMı();
        if (konum >= satırSayısı)
            throw Hata(VeritabanıHataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
        if (silindi[konum])
            throw Hata(VeritabanıHataNo::KayıtSilinmiş, QStringLiteral("Kayıt silinmiş."));
    }
    // The value in the row and column as the program reads it.
    QVariant değer(qsizetype satır, int sütun) const {
        const qsizetype yer = satır * adlar.size() + sütun;
        if (!yazılan.isEmpty()) {
            const auto bulunan = yazılan.constFind(yer);
            if (bulunan != yazılan.constEnd())
                return *bulunan;
        }
        return okunan(türler[size_t(sütun)], ham, ham.hücre(satır, sütun));
    }
    int sütun(const QString& ad) const {
        açıkMı();
        const auto bulunan = sıralar.constFind(ad.toLower());
        if (bulunan == sıralar.constEnd())
            throw Hata(VeritabanıHataNo::AlanYok,
                       QStringLiteral("Bu koleksiyonda öğe bulunamadı: %1").arg(ad));
        return *bulunan;
    }
};

Veritabanı::Veritabanı(std::unique_ptr<İç> iç) : iç_(std::move(iç)) {}
Veritabanı::~Veritabanı() = default;

std::shared_ptr<Veritabanı> Veritabanı::OpenDatabase(const QString& yol, bool özel, bool saltOkunur,
                                                     const QString& bağlantı) {
    // The program always opens shared and read-write; the other modes are not offered.
    if (özel || saltOkunur)
        throw Hata(HataNo::DosyaAçılamıyor,
                   QStringLiteral("Veritabanı yalnız paylaşımlı ve okuma-yazma kipinde açılır."));
    return anahtarlaAç(yol, Veritabanıİç::parolaAyıkla(bağlantı));
}

std::shared_ptr<Veritabanı> Veritabanı::anahtarlaAç(const QString& yol, const QString& anahtar) {
    auto iç = std::make_unique<İç>();
    if (Sunucuİç::adresMi(yol))
        // The file's built-in password is never sent to a server; without a password of
        // the user's, libpq finds one its own ways (the address, ~/.pgpass, a service file).
        iç->motor =
            SunucuMotoru::aç(yol, anahtar == VeritabanıKurulumu::Parola ? QString() : anahtar);
    else
        iç->motor = DosyaMotoru::aç(yol, anahtar);
    return std::shared_ptr<Veritabanı>(new Veritabanı(std::move(iç)));
}

QString Veritabanı::yol() const {
    return iç_->motor->yol();
}

QString Veritabanı::kimlik() {
    return iç_->motor->kimlik();
}

void Veritabanı::işlem(const std::function<void()>& iş) {
    iç_->motor->işlem(iş);
}

qint64 Veritabanı::Execute(const QString& deyim) {
    return iç_->motor->çalıştır(deyim);
}

quint64 Veritabanı::değişiklikDamgası() {
    return iç_->motor->değişiklikDamgası();
}

namespace {
void satırlarıAl(KayıtKümesi::İç& iç, OkunanSatırlar&& o) {
    iç.adlar = std::move(o.adlar);
    iç.sıralar.clear();
    for (int s = 0; s < iç.adlar.size(); ++s)
        iç.sıralar.insert(iç.adlar[s].toLower(), s);
    iç.türler.clear();
    for (const QString& ad : iç.adlar)
        iç.türler.push_back(alanTürü(ad));
    iç.ham = std::move(o.ham);
    iç.satırNo = std::move(o.satırNo);
}
} // namespace

std::unique_ptr<KayıtKümesi> Veritabanı::OpenRecordset(const QString& deyim, Okuma okuma) {
    auto iç = std::make_unique<KayıtKümesi::İç>();
    iç->motor = iç_->motor;
    iç->deyim = deyim;
    // Unless every row is asked for, only the first row is read now: a recordset opened to
    // add or change one row costs the same on a large database as on a small one. The rest
    // is read on the first MoveNext.
    OkunanSatırlar o =
        iç->motor->oku(deyim, okuma == Okuma::Tamamı, &iç->değiştirilebilir, &iç->tablo);
    iç->tamamı = !o.dahaVar;
    satırlarıAl(*iç, std::move(o));
    iç->satırSayısı = qsizetype(iç->satırNo.size());
    iç->silindi.assign(size_t(iç->satırSayısı), false);
    return std::unique_ptr<KayıtKümesi>(new KayıtKümesi(std::move(iç)));
}

void KayıtKümesi::İç::kalanıOku() {
    if (tamamı)
        return;
    OkunanSatırlar yeni = motor->oku(deyim, true, nullptr, nullptr);
    tamamı = true;
    // The rows after the first one: found by the first row's id where there is one (the
    // database may have changed in between), otherwise by position.
    size_t baş = 1;
    if (değiştirilebilir) {
        const auto bulunan = std::find(yeni.satırNo.begin(), yeni.satırNo.end(), satırNo.front());
        baş = bulunan == yeni.satırNo.end() ? 0 : size_t(bulunan - yeni.satırNo.begin()) + 1;
    }
    baş = std::min(baş, yeni.satırNo.size());
    satırNo.insert(satırNo.end(), yeni.satırNo.begin() + qsizetype(baş), yeni.satırNo.end());
    ham.ekle(yeni.ham, qsizetype(baş));
    satırSayısı = qsizetype(satırNo.size());
    silindi.resize(size_t(satırSayısı), false);
}

// ---------------------------------------------------------------------------------------
// KayıtKümesi
// ---------------------------------------------------------------------------------------

KayıtKümesi::KayıtKümesi(std::unique_ptr<İç> iç) : iç_(std::move(iç)) {}
KayıtKümesi::~KayıtKümesi() = default;

bool KayıtKümesi::Eof() const {
    iç_->açıkMı();
    return iç_->konum >= iç_->satırSayısı;
}

void KayıtKümesi::MoveNext() {
    iç_->açıkMı();
    if (iç_->konum >= iç_->satırSayısı)
        throw Hata(VeritabanıHataNo::GeçerliKayıtYok, QStringLiteral("Geçerli kayıt yok."));
    ++iç_->konum;
    if (iç_->konum >= iç_->satırSayısı)
        iç_->kalanıOku();
    iç_->kip = İç::Kip::Yok;
    iç_->tampon.clear();
}

int KayıtKümesi::alanNo(const QString& ad) const {
    return iç_->sütun(ad);
}

QVariant KayıtKümesi::alan(const QString& ad) const {
    return alan(iç_->sütun(ad));
}

QVariant KayıtKümesi::alan(int no) const {
    iç_->açıkMı();
    if (no < 0 || no >= iç_->adlar.size())
        throw Hata(VeritabanıHataNo::AlanYok,
                   QStringLiteral("Bu koleksiyonda öğe bulunamadı: %1").arg(no));
    if (iç_->kip != İç::Kip::Yok && iç_->tampon.contains(no))
        return iç_->tampon.value(no);
    if (iç_->kip == İç::Kip::Ekle)
        return alanTürü(iç_->adlar[no]) == AlanTürü::EvetHayır ? QVariant(false) : QVariant();
    iç_->geçerliSatır();
    return iç_->değer(iç_->konum, no);
}

void KayıtKümesi::utf8Ekle(int no, QByteArray& hedef) const {
    const İç& iç = *iç_;
    if (iç.kip == İç::Kip::Yok && iç.yazılan.isEmpty() && no >= 0 && no < iç.adlar.size() &&
        iç.türler[size_t(no)] == AlanTürü::Metin) {
        iç.geçerliSatır();
        const HamSatırlar::Hücre& h = iç.ham.hücre(iç.konum, no);
        if (h.tür() == HamSatırlar::Tür::Metin) {
            hedef.append(iç.ham.bayt(h));
            return;
        }
    }
    hedef.append(alan(no).toString().toUtf8());
}

void KayıtKümesi::alanYaz(const QString& ad, const QVariant& değer) {
    const int no = iç_->sütun(ad);
    if (iç_->kip == İç::Kip::Yok)
        throw Hata(VeritabanıHataNo::DüzenlemeYok,
                   QStringLiteral("AddNew veya Edit olmadan alan yazılamaz."));
    // Converted now, so that a wrong value is reported at the field that got it.
    iç_->tampon.insert(no, saklanan(iç_->adlar[no], değer));
}

// Only a recordset over one table can add, change or delete rows.
static void değiştirilebilirOlmalı(const KayıtKümesi::İç& iç, const QString& ne) {
    if (!iç.değiştirilebilir)
        throw Hata(VeritabanıHataNo::SaltOkunur,
                   ne + QStringLiteral("; veritabanı veya nesne salt okunur."));
}

void KayıtKümesi::AddNew() {
    iç_->açıkMı();
    değiştirilebilirOlmalı(*iç_, QStringLiteral("Güncelleştirilemiyor"));
    iç_->kip = İç::Kip::Ekle;
    iç_->tampon.clear();
}

void KayıtKümesi::Edit() {
    iç_->açıkMı();
    değiştirilebilirOlmalı(*iç_, QStringLiteral("Güncelleştirilemiyor"));
    iç_->geçerliSatır();
    iç_->kip = İç::Kip::Düzenle;
    iç_->tampon.clear();
}

namespace {
[[noreturn]] void silinmiş() {
    throw Hata(VeritabanıHataNo::KayıtSilinmiş,
               QStringLiteral("Kayıt, bu arada başka bir kullanıcı tarafından silinmiş."));
}
} // namespace

void KayıtKümesi::Update() {
    iç_->açıkMı();
    if (iç_->kip == İç::Kip::Yok)
        throw Hata(VeritabanıHataNo::DüzenlemeYok,
                   QStringLiteral("AddNew veya Edit olmadan Update kullanılamaz."));
    VeritabanıMotoru& motor = *iç_->motor;
    QList<int> sütunlar = iç_->tampon.keys();
    if (iç_->kip == İç::Kip::Ekle) {
        // Yes/no fields that were not set are stored as no.
        for (int s = 0; s < iç_->adlar.size(); ++s)
            if (alanTürü(iç_->adlar[s]) == AlanTürü::EvetHayır && !iç_->tampon.contains(s)) {
                iç_->tampon.insert(s, false);
                sütunlar << s;
            }
    }
    std::sort(sütunlar.begin(), sütunlar.end());
    QStringList adlar;
    QList<QVariant> değerler;
    for (int s : sütunlar) {
        adlar << iç_->adlar[s];
        değerler << iç_->tampon.value(s);
    }
    if (iç_->kip == İç::Kip::Ekle) {
        motor.yazma([&]() { motor.ekle(iç_->tablo, adlar, değerler); });
    } else if (!sütunlar.isEmpty()) {
        const qint64 satır = iç_->satırNo[size_t(iç_->konum)];
        motor.yazma([&]() {
            // The row must still hold what was read: a change made meanwhile by another
            // computer is not overwritten unseen.
            const auto şimdiki = motor.satırıKilitle(iç_->tablo, satır, iç_->adlar);
            if (!şimdiki)
                silinmiş();
            const qsizetype genişlik = iç_->adlar.size();
            for (int s = 0; s < genişlik; ++s)
                if ((*şimdiki)[size_t(s)] != iç_->değer(iç_->konum, s))
                    throw Hata(VeritabanıHataNo::VeriDeğişti,
                               QStringLiteral("Kayıt, okunduktan sonra başka bir kullanıcı "
                                              "tarafından değiştirilmiş. Lütfen, listeyi "
                                              "yenileyip tekrar deneyiniz."));
            if (motor.güncelle(iç_->tablo, satır, adlar, değerler) == 0)
                silinmiş();
        });
        for (int s : sütunlar) {
            iç_->yazılan.insert(iç_->konum * iç_->adlar.size() + s, iç_->tampon.value(s));
        }
    }
    iç_->kip = İç::Kip::Yok;
    iç_->tampon.clear();
}

void KayıtKümesi::Delete() {
    iç_->açıkMı();
    değiştirilebilirOlmalı(*iç_, QStringLiteral("Silinemiyor"));
    iç_->geçerliSatır();
    VeritabanıMotoru& motor = *iç_->motor;
    const qint64 satır = iç_->satırNo[size_t(iç_->konum)];
    motor.yazma([&]() {
        if (motor.sil(iç_->tablo, satır) == 0)
            silinmiş();
    });
    iç_->silindi[size_t(iç_->konum)] = true;
    iç_->kip = İç::Kip::Yok;
    iç_->tampon.clear();
}

void KayıtKümesi::Close() {
    iç_->kapalı = true;
    iç_->ham = HamSatırlar();
    iç_->yazılan.clear();
    iç_->motor.reset();
}

// ---------------------------------------------------------------------------------------
// The program-wide open database
// ---------------------------------------------------------------------------------------

namespace AçıkVeritabanı {
namespace {
std::shared_ptr<Veritabanı>& tutulan() {
    static std::shared_ptr<Veritabanı> vt;
    return vt;
}
} // namespace

Veritabanı& al() {
    if (!tutulan())
        throw Hata(VeritabanıHataNo::AçıkVeritabanıYok, QStringLiteral("Açık bir veritabanı yok."));
    return *tutulan();
}
bool açıkMı() {
    return bool(tutulan());
}
void ayarla(std::shared_ptr<Veritabanı> vt) {
    tutulan() = std::move(vt);
}
void kapat() {
    tutulan().reset();
}
} // namespace AçıkVeritabanı
