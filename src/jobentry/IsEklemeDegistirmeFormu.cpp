#include "jobentry/IsEklemeDegistirmeFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/GirisAlani.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/Odak.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"
#include "database/Deyimler.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "jobentry/IlkHarfler.h"
#include "jobentry/IsBirlestirme.h"
#include "jobentry/KayitDenetimi.h"
#include "jobentry/TakvimFormu.h"
#include "settings/AyarTablosu.h"
#include "settings/Tercihler.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Apostrophes become "’" and the blanks around the text go.
QString düzelt(QString metin) {
    return metin.replace(u'\'', u'\u2019').trimmed();
}

QString kutuMetni(const QComboBox* kutu) {
    return kutu->currentText();
}
void kutuMetniYaz(QComboBox* kutu, const QString& metin) {
    if (kutu->currentText() != metin)
        kutu->setEditText(metin);
}

QComboBox* seçmeliKutu(QWidget* üst, const QString& ad, int adet) {
    auto* kutu = new QComboBox(üst);
    kutu->setObjectName(ad);
    for (int i = 0; i < adet; ++i)
        kutu->addItem(QStringLiteral("%1").arg(i, 2, 10, QChar(u'0')));
    kutu->setMaxVisibleItems(12);
    return kutu;
}

QComboBox* yazılabilirKutu(QWidget* üst, const QString& ad) {
    auto* kutu = new QComboBox(üst);
    kutu->setObjectName(ad);
    kutu->setEditable(true);
    kutu->setInsertPolicy(QComboBox::NoInsert);
    // The box completes nothing by itself; the list only offers what was typed before.
    kutu->setCompleter(nullptr);
    kutu->setMaxVisibleItems(15);
    return kutu;
}
} // namespace

İşEklemeDeğiştirmeFormu::İşEklemeDeğiştirmeFormu(QWidget* sahip)
    : QDialog(sahip), konular_(Bölüm::Konular), yerler_(Bölüm::Yerler), sayılar_(Bölüm::Sayılar) {
    kur();
    sınırlıKutular_ = {{
        {işinKonusuKutusu_, KonuSınırı,
         QStringLiteral("İşin konusu EN FAZLA 20 karakter olabilir!"), &konular_},
        {işinYeriKutusu_, YerSınırı, QStringLiteral("İşin yeri EN FAZLA 30 karakter olabilir!"),
         &yerler_},
        {işinSayısıKutusu_, SayıSınırı,
         QStringLiteral("İşin sayısı EN FAZLA 12 karakter olabilir!"), &sayılar_},
    }};
    connect(this, &QDialog::finished, this, [this] { yüklü_ = false; });
}

