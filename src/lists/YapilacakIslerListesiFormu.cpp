#include "lists/YapilacakIslerListesiFormu.h"

#include "controls/HataBildirici.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"
#include "database/Veritabani.h"
#include "jobentry/TakvimFormu.h"
#include "lists/IsListesiModeli.h"
#include "lists/ListeIzleyici.h"
#include "lists/ListeYazdirici.h"
#include "lists/TakvimeAktar.h"
#include "settings/AyarTablosu.h"
#include "settings/SutunDuzeni.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {
// Column widths in twips: date, time, subject, place, number, description, job number.
constexpr int SütunGenişlikleri[İşListesiModeli::SütunSayısı] = {1300, 1100, 1600, 1800,
                                                                 1400, 3600, 0};

QPushButton* düğme(const QString& başlık, QWidget* sahip) {
    auto* d = new QPushButton(başlık, sahip);
    // Enter in the list presses no button by itself.
    d->setAutoDefault(false);
    return d;
}
} // namespace

using İşListeleri::Seçim;

YapılacakİşlerListesiFormu::YapılacakİşlerListesiFormu(QWidget* sahip) : QDialog(sahip) {
    setObjectName(QStringLiteral("YapılacakİşlerListesiFormu"));
    setWindowTitle(Başlık);
    setWindowFlags((windowFlags() | Qt::WindowCloseButtonHint) & ~Qt::WindowContextHelpButtonHint);
    tasarımYazısıKullan(this);

    Etiket[0] = new QLabel(İşListeleri::AçılışBaşlığı, this);
    Etiket[0]->setObjectName(QStringLiteral("Etiket0"));
    QFont kalın = Etiket[0]->font();
    kalın.setBold(true);
    Etiket[0]->setFont(kalın);

    işModeli = new İşListesiModeli(this);
    YapılacakİşlerListesi = new QTreeView(this);
    YapılacakİşlerListesi->setObjectName(QStringLiteral("YapılacakİşlerListesi"));
    YapılacakİşlerListesi->setHeader(new SıralamaBaşlığı(YapılacakİşlerListesi));
    YapılacakİşlerListesi->setModel(işModeli);
    YapılacakİşlerListesi->header()->setSectionsClickable(true);
    YapılacakİşlerListesi->setRootIsDecorated(false);
    YapılacakİşlerListesi->setItemsExpandable(false);
    YapılacakİşlerListesi->setUniformRowHeights(true);
    YapılacakİşlerListesi->setAllColumnsShowFocus(true);
    YapılacakİşlerListesi->setSelectionMode(QAbstractItemView::SingleSelection);
    YapılacakİşlerListesi->setSelectionBehavior(QAbstractItemView::SelectRows);
    YapılacakİşlerListesi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The label's access key goes to the list.
    Etiket[0]->setBuddy(YapılacakİşlerListesi);
    YapılacakİşlerListesi->setAccessibleName(QStringLiteral("Yapılacak İşler"));

    Etiket[1] = new QLabel(QStringLiteral("Açıklama"), this);
    Etiket[1]->setObjectName(QStringLiteral("Etiket1"));
    AçıklamaKutusu = new QPlainTextEdit(this);
    AçıklamaKutusu->setObjectName(QStringLiteral("AçıklamaKutusu"));
    AçıklamaKutusu->setReadOnly(true);
    Etiket[1]->setBuddy(AçıklamaKutusu);
    AçıklamaKutusu->setFixedHeight(AçıklamaKutusu->fontMetrics().lineSpacing() * 3 + 12);

    BugünYapılacakİşleriListeleDüğmesi = düğme(QStringLiteral("&Bugünkü İşler"), this);
    GünüGeçenİşleriListeleDüğmesi = düğme(QStringLiteral("&Günü Geçen İşler"), this);
    SeçilenTarihtekiİşleriListeleDüğmesi = düğme(QStringLiteral("&Seçilen Tarihteki İşler"), this);
    YapılmışİşleriListeleDüğmesi = düğme(QStringLiteral("Yapıl&mış İşler"), this);
    TümİşleriListeleDüğmesi = düğme(QStringLiteral("&Tüm İşler"), this);
    YazdırDüğmesi = düğme(QStringLiteral("&Yazdır..."), this);
    DışaAktarDüğmesi = düğme(QStringLiteral("Dışa &Aktar (iCalendar)..."), this);
    KapatDüğmesi = düğme(QStringLiteral("Kapat (Esc)"), this);

    auto* sol = new QVBoxLayout;
    sol->addWidget(Etiket[0]);
    sol->addWidget(YapılacakİşlerListesi, 1);
    sol->addWidget(Etiket[1]);
    sol->addWidget(AçıklamaKutusu);
    auto* düğmeler = new QVBoxLayout;
    düğmeler->addSpacing(Etiket[0]->sizeHint().height());
    for (QPushButton* d : {BugünYapılacakİşleriListeleDüğmesi, GünüGeçenİşleriListeleDüğmesi,
                           SeçilenTarihtekiİşleriListeleDüğmesi, YapılmışİşleriListeleDüğmesi,
                           TümİşleriListeleDüğmesi})
        düğmeler->addWidget(d);
    düğmeler->addStretch(1);
    düğmeler->addWidget(YazdırDüğmesi);
    düğmeler->addWidget(DışaAktarDüğmesi);
    düğmeler->addWidget(KapatDüğmesi);
    auto* ana = new QHBoxLayout(this);
    ana->addLayout(sol, 1);
    ana->addLayout(düğmeler);
    resize(twipten(12600), twipten(6600));

    Adım([this] { sütunlarıKur(); });
    izleyici = std::make_unique<Listeİzleyicisi>(this, [this] { yenile(); });

    // The arrow keys select the row they move to; a mouse click makes the row current before
    // it selects it, so the click is heard on its own once the row is selected.
    connect(YapılacakİşlerListesi->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { Sessizce([this] { açıklamayıGöster(); }); });
    connect(YapılacakİşlerListesi, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& satır) { YapılacakİşlerListesi_ItemClick(satır); });
    connect(YapılacakİşlerListesi->header(), &QHeaderView::sectionClicked, this,
            [this](int sütun) { YapılacakİşlerListesi_ColumnClick(sütun); });
    const std::pair<QPushButton*, void (YapılacakİşlerListesiFormu::*)()> eylemler[] = {
        {BugünYapılacakİşleriListeleDüğmesi,
         &YapılacakİşlerListesiFormu::BugünYapılacakİşleriListeleDüğmesi_Click},
        {GünüGeçenİşleriListeleDüğmesi,
         &YapılacakİşlerListesiFormu::GünüGeçenİşleriListeleDüğmesi_Click},
        {SeçilenTarihtekiİşleriListeleDüğmesi,
         &YapılacakİşlerListesiFormu::SeçilenTarihtekiİşleriListeleDüğmesi_Click},
        {YapılmışİşleriListeleDüğmesi,
         &YapılacakİşlerListesiFormu::YapılmışİşleriListeleDüğmesi_Click},
        {TümİşleriListeleDüğmesi, &YapılacakİşlerListesiFormu::TümİşleriListeleDüğmesi_Click},
    };
    for (const auto& [d, eylem] : eylemler)
        connect(d, &QPushButton::clicked, this, [this, eylem = eylem] { (this->*eylem)(); });
    connect(YazdırDüğmesi, &QPushButton::clicked, this, [this] { YazdırDüğmesi_Click(); });
    connect(DışaAktarDüğmesi, &QPushButton::clicked, this, [this] { DışaAktarDüğmesi_Click(); });
    connect(KapatDüğmesi, &QPushButton::clicked, this, [this] { reject(); });
}

