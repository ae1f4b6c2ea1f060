#include "settings/TercihlerFormu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/AyarliKutu.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/AyarDeposu.h"
#include "settings/AyarTablosu.h"
#include "settings/MakineDegerleri.h"
#include "settings/ProgramDegerleri.h"
#include "settings/Tercihler.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace {

const QString VarsayılanSesDosyası = QStringLiteral("Alarm.wav");
constexpr int EnAzGiriş = 1;
constexpr int EnÇokGiriş = SaklanacakGirişEnÇok;

class TercihlerFormu : public QDialog {
public:
    TercihlerFormu() {
        setObjectName(QStringLiteral("TercihlerFormu"));
        setWindowTitle(QStringLiteral("Tercihler"));
        denetimleriOluştur();
        olaylarıBağla();
    }

    // The load step: the preference values from the store.
    void Form_Load() { tercihleriOku(); }

    // Every control takes its preference value; the rules of the boxes run as they do.
    void doldur() {
        const QScopedValueRollback dolduruluyor(dolduruluyor_, true);
        const auto& t = tercihler();
        ÇekmeliListelereGirilenDeğerleriSaklaOnayı->setChecked(t.girişlerSaklansın == 1);
        saklaKuralı();
        if (t.girişlerSaklansın == 1)
            ÇekmeliListeSaklanacakSayıKutusu->setText(
                QString::number(std::clamp<int>(t.saklanacakGirişSayısı, EnAzGiriş, EnÇokGiriş)));
        İlkHarflerBüyükOlsunOnayı->setChecked(t.ilkHarflerBüyük == 1);
        OtomatikBaşlasınOnayı->setChecked(t.otomatikBaşlasın == 1);
        otomatikBaşlaKuralı();
        ArkaplandaÇalışsınOnayı->setChecked(t.arkaplandaÇalışsın == 1);
        SesliUyarıVerOnayı->setChecked(t.sesliUyarıBilgisi == 1);
        sesliUyarıKuralı();
        sesDosyasınıGöster(t.sesDosyasıAdı, t.sesDosyasıYolu);
        EnÜstteOnayı->setChecked(t.hatırlatmaEnÜstte == 1);
        KaçırılanHatırlatmalarOnayı->setChecked(t.kaçırılanHatırlatmalar == 1);
        SabahÖzetiOnayı->setChecked(t.sabahÖzeti == 1);
        SabahÖzetiGünSayısıKutusu->setText(
            QString::number(std::clamp(t.sabahÖzetiGünSayısı, 0, SabahÖzetiEnÇokGün)));
        sabahÖzetiKuralı();
        TamamDüğmesi->setEnabled(false);
    }

private:
    void denetimleriOluştur() {
        auto onay = [this](const char* metin, const char* ad) {
            auto* o = new QCheckBox(QString::fromUtf8(metin), this);
            o->setObjectName(QString::fromUtf8(ad));
            return o;
        };
        ÇekmeliListelereGirilenDeğerleriSaklaOnayı =
            onay("Ç&ekmeli listelere girilen son ", "ÇekmeliListelereGirilenDeğerleriSaklaOnayı");
        ÇekmeliListeSaklanacakSayıKutusu = new AyarliKutu(this);
        ÇekmeliListeSaklanacakSayıKutusu->setObjectName(
            QStringLiteral("ÇekmeliListeSaklanacakSayıKutusu"));
        ÇekmeliListeSaklanacakSayıKutusu->setMin(EnÇokGiriş);
        ÇekmeliListeSaklanacakSayıKutusu->setMax(EnAzGiriş);
        ÇekmeliListeSaklanacakSayıKutusu->setValue(3);
        ÇekmeliListeSaklanacakSayıKutusu->setText(QStringLiteral("0"));
        ÇekmeliListeSaklanacakSayıKutusu->setFixedWidth(48);
        İlkHarflerBüyükOlsunOnayı =
            onay("Veri girişlerinde \"İlk &Harfler\" büyük olsun ", "İlkHarflerBüyükOlsunOnayı");
        OtomatikBaşlasınOnayı =
            onay("Program, Windows başlarken &otomatik açılsın ", "OtomatikBaşlasınOnayı");
        ArkaplandaÇalışsınOnayı =
            onay("Program, &arka planda sürekli çalışsın ", "ArkaplandaÇalışsınOnayı");
        SesliUyarıVerOnayı = onay("Hatırlatmalarda &sesli uyarı verilsin ", "SesliUyarıVerOnayı");
        Etiket1 = new QLabel(QStringLiteral("Ses dosyası :"), this);
        Etiket1->setObjectName(QStringLiteral("Etiket1"));
        SesDosyasıKutusu = new QLineEdit(this);
        SesDosyasıKutusu->setObjectName(QStringLiteral("SesDosyasıKutusu"));
        SesDosyasıKutusu->setReadOnly(true);
        SeçDüğmesi = new QPushButton(QStringLiteral("Seç..."), this);
        SeçDüğmesi->setObjectName(QStringLiteral("SeçDüğmesi"));
        SeçDüğmesi->setAutoDefault(false);
        EnÜstteOnayı = onay("Hatırlatma pen&ceresi daima en üstte olsun ", "EnÜstteOnayı");
        KaçırılanHatırlatmalarOnayı = onay("Program kapalıyken kaçırılan hatırlatmaları &göster ",
                                           "KaçırılanHatırlatmalarOnayı");
        SabahÖzetiOnayı = onay("Her gün ilk açılışta &bugünün ve sonraki ", "SabahÖzetiOnayı");
        SabahÖzetiGünSayısıKutusu = new AyarliKutu(this);
        SabahÖzetiGünSayısıKutusu->setObjectName(QStringLiteral("SabahÖzetiGünSayısıKutusu"));
        SabahÖzetiGünSayısıKutusu->setMin(SabahÖzetiEnÇokGün);
        SabahÖzetiGünSayısıKutusu->setMax(0);
        SabahÖzetiGünSayısıKutusu->setValue(3);
        SabahÖzetiGünSayısıKutusu->setFixedWidth(48);
        İlkAyarlarDüğmesi = new QPushButton(QStringLiteral("İl&k Ayarlar"), this);
        İlkAyarlarDüğmesi->setObjectName(QStringLiteral("İlkAyarlarDüğmesi"));
        İlkAyarlarDüğmesi->setAutoDefault(false);
        TamamDüğmesi = new QPushButton(QStringLiteral("Tamam"), this);
        TamamDüğmesi->setObjectName(QStringLiteral("TamamDüğmesi"));
        TamamDüğmesi->setDefault(true);
        TamamDüğmesi->setEnabled(false);
        İptalDüğmesi = new QPushButton(QStringLiteral("İptal"), this);
        İptalDüğmesi->setObjectName(QStringLiteral("İptalDüğmesi"));
        İptalDüğmesi->setAutoDefault(false);

        // The number boxes sit inside a sentence; a screen reader needs their own names.
        Etiket1->setBuddy(SesDosyasıKutusu);
        for (auto [kutu, ad] :
             {std::pair{ÇekmeliListeSaklanacakSayıKutusu, "Saklanacak değer sayısı"},
              std::pair{SabahÖzetiGünSayısıKutusu, "Sabah özetindeki iş günü sayısı"}}) {
            kutu->setAccessibleName(QString::fromUtf8(ad));
            kutu->DeğerKutusu()->setAccessibleName(QString::fromUtf8(ad));
        }

        auto* düzen = new QVBoxLayout(this);
        auto* saklaSatırı = new QHBoxLayout;
        saklaSatırı->setSpacing(4);
        saklaSatırı->addWidget(ÇekmeliListelereGirilenDeğerleriSaklaOnayı);
        saklaSatırı->addWidget(ÇekmeliListeSaklanacakSayıKutusu);
        saklaSatırı->addWidget(new QLabel(QStringLiteral("değeri sakla"), this));
        saklaSatırı->addStretch();
        düzen->addLayout(saklaSatırı);
        for (QCheckBox* w : {İlkHarflerBüyükOlsunOnayı, OtomatikBaşlasınOnayı,
                             ArkaplandaÇalışsınOnayı, SesliUyarıVerOnayı})
            düzen->addWidget(w);
        auto* sesSatırı = new QHBoxLayout;
        sesSatırı->setContentsMargins(20, 0, 0, 0);
        sesSatırı->addWidget(Etiket1);
        sesSatırı->addWidget(SesDosyasıKutusu, 1);
        sesSatırı->addWidget(SeçDüğmesi);
        düzen->addLayout(sesSatırı);
        düzen->addWidget(EnÜstteOnayı);
        düzen->addWidget(KaçırılanHatırlatmalarOnayı);
        auto* özetSatırı = new QHBoxLayout;
        özetSatırı->setSpacing(4);
        özetSatırı->addWidget(SabahÖzetiOnayı);
        özetSatırı->addWidget(SabahÖzetiGünSayısıKutusu);
        özetSatırı->addWidget(new QLabel(QStringLiteral("iş gününün işlerini göster"), this));
        özetSatırı->addStretch();
        düzen->addLayout(özetSatırı);
        auto* çizgi = new QFrame(this);
        çizgi->setFrameShape(QFrame::HLine);
        çizgi->setFrameShadow(QFrame::Sunken);
        düzen->addWidget(çizgi);
        auto* düğmeler = new QHBoxLayout;
        düğmeler->addWidget(İlkAyarlarDüğmesi);
        düğmeler->addStretch();
        düğmeler->addWidget(TamamDüğmesi);
        düğmeler->addWidget(İptalDüğmesi);
        düzen->addLayout(düğmeler);
        düzen->setSizeConstraint(QLayout::SetFixedSize);
    }