void İşEklemeDeğiştirmeFormu::kur() {
    setObjectName(QStringLiteral("İşEklemeDeğiştirmeFormu"));
    setWindowTitle(QStringLiteral("Yapılacak İş Ekleme"));

    const QStringList etiketMetinleri = {
        QStringLiteral("İşin &Tarihi :"), QStringLiteral("İşin &Saati :"),
        QStringLiteral("İşin &Konusu :"), QStringLiteral("İşin &Yeri :"),
        QStringLiteral("İşi&n Sayısı :"), QStringLiteral("Açıklama :")};
    auto* çerçeve = new QGroupBox(this);
    çerçeve->setObjectName(QStringLiteral("Çerçeve"));
    for (int i = 0; i < 6; ++i) {
        etiketler_[i] = new QLabel(etiketMetinleri[i], çerçeve);
        etiketler_[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }

    işinTarihiKutusu_ = new QLineEdit(çerçeve);
    işinTarihiKutusu_->setObjectName(QStringLiteral("İşinTarihiKutusu"));
    işinTarihiKutusu_->setMaxLength(10);
    işinTarihiKutusu_->setFixedWidth(twipten(1300));
    tarihiTakvimdenSeçDüğmesi_ = new QPushButton(QStringLiteral("T&arihi Takvimden Seç"), çerçeve);
    tarihiTakvimdenSeçDüğmesi_->setObjectName(QStringLiteral("TarihiTakvimdenSeçDüğmesi"));
    saatKutusu_ = seçmeliKutu(çerçeve, QStringLiteral("SaatKutusu"), 24);
    ikiNoktaEtiketi_ = new QLabel(QStringLiteral(":"), çerçeve);
    ikiNoktaEtiketi_->setObjectName(QStringLiteral("İkiNoktaEtiketi"));
    dakikaKutusu_ = seçmeliKutu(çerçeve, QStringLiteral("DakikaKutusu"), 60);
    işinKonusuKutusu_ = yazılabilirKutu(çerçeve, QStringLiteral("İşinKonusuKutusu"));
    işinYeriKutusu_ = yazılabilirKutu(çerçeve, QStringLiteral("İşinYeriKutusu"));
    işinSayısıKutusu_ = yazılabilirKutu(çerçeve, QStringLiteral("İşinSayısıKutusu"));
    açıklamaKutusu_ = new QPlainTextEdit(çerçeve);
    açıklamaKutusu_->setObjectName(QStringLiteral("AçıklamaKutusu"));
    açıklamaKutusu_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    açıklamaKutusu_->setTabChangesFocus(true);
    açıklamaKutusu_->setFixedHeight(twipten(1200));
    hatırlatmaVarOnayı_ = new QCheckBox(QStringLiteral("İş &Hatırlatılsın "), çerçeve);
    hatırlatmaVarOnayı_->setObjectName(QStringLiteral("HatırlatmaVarOnayı"));
    işYapıldıOnayı_ = new QCheckBox(QStringLiteral("İş &Yapıldı"), çerçeve);
    işYapıldıOnayı_->setObjectName(QStringLiteral("İşYapıldıOnayı"));

    etiketler_[0]->setBuddy(işinTarihiKutusu_);
    etiketler_[1]->setBuddy(saatKutusu_);
    etiketler_[2]->setBuddy(işinKonusuKutusu_);
    etiketler_[3]->setBuddy(işinYeriKutusu_);
    etiketler_[4]->setBuddy(işinSayısıKutusu_);
    etiketler_[5]->setBuddy(açıklamaKutusu_);
    // The hour and the minute box share one label.
    saatKutusu_->setAccessibleName(QStringLiteral("İşin Saati"));
    dakikaKutusu_->setAccessibleName(QStringLiteral("İşin Dakikası"));
    // The typing field of a box is read on its own.
    işinKonusuKutusu_->lineEdit()->setAccessibleName(QStringLiteral("İşin Konusu"));
    işinYeriKutusu_->lineEdit()->setAccessibleName(QStringLiteral("İşin Yeri"));
    işinSayısıKutusu_->lineEdit()->setAccessibleName(QStringLiteral("İşin Sayısı"));

    auto* tarihSatırı = new QHBoxLayout;
    tarihSatırı->addWidget(işinTarihiKutusu_);
    tarihSatırı->addWidget(tarihiTakvimdenSeçDüğmesi_);
    tarihSatırı->addStretch(1);
    auto* saatSatırı = new QHBoxLayout;
    saatSatırı->addWidget(saatKutusu_);
    saatSatırı->addWidget(ikiNoktaEtiketi_);
    saatSatırı->addWidget(dakikaKutusu_);
    saatSatırı->addStretch(1);
    auto* onaySatırı = new QHBoxLayout;
    onaySatırı->addWidget(hatırlatmaVarOnayı_);
    onaySatırı->addWidget(işYapıldıOnayı_);
    onaySatırı->addStretch(1);

    auto* ızgara = new QGridLayout(çerçeve);
    ızgara->addWidget(etiketler_[0], 0, 0);
    ızgara->addLayout(tarihSatırı, 0, 1);
    ızgara->addWidget(etiketler_[1], 1, 0);
    ızgara->addLayout(saatSatırı, 1, 1);
    ızgara->addWidget(etiketler_[2], 2, 0);
    ızgara->addWidget(işinKonusuKutusu_, 2, 1);
    ızgara->addWidget(etiketler_[3], 3, 0);
    ızgara->addWidget(işinYeriKutusu_, 3, 1);
    ızgara->addWidget(etiketler_[4], 4, 0);
    ızgara->addWidget(işinSayısıKutusu_, 4, 1);
    ızgara->addWidget(etiketler_[5], 5, 0, Qt::AlignTop);
    ızgara->addWidget(açıklamaKutusu_, 5, 1);
    ızgara->addLayout(onaySatırı, 6, 1);
    ızgara->setColumnMinimumWidth(1, twipten(5000));

    auto* altlık = new QWidget(this);
    altlık->setObjectName(QStringLiteral("Altlık"));
    kaydetDüğmesi_ = new QPushButton(QStringLiteral("Kaydet"), altlık);
    kaydetDüğmesi_->setObjectName(QStringLiteral("KaydetDüğmesi"));
    yeniİşEkleDüğmesi_ = new QPushButton(QStringLiteral("Yeni İş &Ekle"), altlık);
    yeniİşEkleDüğmesi_->setObjectName(QStringLiteral("YeniİşEkleDüğmesi"));
    vazgeçDüğmesi_ = new QPushButton(QStringLiteral("Vazgeç"), altlık);
    vazgeçDüğmesi_->setObjectName(QStringLiteral("VazgeçDüğmesi"));
    kapatDüğmesi_ = new QPushButton(QStringLiteral("Kapat (Esc)"), altlık);
    kapatDüğmesi_->setObjectName(QStringLiteral("KapatDüğmesi"));
    for (QPushButton* d : {tarihiTakvimdenSeçDüğmesi_, kaydetDüğmesi_, yeniİşEkleDüğmesi_,
                           vazgeçDüğmesi_, kapatDüğmesi_})
        d->setAutoDefault(false);
    // The save button stands where the new-job button stands; only one of them shows.
    auto* düğmeler = new QGridLayout(altlık);
    düğmeler->setContentsMargins(0, 0, 0, 0);
    düğmeler->addWidget(kaydetDüğmesi_, 0, 0);
    düğmeler->addWidget(yeniİşEkleDüğmesi_, 0, 0);
    düğmeler->setColumnStretch(1, 1);
    düğmeler->addWidget(vazgeçDüğmesi_, 0, 2);
    düğmeler->addWidget(kapatDüğmesi_, 0, 3);

    auto* ana = new QVBoxLayout(this);
    ana->addWidget(çerçeve);
    ana->addWidget(altlık);
    ana->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(işinTarihiKutusu_, tarihiTakvimdenSeçDüğmesi_);
    setTabOrder(tarihiTakvimdenSeçDüğmesi_, saatKutusu_);
    setTabOrder(saatKutusu_, dakikaKutusu_);
    setTabOrder(dakikaKutusu_, işinKonusuKutusu_);
    setTabOrder(işinKonusuKutusu_, işinYeriKutusu_);
    setTabOrder(işinYeriKutusu_, işinSayısıKutusu_);
    setTabOrder(işinSayısıKutusu_, açıklamaKutusu_);
    setTabOrder(açıklamaKutusu_, hatırlatmaVarOnayı_);
    setTabOrder(hatırlatmaVarOnayı_, işYapıldıOnayı_);
    setTabOrder(işYapıldıOnayı_, kaydetDüğmesi_);
    setTabOrder(kaydetDüğmesi_, yeniİşEkleDüğmesi_);
    setTabOrder(yeniİşEkleDüğmesi_, vazgeçDüğmesi_);
    setTabOrder(vazgeçDüğmesi_, kapatDüğmesi_);

    for (QWidget* w : std::initializer_list<QWidget*>{
             işinTarihiKutusu_, saatKutusu_, dakikaKutusu_, işinKonusuKutusu_, işinYeriKutusu_,
             işinSayısıKutusu_, açıklamaKutusu_, hatırlatmaVarOnayı_})
        w->installEventFilter(this);
    for (QWidget* w : std::initializer_list<QWidget*>{işinTarihiKutusu_, işinKonusuKutusu_,
                                                      işinYeriKutusu_, işinSayısıKutusu_})
        OdaktaTümünüSeç(w);

    connect(yeniİşEkleDüğmesi_, &QPushButton::clicked, this, [this] { YeniİşEkleDüğmesi_Click(); });
    connect(kaydetDüğmesi_, &QPushButton::clicked, this, [this] { KaydetDüğmesi_Click(); });
    connect(vazgeçDüğmesi_, &QPushButton::clicked, this, [this] { VazgeçDüğmesi_Click(); });
    connect(kapatDüğmesi_, &QPushButton::clicked, this, [this] { KapatDüğmesi_Click(); });
    connect(tarihiTakvimdenSeçDüğmesi_, &QPushButton::clicked, this,
            [this] { TarihiTakvimdenSeçDüğmesi_Click(); });
}

// --- Loading, states ---------------------------------------------------------------------

void İşEklemeDeğiştirmeFormu::yükle() {
    Adım([this] {
        işYapıldıOnayı_->setChecked(false);
        girdileriBoşalt();
        dinlenmeyeGeç();
        for (const auto& k : sınırlıKutular_) {
            k.geçmiş->boşalt();
            k.kutu->clear();
        }
    });
    if (tercihler().girişlerSaklansın == 1) {
        for (const auto& k : sınırlıKutular_) {
            Sessizce([&k] { k.geçmiş->yükle(); });
            geçmişiGöster(k.kutu, *k.geçmiş);
        }
    }
    yüklü_ = true;
}

void İşEklemeDeğiştirmeFormu::yüklenmemişseYükle() {
    if (!yüklü_)
        yükle();
}

void İşEklemeDeğiştirmeFormu::geçmişiGöster(QComboBox* kutu, const GirişGeçmişi& geçmiş) {
    const bool eski = kendiİşinde_;
    kendiİşinde_ = true;
    const QString metin = kutu->currentText();
    kutu->clear();
    kutu->addItems(geçmiş.liste());
    kutu->setCurrentIndex(-1);
    kutu->setEditText(metin);
    kendiİşinde_ = eski;
}

void İşEklemeDeğiştirmeFormu::girdileriBoşalt() {
    const bool eski = kendiİşinde_;
    kendiİşinde_ = true;
    işinTarihiKutusu_->clear();
    açıklamaKutusu_->clear();
    saatKutusu_->setCurrentIndex(-1);
    dakikaKutusu_->setCurrentIndex(-1);
    for (QComboBox* k : {işinKonusuKutusu_, işinYeriKutusu_, işinSayısıKutusu_}) {
        k->setCurrentIndex(-1);
        k->clearEditText();
    }
    for (QWidget* w : std::initializer_list<QWidget*>{
             işinTarihiKutusu_, açıklamaKutusu_, saatKutusu_, dakikaKutusu_, işinKonusuKutusu_,
             işinYeriKutusu_, işinSayısıKutusu_, tarihiTakvimdenSeçDüğmesi_})
        w->setEnabled(false);
    hatırlatmaVarOnayı_->setChecked(false);
    hatırlatmaVarOnayı_->setEnabled(false);
    işYapıldıOnayı_->setEnabled(false);
    for (QLabel* e : etiketler_)
        e->setPalette(QPalette());
    kendiİşinde_ = eski;
}

void İşEklemeDeğiştirmeFormu::dinlenmeyeGeç() {
    yeniİşEkleDüğmesi_->show();
    kaydetDüğmesi_->hide();
    vazgeçDüğmesi_->setEnabled(false);
    kapatDüğmesi_->setEnabled(true);
    if (isVisible())
        yeniİşEkleDüğmesi_->setFocus();
}

bool İşEklemeDeğiştirmeFormu::düzenlemedeMi() const {
    return !kapatDüğmesi_->isEnabled();
}

void İşEklemeDeğiştirmeFormu::YeniİşEkleDüğmesi_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             işinTarihiKutusu_, açıklamaKutusu_, saatKutusu_, dakikaKutusu_, işinKonusuKutusu_,
             işinYeriKutusu_, işinSayısıKutusu_, tarihiTakvimdenSeçDüğmesi_, hatırlatmaVarOnayı_})
        w->setEnabled(true);
    kaydetDüğmesi_->show();
    yeniİşEkleDüğmesi_->hide();
    vazgeçDüğmesi_->setEnabled(true);
    kapatDüğmesi_->setEnabled(false);
    if (isVisible())
        işinTarihiKutusu_->setFocus();
}

