// The folder tree of the main window: loading, choosing, renaming, adding and deleting folders.
#include "mainwindow/AnaForm.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "database/AnahtarSayaci.h"
#include "database/Deyimler.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "settings/ProgramDegerleri.h"

#include <QCheckBox>
#include <QHash>
#include <QMenu>
#include <QTimer>

namespace {
using Klasörler::ayrılmışMı;
using Klasörler::KlasörAnahtarı;
using Klasörler::ProgramAnahtarı;
using Klasörler::YeniKlasörAdı;
// The number under which a folder row that cannot be attached to the tree is reported.
constexpr int ÖğeBulunamadı = 35601;
} // namespace

QTreeWidgetItem* AnaForm::düğümEkle(QTreeWidgetItem* üst, const QString& anahtar,
                                    const QString& metin, int resim) {
    auto* düğüm = üst ? new QTreeWidgetItem(üst) : new QTreeWidgetItem(KlasörListesi);
    düğüm->setText(0, metin);
    düğüm->setData(0, KlasörAğacı::AnahtarRolü, anahtar);
    düğüm->setData(0, KlasörAğacı::ResimRolü, resim);
    if (resim >= 1 && resim <= KlasörListesiSimgeleri.size())
        düğüm->setIcon(0, KlasörListesiSimgeleri[resim - 1]);
    Qt::ItemFlags bayraklar = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    // Only real folders can be renamed in place.
    if (!ayrılmışMı(anahtar))
        bayraklar |= Qt::ItemIsEditable;
    düğüm->setFlags(bayraklar);
    return düğüm;
}

void AnaForm::KlasörleriYükle() {
    listelerOkunuyor();
    QTreeWidgetItem* kök = düğümEkle(nullptr, ProgramAnahtarı, ÜrünAdı, 1);
    QTreeWidgetItem* klasörlerim = düğümEkle(kök, KlasörAnahtarı, QStringLiteral("Klasörlerim"), 2);
    QHash<QString, QTreeWidgetItem*> düğümler{{ProgramAnahtarı, kök},
                                              {KlasörAnahtarı, klasörlerim}};
    Adım([&] {
        auto kayıtlar = AçıkVeritabanı::al().OpenRecordset(Deyim::F1(), Veritabanı::Okuma::Tamamı);
        const int anahtarNo = kayıtlar->alanNo(QStringLiteral("Anahtari"));
        const int bağNo = kayıtlar->alanNo(QStringLiteral("Bagi"));
        const int adNo = kayıtlar->alanNo(QStringLiteral("Adi"));
        while (!kayıtlar->Eof()) {
            const bool devam = Adım([&] {
                const QString anahtar = kayıtlar->alan(anahtarNo).toString();
                const QString bağ = kayıtlar->alan(bağNo).toString();
                anahtarSayacı_->güncelle(anahtar);
                QTreeWidgetItem* üst = düğümler.value(bağ);
                if (!üst)
                    throw Hata(ÖğeBulunamadı,
                               QStringLiteral("'%1' klasörünün bağlı olduğu '%2' klasörü "
                                              "bulunamadı.")
                                   .arg(anahtar, bağ));
                düğümler.insert(anahtar,
                                düğümEkle(üst, anahtar, kayıtlar->alan(adNo).toString(), 3));
            });
            if (!devam)
                return;
            kayıtlar->MoveNext();
        }
        kayıtlar->Close();
    });
    KlasörListesi->setCurrentItem(klasörlerim);
    klasörlerim->setExpanded(true);
}

void AnaForm::KlasörListesi_NodeClick(QTreeWidgetItem* düğüm) {
    if (!düğüm)
        return;
    const bool tümKlasörler = TümKlasörlerOnayı->isChecked();
    // In all-folders mode the list shows every folder whichever node the tree holds.
    if (ayrılmışMı(KlasörAğacı::anahtar(düğüm)) && !tümKlasörler) {
        işModeli->temizle();
        return;
    }
    const bool okundu = İşleriListele(KlasörAğacı::anahtar(düğüm));
    // A count after a failed read would pass a half or empty list off as the folder's jobs.
    const int sayı = işModeli->satırSayısı();
    if (okundu)
        durumYaz(2, QStringLiteral("   %1 iş listelendi").arg(sayı));
    else if (sayı == 0)
        durumYaz(2, QStringLiteral("   İş listesi okunamadı!"));
    else
        durumYaz(2,
                 QStringLiteral("   İş listesi yarım kaldı: yalnız %1 iş okunabildi!").arg(sayı));
}