    void olaylarıBağla() {
        auto değişti = [this] {
            if (!dolduruluyor_)
                TamamDüğmesi->setEnabled(true);
        };
        auto kural = [this, değişti](QCheckBox* onay, void (TercihlerFormu::*iş)()) {
            connect(onay, &QCheckBox::toggled, this, [this, iş, değişti] {
                Sessizce([this, iş] { (this->*iş)(); });
                değişti();
            });
        };
        kural(ÇekmeliListelereGirilenDeğerleriSaklaOnayı, &TercihlerFormu::saklaKuralı);
        kural(OtomatikBaşlasınOnayı, &TercihlerFormu::otomatikBaşlaKuralı);
        kural(SesliUyarıVerOnayı, &TercihlerFormu::sesliUyarıKuralı);
        kural(SabahÖzetiOnayı, &TercihlerFormu::sabahÖzetiKuralı);
        for (QCheckBox* o : {İlkHarflerBüyükOlsunOnayı, ArkaplandaÇalışsınOnayı, EnÜstteOnayı,
                             KaçırılanHatırlatmalarOnayı})
            connect(o, &QCheckBox::toggled, this, değişti);
        connect(SabahÖzetiGünSayısıKutusu, &AyarliKutu::Change, this, değişti);
        // A count typed or stepped alone is a change of its own.
        connect(ÇekmeliListeSaklanacakSayıKutusu, &AyarliKutu::Change, this, değişti);
        connect(SeçDüğmesi, &QPushButton::clicked, this, [this] { Sessizce([this] { seç(); }); });
        connect(İlkAyarlarDüğmesi, &QPushButton::clicked, this,
                [this] { Sessizce([this] { ilkAyarlar(); }); });
        connect(TamamDüğmesi, &QPushButton::clicked, this, [this] { tamamla(); });
        connect(İptalDüğmesi, &QPushButton::clicked, this, &QDialog::reject);
    }