void İşEklemeDeğiştirmeFormu::VazgeçDüğmesi_Click() {
    girdileriBoşalt();
    dinlenmeyeGeç();
    if (kipEtiketi_ != EkleEtiketi) {
        if (AnaFormArayüzü* ana = anaForm()) {
            const int satırSayısı = ana->işSatırSayısı();
            // A list that got shorter meanwhile gets its last row selected.
            if (satırSayısı > 0 && düzenlenenSatır() > 0)
                ana->işSatırıSeç(qMin<int>(düzenlenenSatır(), satırSayısı));
        }
        programKapatır();
    }
}

void İşEklemeDeğiştirmeFormu::KapatDüğmesi_Click() {
    programKapatır();
}

void İşEklemeDeğiştirmeFormu::programKapatır() {
    if (isVisible())
        done(QDialog::Rejected);
    else
        yüklü_ = false;
}

void İşEklemeDeğiştirmeFormu::reject() {
    if (kapatDüğmesi_->isEnabled())
        KapatDüğmesi_Click();
}

int İşEklemeDeğiştirmeFormu::göster(QWidget* sahip) {
    setParent(sahip, windowFlags() | Qt::Dialog);
    // Opened for typing, the window starts in the date box.
    if (düzenlemedeMi())
        işinTarihiKutusu_->setFocus();
    const int sonuç = Modal::göster(this);
    setParent(nullptr, windowFlags() | Qt::Dialog);
    return sonuç;
}

