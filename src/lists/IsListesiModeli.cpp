#include "lists/IsListesiModeli.h"

#include "controls/Kaynaklar.h"
#include "controls/TarihBicimi.h"
#include "database/Veritabani.h"

#include <QCollator>
#include <QHash>
#include <QMimeData>
#include <algorithm>
#include <numeric>

const QString İşListesiModeli::SürüklemeBiçimi = QStringLiteral("application/x-tarvela-is");

namespace {
const char* const Başlıklar[İşListesiModeli::SütunSayısı] = {"Tarihi", "Saati",    "Konusu", "Yeri",
                                                             "Sayısı", "Açıklama", ""};

QString saatMetni(qint32 saniye) {
    if (saniye < 0)
        return QString();
    return TarihBiçimi::saat(QTime(0, 0).addSecs(saniye));
}
} // namespace

İşListesiModeli::İşListesiModeli(QObject* üst) : QAbstractTableModel(üst) {
    simgeler_[0] = Kaynaklar::simge(QStringLiteral("HATIRLAT"));
    simgeler_[1] = Kaynaklar::simge(QStringLiteral("HATIRLATMA"));
    simgeler_[2] = Kaynaklar::simge(QStringLiteral("YAPILDI"));
}

void İşListesiModeli::temizle() {
    beginResetModel();
    satırlar_.clear();
    satırlar_.shrink_to_fit();
    anahtarlar_.clear();
    endResetModel();
}

void İşListesiModeli::doldur(KayıtKümesi& kayıtlar, bool anahtarlı, const QDate& bugün) {
    std::vector<Satır> yeni;
    QStringList anahtarlar;
    QHash<QString, qint32> anahtarNolari;
    // Whatever was read stays listed, also when a later row cannot be read.
    auto yerleştir = [&] {
        beginResetModel();
        satırlar_ = std::move(yeni);
        anahtarlar_ = std::move(anahtarlar);
        bugün_ = static_cast<qint32>(bugün.toJulianDay());
        endResetModel();
        if (kendiSıralaması_)
            metneGöreSırala(kendiSütunu_, kendiAzalan_);
    };
    try {
        const int tarihNo = kayıtlar.alanNo(QStringLiteral("IsinTarihi"));
        const int saatNo = kayıtlar.alanNo(QStringLiteral("IsinSaati"));
        const int konuNo = kayıtlar.alanNo(QStringLiteral("IsinKonusu"));
        const int yerNo = kayıtlar.alanNo(QStringLiteral("IsinYeri"));
        const int sayıNo = kayıtlar.alanNo(QStringLiteral("IsinSayisi"));
        const int açıklamaNo = kayıtlar.alanNo(QStringLiteral("Aciklama"));
        const int hatırlatmaNo = kayıtlar.alanNo(QStringLiteral("Hatirlatma"));
        const int yapıldıNo = kayıtlar.alanNo(QStringLiteral("IsYapildi"));
        const int isNoNo = kayıtlar.alanNo(QStringLiteral("IsNo"));
        const int anahtarNo = anahtarlı ? kayıtlar.alanNo(QStringLiteral("Anahtari")) : -1;
        QByteArray taslak;
        while (!kayıtlar.Eof()) {
            Satır s;
            const QDate tarih = kayıtlar.alan(tarihNo).toDate();
            s.gün = tarih.isValid() ? static_cast<qint32>(tarih.toJulianDay()) : 0;
            const QTime saat = kayıtlar.alan(saatNo).toTime();
            s.saniye = saat.isValid() ? saat.msecsSinceStartOfDay() / 1000 : -1;
            // The four texts are gathered in a reused buffer, then copied once at their size.
            taslak.truncate(0);
            kayıtlar.utf8Ekle(konuNo, taslak);
            s.sınır[0] = static_cast<quint32>(taslak.size());
            kayıtlar.utf8Ekle(yerNo, taslak);
            s.sınır[1] = static_cast<quint32>(taslak.size());
            kayıtlar.utf8Ekle(sayıNo, taslak);
            s.sınır[2] = static_cast<quint32>(taslak.size());
            kayıtlar.utf8Ekle(açıklamaNo, taslak);
            s.metin = QByteArray(taslak.constData(), taslak.size());
            s.simge = static_cast<qint8>(
                işSimgesi(kayıtlar.alan(yapıldıNo).toBool(), kayıtlar.alan(hatırlatmaNo).toBool()));
            s.isNo = kayıtlar.alan(isNoNo).toLongLong();
            if (anahtarlı) {
                const QString anahtar = kayıtlar.alan(anahtarNo).toString();
                auto bulunan = anahtarNolari.constFind(anahtar);
                if (bulunan == anahtarNolari.cend()) {
                    bulunan = anahtarNolari.insert(anahtar, static_cast<qint32>(anahtarlar.size()));
                    anahtarlar.append(anahtar);
                }
                s.anahtarNo = *bulunan;
            }
            yeni.push_back(std::move(s));
            kayıtlar.MoveNext();
        }
    } catch (...) {
        yerleştir();
        throw;
    }
    yerleştir();
}