void AnaForm::KlasörListesi_Collapse(QTreeWidgetItem* düğüm) {
    açılıpKapandı(düğüm, 2);
}

void AnaForm::KlasörListesi_Expand(QTreeWidgetItem* düğüm) {
    açılıpKapandı(düğüm, 3);
}

// After an expand or collapse: the selected folder is listed again, then a folder node takes
// its open or closed picture (the root and "Klasörlerim" keep theirs).
void AnaForm::açılıpKapandı(QTreeWidgetItem* düğüm, int resimSırası) {
    Sessizce([&] {
        if (!açılışOlaylarıSessiz_ && !TümKlasörlerOnayı->isChecked())
            KlasörListesi_NodeClick(KlasörListesi->currentItem());
    });
    if (KlasörAğacı::resim(düğüm) > 2)
        düğüm->setIcon(0, KlasörListesiSimgeleri.value(resimSırası));
}

void AnaForm::KlasörListesi_MouseUp(const QPoint& konum) {
    Sessizce([&] {
        const bool ayrılmış = ayrılmışMı(seçiliKlasörAnahtarı());
        KlasörMenüsüÇizgisi2->setVisible(ayrılmış);
        TümKlasörleriGösterMenüsü->setVisible(ayrılmış);
        TümKlasörleriGizleMenüsü->setVisible(ayrılmış);
        KlasörAdıDeğiştirMenüsü->setEnabled(!ayrılmış);
        KlasörSilMenüsü->setEnabled(!ayrılmış);
        if (QTreeWidgetItem* vurgulu = KlasörListesi->damlaVurgusu()) {
            KlasörListesi->setCurrentItem(vurgulu);
            KlasörMenüsü->setDefaultAction(YeniKlasörEkleMenüsü2);
            KlasörMenüsü->popup(konum);
        }
    });
    KlasörListesi->damlaVurgusuAyarla(nullptr);
}

bool AnaForm::KlasörListesi_AfterLabelEdit(QTreeWidgetItem* düğüm, const QString& yeniAd) {
    if (!düğüm)
        return false;
    if (yeniAd.isEmpty()) {
        MesajKutusu::bilgi(QStringLiteral("Klasör adı girmeniz gerekiyor!"));
        // The editor is closing now; it opens again once it has gone.
        QTimer::singleShot(0, this, [this] { KlasörAdıDeğiştir(); });
        return false;
    }
    // The name is stored exactly as typed; only the key takes part in the statement. A name
    // that could not be stored is reported and the node keeps its old text.
    bool saklandı = false;
    Adım([&] {
        auto kayıtlar = AçıkVeritabanı::al().OpenRecordset(Deyim::F3(KlasörAğacı::anahtar(düğüm)));
        if (kayıtlar->Eof())
            throw Hata(VeritabanıHataNo::GeçerliKayıtYok,
                       QStringLiteral("Klasör veritabanında bulunamadı."));
        kayıtlar->Edit();
        kayıtlar->alanYaz(QStringLiteral("Adi"), yeniAd);
        kayıtlar->Update();
        kayıtlar->Close();
        saklandı = true;
    });
    return saklandı;
}

void AnaForm::KlasörAdıDeğiştir() {
    Sessizce([this] {
        QTreeWidgetItem* seçili = KlasörListesi->currentItem();
        if (!seçili)
            return;
        if (ayrılmışMı(KlasörAğacı::anahtar(seçili))) {
            KlasörListesi->setFocus();
            return;
        }
        KlasörListesi->setFocus();
        KlasörListesi->editItem(seçili, 0);
    });
}

void AnaForm::yeniDüğümSeç(QTreeWidgetItem* düğüm) {
    KlasörListesi->setCurrentItem(düğüm);
    KlasörListesi->scrollToItem(düğüm);
    KlasörListesi->setFocus();
    KlasörListesi->editItem(düğüm, 0);
}