// --- Keys and focus ----------------------------------------------------------------------

void İşEklemeDeğiştirmeFormu::keyPressEvent(QKeyEvent* olay) {
    // Enter presses a focused button and does nothing anywhere else.
    if (enterMi(olay)) {
        if (auto* düğme = qobject_cast<QPushButton*>(focusWidget()))
            düğme->click();
        return;
    }
    QDialog::keyPressEvent(olay);
}

bool İşEklemeDeğiştirmeFormu::girdiMi(QObject* nesne) const {
    return nesne == işinTarihiKutusu_ || nesne == saatKutusu_ || nesne == dakikaKutusu_ ||
           nesne == açıklamaKutusu_ || nesne == hatırlatmaVarOnayı_ || sınırlıKutu(nesne);
}

const İşEklemeDeğiştirmeFormu::SınırlıKutu*
İşEklemeDeğiştirmeFormu::sınırlıKutu(QObject* nesne) const {
    for (const auto& k : sınırlıKutular_)
        if (k.kutu == nesne)
            return &k;
    return nullptr;
}

QLabel* İşEklemeDeğiştirmeFormu::etiketi(QObject* nesne) const {
    if (nesne == işinTarihiKutusu_)
        return etiketler_[0];
    if (nesne == saatKutusu_ || nesne == dakikaKutusu_)
        return etiketler_[1];
    if (nesne == işinKonusuKutusu_)
        return etiketler_[2];
    if (nesne == işinYeriKutusu_)
        return etiketler_[3];
    if (nesne == işinSayısıKutusu_)
        return etiketler_[4];
    if (nesne == açıklamaKutusu_)
        return etiketler_[5];
    return nullptr;
}