QString İşListesiModeli::alanMetni(const Satır& s, int sütun) const {
    switch (sütun) {
    case 0:
        return s.gün ? TarihBiçimi::kısa(QDate::fromJulianDay(s.gün)) : QString();
    case 1:
        return saatMetni(s.saniye);
    case 2:
        return QString::fromUtf8(QByteArrayView(s.metin).first(s.sınır[0]));
    case 3:
        return QString::fromUtf8(
            QByteArrayView(s.metin).sliced(s.sınır[0], s.sınır[1] - s.sınır[0]));
    case 4:
        return QString::fromUtf8(
            QByteArrayView(s.metin).sliced(s.sınır[1], s.sınır[2] - s.sınır[1]));
    case 5:
        return QString::fromUtf8(QByteArrayView(s.metin).sliced(s.sınır[2]));
    case 6:
        return QString::number(s.isNo);
    default:
        return QString();
    }
}

İşSatırı İşListesiModeli::satır(int i) const {
    const Satır& s = satırlar_[i];
    İşSatırı sonuç;
    sonuç.tarih = alanMetni(s, 0);
    sonuç.saat = alanMetni(s, 1);
    sonuç.konu = alanMetni(s, 2);
    sonuç.yer = alanMetni(s, 3);
    sonuç.sayı = alanMetni(s, 4);
    sonuç.açıklama = alanMetni(s, 5);
    sonuç.isNo = alanMetni(s, 6);
    sonuç.simge = s.simge;
    sonuç.anahtar = anahtar(i);
    return sonuç;
}

QString İşListesiModeli::metin(int i, int sütun) const {
    return alanMetni(satırlar_[i], sütun);
}

QString İşListesiModeli::anahtar(int i) const {
    const qint32 no = satırlar_[i].anahtarNo;
    return no >= 0 ? anahtarlar_[no] : QString();
}

QDate İşListesiModeli::tarih(int i) const {
    const qint32 gün = satırlar_[i].gün;
    return gün ? QDate::fromJulianDay(gün) : QDate();
}

int İşListesiModeli::isNoSatırı(qint64 isNo) const {
    for (int i = 0; i < satırSayısı(); ++i)
        if (satırlar_[i].isNo == isNo)
            return i;
    return -1;
}

void İşListesiModeli::satırSil(int i) {
    if (i < 0 || i >= satırSayısı())
        return;
    beginRemoveRows(QModelIndex(), i, i);
    satırlar_.erase(satırlar_.begin() + i);
    endRemoveRows();
}

void İşListesiModeli::kendiSıralaması(bool açık, int sütun, bool azalan) {
    kendiSıralaması_ = açık;
    kendiSütunu_ = sütun;
    kendiAzalan_ = azalan;
    if (açık)
        metneGöreSırala(sütun, azalan);
}