    // ---- The rules of the boxes, run on every change.

    // The number of working days counts only while the morning summary is on.
    void sabahÖzetiKuralı() { SabahÖzetiGünSayısıKutusu->setEnabled(SabahÖzetiOnayı->isChecked()); }

    void saklaKuralı() {
        const bool açık = ÇekmeliListelereGirilenDeğerleriSaklaOnayı->isChecked();
        ÇekmeliListeSaklanacakSayıKutusu->setEnabled(açık);
        // Emptied, the box shows "0".
        ÇekmeliListeSaklanacakSayıKutusu->setText(açık ? QStringLiteral("3") : QString());
    }

    void otomatikBaşlaKuralı() {
        if (OtomatikBaşlasınOnayı->isChecked()) {
            ArkaplandaÇalışsınOnayı->setChecked(true);
            ArkaplandaÇalışsınOnayı->setEnabled(false);
        } else {
            ArkaplandaÇalışsınOnayı->setEnabled(true);
        }
    }

    void sesliUyarıKuralı() {
        const bool açık = SesliUyarıVerOnayı->isChecked();
        if (açık)
            sesDosyasınıGöster(VarsayılanSesDosyası, program().programKlasörü);
        else
            sesDosyasınıGöster(QString(), QString());
        for (QWidget* w : std::initializer_list<QWidget*>{SesDosyasıKutusu, Etiket1, SeçDüğmesi})
            w->setEnabled(açık);
    }

    void sesDosyasınıGöster(const QString& ad, const QString& klasör) {
        SesDosyasıKutusu->setText(ad);
        sesKlasörü_ = klasör;
    }

    // ---- Buttons