bool İşEklemeDeğiştirmeFormu::eventFilter(QObject* nesne, QEvent* olay) {
    if (!girdiMi(nesne))
        return QDialog::eventFilter(nesne, olay);

    if (olay->type() == QEvent::KeyPress) {
        auto* tuş = static_cast<QKeyEvent*>(olay);
        if (enterMi(tuş)) {
            // In the description Ctrl+Enter or Shift+Enter still starts a new line.
            if (nesne == açıklamaKutusu_ &&
                (tuş->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))) {
                açıklamaKutusu_->insertPlainText(QStringLiteral("\n"));
                return true;
            }
            focusNextChild();
            return true;
        }
        if (nesne == işinTarihiKutusu_)
            return yazılanKarakter(tuş) && !TarihKarakterleri.contains(tuş->text().at(0));
        if (const SınırlıKutu* k = sınırlıKutu(nesne))
            return yazılanKarakter(tuş) && kutuMetni(k->kutu).size() >= k->sınır;
        return false;
    }

    if (olay->type() == QEvent::FocusIn || olay->type() == QEvent::FocusOut) {
        const auto neden = static_cast<QFocusEvent*>(olay)->reason();
        // Another window or a drop-down list taking the focus is no leaving.
        if (neden == Qt::ActiveWindowFocusReason || neden == Qt::PopupFocusReason)
            return false;
        QLabel* e = etiketi(nesne);
        if (olay->type() == QEvent::FocusIn) {
            if (e)
                etiketiVurgula(e, true);
            return false;
        }
        if (e)
            etiketiVurgula(e, false);
        // Leaving for "Vazgeç" checks nothing: everything typed is thrown away there.
        if (!kendiİşinde_ && QApplication::focusWidget() != vazgeçDüğmesi_)
            ayrıl(nesne);
    }
    return false;
}