void AnaForm::YeniKlasörEkle() {
    QTreeWidgetItem* seçili = KlasörListesi->currentItem();
    const QString seçiliAnahtar = KlasörAğacı::anahtar(seçili);
    const QString üstAnahtar =
        (!seçili || seçiliAnahtar == ProgramAnahtarı) ? KlasörAnahtarı : seçiliAnahtar;
    QString anahtar;
    // The row is stored before the node appears, so that the tree never shows a folder that
    // is not in the table (jobs put into it would be lost).
    const AdımSonucu sonuç = DenetimliAdım(
        [&] { anahtar = Klasörler::ekle(AçıkVeritabanı::al(), *anahtarSayacı_, üstAnahtar); });
    if (sonuç == AdımSonucu::Reddedildi)
        ağacıYenile();
    if (sonuç != AdımSonucu::Yapıldı)
        return;
    Adım([&] {
        QTreeWidgetItem* üst = KlasörListesi->anahtarlıDüğüm(üstAnahtar);
        if (!üst)
            throw Hata(ÖğeBulunamadı, QStringLiteral("Üst klasör ağaçta bulunamadı."));
        sonEklenenDüğüm_ = düğümEkle(üst, anahtar, YeniKlasörAdı, 3);
        yeniDüğümSeç(sonEklenenDüğüm_);
    });
}

void AnaForm::ağacıYenile() {
    listelerOkunuyor();
    Adım([this] { klasörleriEşitle(); });
    Adım([this] { işListesiniYenile(); });
}

void AnaForm::KlasörSil() {
    QTreeWidgetItem* seçili = KlasörListesi->currentItem();
    if (!seçili)
        return;
    const QString anahtar = KlasörAğacı::anahtar(seçili);
    if (ayrılmışMı(anahtar)) {
        MesajKutusu::bilgi(QStringLiteral("Bu klasör silinimez!"));
        KlasörListesi->setFocus();
        return;
    }
    // Sub-folders are counted in the file: another computer may have added one that this
    // tree does not show yet.
    bool okundu = false, altıVar = false;
    Adım([&] {
        altıVar = seçili->childCount() > 0 ||
                  !Klasörler::altKlasörler(AçıkVeritabanı::al(), anahtar).isEmpty();
        okundu = true;
    });
    if (!okundu)
        return;
    if (altıVar) {
        MesajKutusu::bilgi(
            QStringLiteral("Seçtiğiniz klasörün 'Alt Klasör'leri olduğu için silinemiyor!"));
        KlasörListesi->setFocus();
        return;
    }
    if (!MesajKutusu::soru(QStringLiteral("'") + seçili->text(0) +
                           QStringLiteral("' adlı bu klasörü silmek istediğinizden emin "
                                          "misiniz?")))
        return;
    // The folder, anything put below it meanwhile and all their jobs go in one transaction;
    // when it fails, the folder stays in the tree and in the table with all its jobs.
    bool silindi = false;
    Adım([&] {
        Klasörler::sil(AçıkVeritabanı::al(), anahtar);
        silindi = true;
    });
    if (!silindi)
        return;
    if (sonEklenenDüğüm_ == seçili)
        sonEklenenDüğüm_ = nullptr;
    if (KlasörListesi->damlaVurgusu() == seçili)
        KlasörListesi->damlaVurgusuAyarla(nullptr);
    delete seçili;
    Adım([this] { KlasörListesi_NodeClick(KlasörListesi->currentItem()); });
}

void AnaForm::TümKlasörleriGöster() {
    tümKlasörleriAçKapa(true);
}

void AnaForm::TümKlasörleriGizle() {
    tümKlasörleriAçKapa(false);
}

// Every node of the tree, first to last, expanded or collapsed; the list is then refreshed
// once for the selected node, as each expansion or collapse would have done.
void AnaForm::tümKlasörleriAçKapa(bool açık) {
    Sessizce([this, açık] {
        bool değişti = false;
        açılışOlaylarıSessiz_ = true;
        const auto düğümler = KlasörListesi->tümDüğümler();
        for (döngüSayacı_ = 0; döngüSayacı_ < düğümler.size(); ++döngüSayacı_) {
            QTreeWidgetItem* d = düğümler[döngüSayacı_];
            if (d->isExpanded() != açık && (!açık || d->childCount() > 0)) {
                d->setExpanded(açık);
                değişti = true;
            }
        }
        açılışOlaylarıSessiz_ = false;
        if (değişti)
            KlasörListesi_NodeClick(KlasörListesi->currentItem());
        durumYaz(2, QString());
    });
    açılışOlaylarıSessiz_ = false;
}

void AnaForm::KlasörListesiniYenile() {
    klasörAğacınıBoşalt();
    KlasörleriYükle();
}