    void seç() {
        QFileDialog seçici(this, QStringLiteral("Ses Dosyası Seç"), program().programKlasörü,
                           QStringLiteral("Ses Dosyaları (*.wav)"));
        seçici.setObjectName(QStringLiteral("SesDosyasıSeçici"));
        seçici.setFileMode(QFileDialog::ExistingFile);
        seçici.setAcceptMode(QFileDialog::AcceptOpen);
        if (Modal::göster(&seçici) != QDialog::Accepted || seçici.selectedFiles().isEmpty())
            return;
        const QString yol = QDir::toNativeSeparators(seçici.selectedFiles().constFirst());
        const qsizetype ayraç = std::max(yol.lastIndexOf('/'), yol.lastIndexOf('\\'));
        QString klasör = yol.left(ayraç + 1);
        if (!klasör.isEmpty() && !klasör.endsWith('/') && !klasör.endsWith('\\'))
            klasör += QDir::separator();
        sesDosyasınıGöster(yol.mid(ayraç + 1), klasör);
        TamamDüğmesi->setEnabled(true);
    }

    void ilkAyarlar() {
        ÇekmeliListelereGirilenDeğerleriSaklaOnayı->setChecked(true);
        ÇekmeliListeSaklanacakSayıKutusu->setText(QStringLiteral("3"));
        for (QCheckBox* o :
             {İlkHarflerBüyükOlsunOnayı, OtomatikBaşlasınOnayı, ArkaplandaÇalışsınOnayı,
              SesliUyarıVerOnayı, EnÜstteOnayı, KaçırılanHatırlatmalarOnayı, SabahÖzetiOnayı})
            o->setChecked(true);
        SabahÖzetiGünSayısıKutusu->setText(QStringLiteral("3"));
        sesDosyasınıGöster(VarsayılanSesDosyası, program().programKlasörü);
        TamamDüğmesi->setEnabled(true);
    }

    static int bayrak(const QCheckBox* onay) { return onay->isChecked() ? 1 : 0; }

    void tamamla() {
        auto& t = tercihler();
        const int sesli = bayrak(SesliUyarıVerOnayı);
        const QString ad = SesDosyasıKutusu->text();
        // Nothing is saved while the alarm would play a file that is not there.
        if (sesli == 1 && (ad.isEmpty() || !QFileInfo(sesKlasörü_ + ad).isFile())) {
            MesajKutusu::bilgi(QStringLiteral("Seçtiğiniz 'Ses Dosyası' bulunamıyor! Lütfen, "
                                              "kontrol edip tekrar deneyiniz."));
            SeçDüğmesi->setFocus();
            return;
        }
        bool anaPencereGizliydi = false;
        Adımlar({
            [&] {
                t.sesliUyarıBilgisi = sesli;
                t.sesDosyasıAdı = ad;
                t.sesDosyasıYolu = sesKlasörü_;
                ayarYaz(Ayar::SesliUyarıBilgisi, sesli);
                ayarYaz(Ayar::SesDosyasıAdı, ad);
                ayarYaz(Ayar::SesDosyasıYolu, sesKlasörü_);
            },
            [&] {
                t.girişlerSaklansın = bayrak(ÇekmeliListelereGirilenDeğerleriSaklaOnayı);
                const qint64 sayı =
                    AyarliKutu::baştakiSayı(ÇekmeliListeSaklanacakSayıKutusu->Text());
                // Keeping turned off stores "0" for the count as well (the emptied box), which
                // reads back as keeping off; turned on, the count is one the box allows.
                t.saklanacakGirişSayısı =
                    t.girişlerSaklansın == 1
                        ? static_cast<std::uint8_t>(std::clamp<qint64>(sayı, EnAzGiriş, EnÇokGiriş))
                        : 0;
                ayarYaz(Ayar::GirişlerSaklansın, t.girişlerSaklansın);
                ayarYaz(Ayar::SaklanacakGirişSayısı, t.saklanacakGirişSayısı);
            },
            [&] {
                if (t.girişlerSaklansın == 0 && hatırlananGirişVar())
                    AyarDeposu::DeleteSetting(Bölüm::GirişBilgileri);
            },
            [&] {
                t.ilkHarflerBüyük = bayrak(İlkHarflerBüyükOlsunOnayı);
                ayarYaz(Ayar::İlkHarflerBüyük, t.ilkHarflerBüyük);
            },
            [&] {
                t.otomatikBaşlasın = bayrak(OtomatikBaşlasınOnayı);
                ayarYaz(Ayar::OtomatikBaşlasın, t.otomatikBaşlasın);
                MakineDeğerleri::otomatikBaşlatmayıUygula(t.otomatikBaşlasın == 1,
                                                          program().programKlasörü);
            },
            [&] {
                t.arkaplandaÇalışsın = bayrak(ArkaplandaÇalışsınOnayı);
                ayarYaz(Ayar::ArkaplandaÇalışsın, t.arkaplandaÇalışsın);
                AnaFormArayüzü* ana = anaForm();
                if (!ana)
                    return;
                if (t.arkaplandaÇalışsın == 1) {
                    ana->BildirimAlanınaSimgeEkle();
                } else {
                    anaPencereGizliydi = ana->pencere() && !ana->pencere()->isVisible();
                    ana->BildirimAlanındanSimgeyiSil();
                }
            },
            [&] {
                t.hatırlatmaEnÜstte = bayrak(EnÜstteOnayı);
                ayarYaz(Ayar::HatırlatmaEnÜstte, t.hatırlatmaEnÜstte);
            },
            [&] {
                t.kaçırılanHatırlatmalar = bayrak(KaçırılanHatırlatmalarOnayı);
                t.sabahÖzeti = bayrak(SabahÖzetiOnayı);
                const qint64 gün = AyarliKutu::baştakiSayı(SabahÖzetiGünSayısıKutusu->Text());
                t.sabahÖzetiGünSayısı =
                    static_cast<int>(std::clamp<qint64>(gün, 0, SabahÖzetiEnÇokGün));
                ayarYaz(Ayar::KaçırılanHatırlatmalar, t.kaçırılanHatırlatmalar);
                ayarYaz(Ayar::SabahÖzeti, t.sabahÖzeti);
                ayarYaz(Ayar::SabahÖzetiGünSayısı, t.sabahÖzetiGünSayısı);
            },
        });
        accept();
        if (anaPencereGizliydi && anaForm())
            anaForm()->anaPencereyiGöster();
    }