void İşEklemeDeğiştirmeFormu::ayrıl(QObject* kutu) {
    if (!kutu->isWidgetType() || !static_cast<QWidget*>(kutu)->isEnabled())
        return;
    const bool eski = kendiİşinde_;
    kendiİşinde_ = true;
    Sessizce([&] {
        if (kutu == işinTarihiKutusu_)
            tarihKutusunuDoğrula();
        else if (kutu == açıklamaKutusu_)
            açıklamadanAyrıl();
        else if (const SınırlıKutu* k = sınırlıKutu(kutu))
            sınırlıKutudanAyrıl(*k);
    });
    kendiİşinde_ = eski;
}

bool İşEklemeDeğiştirmeFormu::tarihKutusunuDoğrula() {
    const QString metin = işinTarihiKutusu_->text();
    if (metin.isEmpty())
        return true;
    const QDate tarih = TarihBiçimi::çöz(metin);
    if (tarih.isValid()) {
        işinTarihiKutusu_->setText(TarihBiçimi::kısa(tarih));
        return true;
    }
    MesajKutusu::bilgi(QStringLiteral("Lütfen, TARİHİ doğru biçimde giriniz."));
    işinTarihiKutusu_->setFocus();
    // Leaving the box clears its selection after this check: select once more afterwards.
    işinTarihiKutusu_->selectAll();
    QTimer::singleShot(0, işinTarihiKutusu_, [kutu = işinTarihiKutusu_] { kutu->selectAll(); });
    return false;
}

void İşEklemeDeğiştirmeFormu::sınırlıKutudanAyrıl(const SınırlıKutu& k) {
    QString metin = düzelt(kutuMetni(k.kutu));
    if (tercihler().ilkHarflerBüyük != 0)
        metin = İlkHarfleriBüyüt(metin);
    const bool uzun = metin.size() > k.sınır;
    if (uzun)
        metin.truncate(k.sınır);
    kutuMetniYaz(k.kutu, metin);
    if (uzun) {
        MesajKutusu::bilgi(k.mesaj);
        k.kutu->setFocus();
    }
}

void İşEklemeDeğiştirmeFormu::açıklamadanAyrıl() {
    const QString metin = düzelt(açıklamaKutusu_->toPlainText());
    if (metin != açıklamaKutusu_->toPlainText())
        açıklamaKutusu_->setPlainText(metin);
}

// --- Calendar ----------------------------------------------------------------------------

void İşEklemeDeğiştirmeFormu::TarihiTakvimdenSeçDüğmesi_Click() {
    Sessizce([this] {
        const QDate yazılan = TarihBiçimi::çöz(işinTarihiKutusu_->text());
        const QString başlangıç =
            TarihBiçimi::kısa(yazılan.isValid() ? yazılan : ProgramSaati::bugün());
        const QString seçilen =
            TakvimdenTarihSeç(this, başlangıç, !takvimDüğmesiEtiketi_.isEmpty());
        if (TarihBiçimi::çöz(seçilen).isValid())
            işinTarihiKutusu_->setText(seçilen);
        işinTarihiKutusu_->setFocus();
    });
}

// --- Saving ------------------------------------------------------------------------------