void İşListesiModeli::sırayıUygula(const std::vector<int>& sıra) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList eskiler = persistentIndexList();
    std::vector<int> yeniYer(sıra.size());
    for (size_t yeni = 0; yeni < sıra.size(); ++yeni)
        yeniYer[sıra[yeni]] = static_cast<int>(yeni);
    std::vector<Satır> sıralı;
    sıralı.reserve(satırlar_.size());
    for (int eski : sıra)
        sıralı.push_back(std::move(satırlar_[eski]));
    satırlar_ = std::move(sıralı);
    QModelIndexList yeniler;
    yeniler.reserve(eskiler.size());
    for (const QModelIndex& d : eskiler)
        yeniler.append(index(yeniYer[d.row()], d.column()));
    changePersistentIndexList(eskiler, yeniler);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void İşListesiModeli::metneGöreSırala(int sütun, bool azalan) {
    if (satırlar_.size() < 2)
        return;
    // The text order of the user's language, ignoring letter case, as a list sorts itself.
    QCollator karşılaştırıcı;
    karşılaştırıcı.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> anahtarlar;
    anahtarlar.reserve(satırlar_.size());
    for (const Satır& s : satırlar_)
        anahtarlar.push_back(karşılaştırıcı.sortKey(alanMetni(s, sütun)));
    std::vector<int> sıra(satırlar_.size());
    std::iota(sıra.begin(), sıra.end(), 0);
    std::stable_sort(sıra.begin(), sıra.end(), [&](int a, int b) {
        const int k = anahtarlar[a].compare(anahtarlar[b]);
        return azalan ? k > 0 : k < 0;
    });
    sırayıUygula(sıra);
}

void İşListesiModeli::tarihSırala(bool azalan) {
    if (satırlar_.size() < 2)
        return;
    std::vector<int> sıra(satırlar_.size());
    std::iota(sıra.begin(), sıra.end(), 0);
    std::stable_sort(sıra.begin(), sıra.end(), [&](int a, int b) {
        return azalan ? satırlar_[a].gün > satırlar_[b].gün : satırlar_[a].gün < satırlar_[b].gün;
    });
    sırayıUygula(sıra);
}

int İşListesiModeli::rowCount(const QModelIndex& üst) const {
    return üst.isValid() ? 0 : satırSayısı();
}

int İşListesiModeli::columnCount(const QModelIndex& üst) const {
    return üst.isValid() ? 0 : SütunSayısı;
}

QVariant İşListesiModeli::data(const QModelIndex& dizin, int rol) const {
    if (!dizin.isValid() || dizin.row() >= satırSayısı())
        return QVariant();
    const Satır& s = satırlar_[dizin.row()];
    switch (rol) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (rol == Qt::ToolTipRole && dizin.column() != 5)
            return QVariant();
        return alanMetni(s, dizin.column());
    case Qt::AccessibleTextRole:
        // A screen reader reads a row by its first cell: the whole job as one sentence.
        return dizin.column() == 0 ? okunacakSatır(satır(dizin.row())) : QVariant();
    case Qt::DecorationRole:
        if (dizin.column() == 0 && s.simge >= 1 && s.simge <= 3)
            return simgeler_[s.simge - 1];
        return QVariant();
    case Qt::ForegroundRole:
        if (dizin.column() != 0 || !s.gün)
            return QVariant();
        return s.gün < bugün_ ? GeçmişRengi : s.gün > bugün_ ? GelecekRengi : BugünRengi;
    case AnahtarRolü:
        return anahtar(dizin.row());
    case TarihRolü:
        return tarih(dizin.row());
    case SimgeRolü:
        return int(s.simge);
    default:
        return QVariant();
    }
}

QVariant İşListesiModeli::headerData(int bölüm, Qt::Orientation yön, int rol) const {
    if (yön != Qt::Horizontal || bölüm < 0 || bölüm >= SütunSayısı)
        return QVariant();
    if (rol == Qt::DisplayRole)
        return QString::fromUtf8(Başlıklar[bölüm]);
    if (rol == Qt::TextAlignmentRole)
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags İşListesiModeli::flags(const QModelIndex& dizin) const {
    if (!dizin.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList İşListesiModeli::mimeTypes() const {
    return {SürüklemeBiçimi};
}

QMimeData* İşListesiModeli::mimeData(const QModelIndexList& dizinler) const {
    auto* veri = new QMimeData;
    if (!dizinler.isEmpty() && dizinler.first().isValid()) {
        const qint64 no = satırlar_[dizinler.first().row()].isNo;
        veri->setData(SürüklemeBiçimi, QByteArray::number(no));
        veri->setText(QString::number(no));
    }
    return veri;
}

Qt::DropActions İşListesiModeli::supportedDragActions() const {
    return Qt::CopyAction | Qt::MoveAction;
}

qint64 İşListesiModeli::metinBaytı() const {
    qint64 toplam = 0;
    for (const Satır& s : satırlar_)
        toplam += s.metin.size();
    for (const QString& a : anahtarlar_)
        toplam += a.size() * qint64(sizeof(QChar));
    return toplam;
}