    // The remembered entries live in the three nested sections; the enclosing section has
    // no keys of its own.
    static bool hatırlananGirişVar() {
        for (const QString& bölüm : {Bölüm::Konular, Bölüm::Yerler, Bölüm::Sayılar})
            if (!AyarDeposu::GetAllSettings(bölüm).isEmpty())
                return true;
        return false;
    }

    QCheckBox* ÇekmeliListelereGirilenDeğerleriSaklaOnayı = nullptr;
    AyarliKutu* ÇekmeliListeSaklanacakSayıKutusu = nullptr;
    QCheckBox* İlkHarflerBüyükOlsunOnayı = nullptr;
    QCheckBox* OtomatikBaşlasınOnayı = nullptr;
    QCheckBox* ArkaplandaÇalışsınOnayı = nullptr;
    QCheckBox* SesliUyarıVerOnayı = nullptr;
    QLabel* Etiket1 = nullptr;
    QLineEdit* SesDosyasıKutusu = nullptr;
    QPushButton* SeçDüğmesi = nullptr;
    QCheckBox* EnÜstteOnayı = nullptr;
    QCheckBox* KaçırılanHatırlatmalarOnayı = nullptr;
    QCheckBox* SabahÖzetiOnayı = nullptr;
    AyarliKutu* SabahÖzetiGünSayısıKutusu = nullptr;
    QPushButton* İlkAyarlarDüğmesi = nullptr;
    QPushButton* TamamDüğmesi = nullptr;
    QPushButton* İptalDüğmesi = nullptr;

    // The folder of the sound file, ending in a separator; the box shows only the name.
    QString sesKlasörü_;
    bool dolduruluyor_ = false;
};

QPointer<TercihlerFormu>& yüklüForm() {
    static QPointer<TercihlerFormu> form;
    return form;
}

TercihlerFormu* yükle() {
    auto& form = yüklüForm();
    if (!form) {
        form = new TercihlerFormu;
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, form, [] { delete yüklüForm(); });
        form->Form_Load();
    }
    return form;
}

} // namespace

void TercihlerFormunuYükle() {
    yükle();
}

void TercihlerFormunuAç(QWidget* sahip) {
    TercihlerFormu* form = yükle();
    if (form->isVisible()) {
        form->raise();
        form->activateWindow();
        return;
    }
    form->setParent(sahip, form->windowFlags() | Qt::Dialog);
    form->doldur();
    if (sahip) {
        form->setWindowModality(Qt::ApplicationModal);
        Modal::göster(form);
        delete form;
    } else {
        // Over a minimised main window: on its own, not modal, unloaded when it closes.
        form->setWindowModality(Qt::NonModal);
        QObject::connect(form, &QDialog::finished, form, &QObject::deleteLater);
        form->show();
        form->raise();
        form->activateWindow();
    }
}

bool TercihlerGörünür() {
    return yüklüForm() && yüklüForm()->isVisible();
}

QDialog* tercihlerFormu() {
    return yüklüForm();
}