// Prints the rows as they stand on screen, under the title label's text.
void YapılacakİşlerListesiFormu::YazdırDüğmesi_Click() {
    QList<İşSatırı> satırlar;
    for (int i = 0; i < işModeli->satırSayısı(); ++i)
        satırlar << işModeli->satır(i);
    QString başlık = Etiket[0]->text();
    başlık.remove(u'&');
    if (ListeyiYazdır(this, satırlar, başlık) == YazdırmaSonucu::İptal) {
        YazdırDüğmesi->setEnabled(true);
        YazdırDüğmesi->setFocus();
    }
}

void YapılacakİşlerListesiFormu::DışaAktarDüğmesi_Click() {
    QList<qint32> numaralar;
    for (int i = 0; i < işModeli->satırSayısı(); ++i)
        numaralar << static_cast<qint32>(işModeli->isNo(i));
    TakvimeAktar(this, numaralar);
}

YapılacakİşlerListesiFormu::~YapılacakİşlerListesiFormu() = default;

void YapılacakİşlerListesiFormu::sütunlarıKur() {
    QHeaderView* başlık = YapılacakİşlerListesi->header();
    başlık->setStretchLastSection(false);
    başlık->setMinimumSectionSize(0);
    başlık->setSectionsMovable(true);
    başlık->setFirstSectionMovable(true);
    for (int i = 0; i < İşListesiModeli::SütunSayısı; ++i)
        başlık->resizeSection(i, twipten(SütunGenişlikleri[i]));
    // A whole date with its icon must fit the date column.
    const int tarihGenişliği = YapılacakİşlerListesi->fontMetrics().horizontalAdvance(
                                   TarihBiçimi::kısa(QDate(2000, 12, 28))) +
                               YapılacakİşlerListesi->iconSize().width() + 40;
    başlık->resizeSection(0, qMax(başlık->sectionSize(0), tarihGenişliği));
    SütunDüzeni::uygula(başlık, Bölüm::Liste2);
    static_cast<SıralamaBaşlığı*>(başlık)->simgeleriAyarla(
        Kaynaklar::simge(QStringLiteral("SIRALA_ARTAN")),
        Kaynaklar::simge(QStringLiteral("SIRALA_AZALAN")));
    // Sorted by date, ascending: the shared direction is set so that the click on the date
    // column yields ascending order.
    Sıralama::durum().yön = 1;
    YapılacakİşlerListesi_ColumnClick(0);
}