void İşEklemeDeğiştirmeFormu::KaydetDüğmesi_Click() {
    if (!düzenlemedeMi())
        return;
    // A box still holding the focus is left first, as a click on the button would.
    if (QWidget* odak = focusWidget(); odak && odak != işinTarihiKutusu_ && girdiMi(odak))
        ayrıl(odak);
    if (!tarihKutusunuDoğrula())
        return;

    KayıtDenetimi::Girdi girdi;
    girdi.tarih = TarihBiçimi::çöz(işinTarihiKutusu_->text());
    girdi.saat = saatKutusu_->currentIndex();
    girdi.dakika = dakikaKutusu_->currentIndex();
    girdi.konu = kutuMetni(işinKonusuKutusu_);
    girdi.yapıldı = işYapıldıOnayı_->isChecked();
    girdi.hatırlatma = hatırlatmaVarOnayı_->isChecked();
    girdi.bugün = ProgramSaati::bugün();
    girdi.şimdi = ProgramSaati::şuAn();
    // Once the checks are past the date, a chosen hour without a minute shows minute 00.
    const auto dakikayıDoldur = [this] {
        if (saatKutusu_->currentIndex() >= 0 && dakikaKutusu_->currentIndex() < 0)
            dakikaKutusu_->setCurrentIndex(0);
    };
    for (const KayıtDenetimi::Uyarı& u : KayıtDenetimi::uyarılar(girdi)) {
        if (u.kutu != KayıtDenetimi::Kutu::Tarih)
            dakikayıDoldur();
        if (u.soru && MesajKutusu::soru(u.metin, u.evetVarsayılan))
            continue;
        if (!u.soru)
            MesajKutusu::bilgi(u.metin);
        switch (u.kutu) {
        case KayıtDenetimi::Kutu::Tarih:
            işinTarihiKutusu_->setFocus();
            break;
        case KayıtDenetimi::Kutu::Saat:
            saatKutusu_->setFocus();
            break;
        case KayıtDenetimi::Kutu::Konu:
            işinKonusuKutusu_->setFocus();
            break;
        case KayıtDenetimi::Kutu::Hatırlatma:
            hatırlatmaVarOnayı_->setFocus();
            break;
        }
        return;
    }
    dakikayıDoldur();

    // A job that could not be written keeps everything the user typed on screen. One refused
    // because another computer deleted its job or folder: the tree and the lists behind show
    // the file again.
    bool yazıldı = false;
    const AdımSonucu sonuç = DenetimliAdım([&] { yazıldı = işiYaz(); });
    if (sonuç == AdımSonucu::Reddedildi)
        Adım([this] {
            if (AnaFormArayüzü* ana = anaForm()) {
                if (kipEtiketi_ == EkleEtiketi) {
                    ana->klasörAğacınıBoşalt();
                    ana->KlasörleriYükle();
                }
                ana->seçiliKlasörüTıkla();
            }
        });
    if (sonuç != AdımSonucu::Yapıldı || !yazıldı)
        return;
    if (tercihler().girişlerSaklansın == 1)
        geçmişleriKaydet();
    if (!Adım([] {
            if (AnaFormArayüzü* ana = anaForm())
                ana->seçiliKlasörüTıkla();
        }))
        return;
    Adım([this] { VazgeçDüğmesi_Click(); });
}