bool YapılacakİşlerListesiFormu::Listele(Seçim seçim, const QDate& tarih) {
    AçıklamaKutusu->clear();
    if (işModeli->satırSayısı() > 0)
        işModeli->temizle();
    bool okundu = false;
    izleyici->okunuyor();
    Adım([&] {
        auto kayıtlar = AçıkVeritabanı::al().OpenRecordset(İşListeleri::deyim(seçim, tarih),
                                                           Veritabanı::Okuma::Tamamı);
        işModeli->doldur(*kayıtlar, false, ProgramSaati::bugün());
        kayıtlar->Close();
        okundu = true;
    });
    if (işModeli->satırSayısı() > 0)
        YapılacakİşlerListesi->selectionModel()->setCurrentIndex(
            işModeli->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return okundu;
}

void YapılacakİşlerListesiFormu::listeyiGöster(Seçim seçim, const QDate& tarih,
                                               const QString& tarihMetni) {
    listelendi_ = true;
    sonSeçim_ = seçim;
    sonTarih_ = tarih;
    sonTarihMetni_ = tarihMetni;
    if (!Listele(seçim, tarih)) {
        // A list that could not be read is neither an empty day nor a total.
        Etiket[0]->setText(İşListeleri::AçılışBaşlığı);
        return;
    }
    const int sayı = işModeli->satırSayısı();
    if (sayı == 0) {
        MesajKutusu::bilgi(İşListeleri::boşMesajı(seçim, tarihMetni));
        Etiket[0]->setText(İşListeleri::BoşBaşlık);
    } else {
        Etiket[0]->setText(İşListeleri::başlık(seçim, sayı, tarihMetni));
    }
}

void YapılacakİşlerListesiFormu::yenile() {
    if (!listelendi_)
        return;
    bool okundu = false;
    seçimiKoruyarakDoldur(YapılacakİşlerListesi, *işModeli,
                          [&] { okundu = Listele(sonSeçim_, sonTarih_); });
    if (!okundu)
        return;
    const int sayı = işModeli->satırSayısı();
    Etiket[0]->setText(sayı == 0 ? İşListeleri::BoşBaşlık
                                 : İşListeleri::başlık(sonSeçim_, sayı, sonTarihMetni_));
    AçıklamaKutusu->clear();
    açıklamayıGöster();
}

void YapılacakİşlerListesiFormu::BugünYapılacakİşleriListeleDüğmesi_Click() {
    listeyiGöster(Seçim::Bugünkü, ProgramSaati::bugün());
}

void YapılacakİşlerListesiFormu::GünüGeçenİşleriListeleDüğmesi_Click() {
    listeyiGöster(Seçim::GünüGeçen, ProgramSaati::bugün());
}

void YapılacakİşlerListesiFormu::SeçilenTarihtekiİşleriListeleDüğmesi_Click() {
    const QString seçilen = TakvimdenTarihSeç(this, TarihBiçimi::kısa(ProgramSaati::bugün()));
    // The picker's own date text is read back as a date; cancelled, it is empty.
    const QDate tarih = TarihBiçimi::çöz(seçilen);
    if (!tarih.isValid())
        return;
    listeyiGöster(Seçim::SeçilenTarihteki, tarih, seçilen);
}

void YapılacakİşlerListesiFormu::YapılmışİşleriListeleDüğmesi_Click() {
    listeyiGöster(Seçim::Yapılmış, ProgramSaati::bugün());
}

void YapılacakİşlerListesiFormu::TümİşleriListeleDüğmesi_Click() {
    listeyiGöster(Seçim::Tüm, ProgramSaati::bugün());
}

void YapılacakİşlerListesiFormu::YapılacakİşlerListesi_ColumnClick(int sütun) {
    Sessizce([&] { Sıralama::BaşlıkTıkla(YapılacakİşlerListesi, *işModeli, sütun); });
}

void YapılacakİşlerListesiFormu::YapılacakİşlerListesi_ItemClick(const QModelIndex& satır) {
    Sessizce([&] {
        if (satır.isValid() &&
            YapılacakİşlerListesi->selectionModel()->isRowSelected(satır.row(), {}))
            AçıklamaKutusu->setPlainText(işModeli->metin(satır.row(), 5));
    });
}

void YapılacakİşlerListesiFormu::açıklamayıGöster() {
    const QModelIndex d = YapılacakİşlerListesi->currentIndex();
    if (d.isValid() && YapılacakİşlerListesi->selectionModel()->isRowSelected(d.row(), {}))
        AçıklamaKutusu->setPlainText(işModeli->metin(d.row(), 5));
}

void YapılacakİşlerListesiFormu::done(int sonuç) {
    Adım([this] { SütunDüzeni::kaydet(YapılacakİşlerListesi->header(), Bölüm::Liste2); });
    QDialog::done(sonuç);
}

void YapılacakİşleriListelePenceresiniAç(QWidget* sahip) {
    YapılacakİşlerListesiFormu form(sahip);
    Modal::göster(&form);
}