bool İşEklemeDeğiştirmeFormu::işiYaz() {
    using namespace İşBirleştirme;
    Veritabanı& vt = AçıkVeritabanı::al();
    const Değerler benim = {işinTarihiKutusu_->text(),
                            saatKutusu_->currentText() + u':' + dakikaKutusu_->currentText(),
                            kutuMetni(işinKonusuKutusu_),
                            kutuMetni(işinYeriKutusu_),
                            kutuMetni(işinSayısıKutusu_),
                            açıklamaKutusu_->toPlainText(),
                            QString::number(hatırlatmaVarOnayı_->isChecked()),
                            QString::number(işYapıldıOnayı_->isChecked())};
    const auto yaz = [&](KayıtKümesi& kayıt, const Değerler& d) {
        kayıt.alanYaz(QStringLiteral("IsinTarihi"), d[Tarih]);
        kayıt.alanYaz(QStringLiteral("IsinSaati"), d[Saat]);
        kayıt.alanYaz(QStringLiteral("IsinKonusu"), d[Konu]);
        kayıt.alanYaz(QStringLiteral("IsinYeri"), d[Yer]);
        kayıt.alanYaz(QStringLiteral("IsinSayisi"), d[Sayı]);
        kayıt.alanYaz(QStringLiteral("Aciklama"), d[Açıklama]);
        kayıt.alanYaz(QStringLiteral("Hatirlatma"), d[Hatırlatma] == QLatin1String("1"));
        kayıt.alanYaz(QStringLiteral("IsYapildi"), d[Yapıldı] == QLatin1String("1"));
        kayıt.Update();
        kayıt.Close();
    };
    if (kipEtiketi_ == EkleEtiketi) {
        AnaFormArayüzü* ana = anaForm();
        const QString klasör = ana ? ana->seçiliKlasörAnahtarı() : QString();
        if (klasör.isEmpty() || Klasörler::ayrılmışMı(klasör))
            throw Hata(HataNo::Beklenmeyen,
                       QStringLiteral("İşin ekleneceği klasör seçili değil. Lütfen, bir klasör "
                                      "seçip tekrar deneyiniz."));
        // The folder is looked for under the write lock: one deleted on another computer
        // takes no job.
        vt.işlem([&] {
            Klasörler::varOlmalı(vt, klasör);
            auto kayıt = vt.OpenRecordset(Deyim::J7());
            kayıt->AddNew();
            kayıt->alanYaz(QStringLiteral("Anahtari"), klasör);
            yaz(*kayıt, benim);
        });
        return true;
    }
    bool sayı = false;
    const qint32 isNo = kipEtiketi_.toInt(&sayı);
    if (!sayı)
        throw Hata(
            HataNo::GeçersizSayı,
            QStringLiteral("Tür uyuşmazlığı: iş numarası \"%1\" bir sayı değil.").arg(kipEtiketi_));
    // The row is compared under the write lock with the job as the window showed it. When
    // another computer changed it meanwhile, the user is asked (with the lock let go) and the
    // comparison runs again with the answer, as long as the row stays as it was asked about.
    std::optional<Değerler> sorulan;
    bool benimki = true;
    while (true) {
        bool sorulacak = false;
        Değerler taban, dosyada;
        vt.işlem([&] {
            auto kayıt = vt.OpenRecordset(Deyim::J8(isNo));
            if (kayıt->Eof())
                throw Reddedilen(VeritabanıHataNo::GeçerliKayıtYok,
                                 QStringLiteral("Değiştirmek istediğiniz iş başka bir "
                                                "bilgisayardan silinmiş! İş kaydedilemedi; "
                                                "girdikleriniz pencerede duruyor."));
            dosyada = dosyadan(*kayıt);
            taban = gösterilen_ ? gösterilenden(*gösterilen_, dosyada) : dosyada;
            if (taban != dosyada && sorulan != dosyada) {
                sorulacak = true;
                return;
            }
            kayıt->Edit();
            yaz(*kayıt, birleştir(taban, benim, dosyada, benimki));
        });
        if (!sorulacak)
            return true;
        sorulan = dosyada;
        const bool çakışma = çakışmaVar(taban, benim, dosyada);
        const auto yanıt =
            MesajKutusu::göster(QMessageBox::Question, soru(taban, benim, dosyada),
                                çakışma ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                        : QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::Yes);
        if (yanıt == QMessageBox::Cancel || (!çakışma && yanıt != QMessageBox::Yes))
            return false;
        benimki = yanıt == QMessageBox::Yes;
    }
}

void İşEklemeDeğiştirmeFormu::geçmişleriKaydet() {
    const int üstSınır = tercihler().saklanacakGirişSayısı;
    for (const auto& k : sınırlıKutular_) {
        bool değişti = false;
        Sessizce([&] { değişti = k.geçmiş->ekle(kutuMetni(k.kutu), üstSınır); });
        if (değişti)
            geçmişiGöster(k.kutu, *k.geçmiş);
    }
}

// --- The one instance --------------------------------------------------------------------

İşEklemeDeğiştirmeFormu& İşGirişFormu() {
    static QPointer<İşEklemeDeğiştirmeFormu> form;
    if (!form) {
        form = new İşEklemeDeğiştirmeFormu;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, form, [] { delete form; });
    }
    return *form;
}
