// The job list of the main window: filling, the two filter boxes, sorting, the job commands
// and moving a job to another folder.
#include "mainwindow/AnaForm.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "database/Deyimler.h"
#include "database/IsDenetimi.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "jobentry/IsGirisi.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>

using Klasörler::ayrılmışMı;

bool AnaForm::İşleriListele(const QString& anahtar) {
    if (işModeli->satırSayısı() > 0)
        işModeli->temizle();
    const QDate bugün = ProgramSaati::bugün();
    const bool tümKlasörler = TümKlasörlerOnayı->isChecked();
    const bool sadeceBugün = SadeceBugünYapılacakİşleriListeleOnayı->isChecked();
    const QString deyim = tümKlasörler
                              ? (sadeceBugün ? Deyim::J4(bugün) : Deyim::J2())
                              : (sadeceBugün ? Deyim::J3(bugün, anahtar) : Deyim::J1(anahtar));
    bool okundu = false;
    Adım([&] {
        auto kayıtlar = AçıkVeritabanı::al().OpenRecordset(deyim, Veritabanı::Okuma::Tamamı);
        işModeli->doldur(*kayıtlar, tümKlasörler, bugün);
        kayıtlar->Close();
        okundu = true;
    });
    // As a list view does, the first row comes up selected.
    if (işModeli->satırSayısı() > 0)
        YapılacakİşlerListesi->selectionModel()->setCurrentIndex(
            işModeli->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return okundu;
}

void AnaForm::SadeceBugünYapılacakİşleriListeleOnayı_Click() {
    Adım([this] { KlasörListesi_NodeClick(KlasörListesi->currentItem()); });
    const bool işaretli = SadeceBugünYapılacakİşleriListeleOnayı->isChecked();
    // Finding is off while only today's jobs are listed, and stays off in all-folders mode
    // whichever way this box goes.
    const bool bulAçık = !işaretli && !TümKlasörlerOnayı->isChecked();
    Düğme[8]->setEnabled(bulAçık);
    BulMenüsü->setEnabled(bulAçık);
}

// The root of the node's branch expanded or collapsed without the events refilling the list.
void AnaForm::kökünüAçKapa(QTreeWidgetItem* düğüm, bool açık) {
    if (!düğüm)
        return;
    while (düğüm->parent())
        düğüm = düğüm->parent();
    açılışOlaylarıSessiz_ = true;
    düğüm->setExpanded(açık);
    açılışOlaylarıSessiz_ = false;
}

void AnaForm::TümKlasörlerOnayı_Click() {
    QTreeWidgetItem* seçili = KlasörListesi->currentItem();
    if (TümKlasörlerOnayı->isChecked()) {
        for (QAction* a :
             {Düğme[2], YeniKlasörEkleMenüsü1, YeniKlasörEkleMenüsü2, Düğme[8], BulMenüsü})
            a->setEnabled(false);
        kökünüAçKapa(seçili, false);
        KlasörListesi->setEnabled(false);
        İşleriListele(QString());
        const int satır = YapılacakİşlerListesi->seçiliSatır();
        if (işModeli->satırSayısı() > 0 && satır >= 0)
            YapılacakİşlerListesi_ItemClick(satır);
    } else {
        for (QAction* a : {Düğme[2], YeniKlasörEkleMenüsü1, YeniKlasörEkleMenüsü2})
            a->setEnabled(true);
        KlasörListesi->setEnabled(true);
        kökünüAçKapa(seçili, true);
        // The folder-chosen handler lists the selected folder, as the root's expansion does.
        Adım([this] {
            QTreeWidgetItem* d = KlasörListesi->currentItem();
            if (d)
                KlasörListesi_NodeClick(d);
            else
                işModeli->temizle();
        });
        const bool bulAçık = !SadeceBugünYapılacakİşleriListeleOnayı->isChecked();
        Düğme[8]->setEnabled(bulAçık);
        BulMenüsü->setEnabled(bulAçık);
    }
}

void AnaForm::YapılacakİşlerListesi_ItemClick(int satır) {
    Sessizce([&] {
        if (!TümKlasörlerOnayı->isChecked() || satır < 0 || satır >= işModeli->satırSayısı())
            return;
        const QString etiket = işModeli->anahtar(satır);
        const auto düğümler = KlasörListesi->tümDüğümler();
        for (döngüSayacı_ = 0; döngüSayacı_ < düğümler.size(); ++döngüSayacı_) {
            QTreeWidgetItem* d = düğümler[döngüSayacı_];
            if (KlasörAğacı::anahtar(d) == etiket) {
                KlasörListesi->setCurrentItem(d);
                KlasörListesi->scrollToItem(d);
                return;
            }
        }
    });
}

void AnaForm::YapılacakİşlerListesi_ColumnClick(int sütun) {
    Sessizce([&] { Sıralama::BaşlıkTıkla(YapılacakİşlerListesi, *işModeli, sütun); });
}

void AnaForm::YapılacakİşlerListesi_MouseUp(const QPoint& konum) {
    Sessizce([&] {
        if (YapılacakİşlerListesi->seçiliSatır() < 0)
            return;
        if (YapılacakİşlerListesi->damlaVurgusu() >= 0)
            YapılacakİşListesiMenüsü->popup(konum);
    });
}

void AnaForm::YapılacakİşlerListesi_OLECompleteDrag() {
    QTreeWidgetItem* hedef = KlasörListesi->damlaVurgusu();
    const bool bırakıldı = KlasörListesi->bırakıldıMı();
    KlasörListesi->sürüklemeBaşladı();
    // A job stays in a real folder: a drop onto the root, "Klasörlerim" or nowhere changes
    // nothing.
    if (!bırakıldı || !hedef || ayrılmışMı(KlasörAğacı::anahtar(hedef))) {
        KlasörListesi->damlaVurgusuAyarla(nullptr);
        return;
    }
    if (!MesajKutusu::soru(QStringLiteral("Seçilen işi taşımak istediğinizden emin misiniz?"))) {
        KlasörListesi->damlaVurgusuAyarla(nullptr);
        YapılacakİşlerListesi->setFocus();
        return;
    }
    const int satır = YapılacakİşlerListesi->seçiliSatır();
    if (satır < 0) {
        KlasörListesi->damlaVurgusuAyarla(nullptr);
        return;
    }
    const qint32 isNo = static_cast<qint32>(işModeli->isNo(satır));
    const QString hedefAnahtar = KlasörAğacı::anahtar(hedef);
    // A move that was not stored leaves the job where it is, shown in its own folder. The job
    // must still be as listed and the target folder still in the file (another computer may
    // have deleted it); otherwise nothing moves and the tree and list are read again.
    const AdımSonucu sonuç = DenetimliAdım([&] {
        İşDenetimi::yaz(AçıkVeritabanı::al(), gösterilenSatır(satır), Deyim::J5(hedefAnahtar, isNo),
                        hedefAnahtar);
    });
    if (sonuç != AdımSonucu::Yapıldı) {
        KlasörListesi->damlaVurgusuAyarla(nullptr);
        if (sonuç == AdımSonucu::Reddedildi)
            ağacıYenile();
        return;
    }
    Adımlar({
        [&] {
            KlasörListesi->setCurrentItem(hedef);
            İşleriListele(hedefAnahtar);
        },
        [&] {
            // The moved job is found by its number (not by any text that happens to match).
            const int bulunan = işModeli->isNoSatırı(isNo);
            if (bulunan >= 0) {
                işSatırıSeç(bulunan + 1);
                YapılacakİşlerListesi->setFocus();
            }
        },
    });
    KlasörListesi->damlaVurgusuAyarla(nullptr);
}

void AnaForm::YeniİşEkle() {
    Adım([this] {
        QTreeWidgetItem* seçili = KlasörListesi->currentItem();
        if (!seçili || ayrılmışMı(KlasörAğacı::anahtar(seçili))) {
            MesajKutusu::bilgi(QStringLiteral("Bu klasöre iş ekleyemezsiniz! Lütfen, başka bir "
                                              "klasör seçiniz ya da yeni bir klasör ekleyiniz."));
            return;
        }
        İşEklemeyiAç(this, QStringLiteral("Yapılacak İş Ekleme (") + seçili->text(0) +
                               QStringLiteral(")"));
    });
}

void AnaForm::DeğişiklikYap() {
    Adım([this] {
        const int satır = YapılacakİşlerListesi->seçiliSatır();
        if (satır < 0)
            return;
        if (işModeli->simge(satır) == 3 &&
            !MesajKutusu::soru(QStringLiteral("Bu iş YAPILDI olarak işaretlenmiş! Değiştirmek "
                                              "istediğinizden emin misiniz?")))
            return;
        düzenlenenSatır() = static_cast<qint16>(satır + 1);
        İşDeğiştirmeyiAç(this, işModeli->satır(satır),
                         QStringLiteral("Yapılacak İşi Değiştirme (") + seçiliKlasörAdı() +
                             QStringLiteral(")"));
    });
}

void AnaForm::İşiSil() {
    const int satır = YapılacakİşlerListesi->seçiliSatır();
    if (satır < 0)
        return;
    if (!MesajKutusu::soru(QStringLiteral("Seçili işi SİLMEK istediğinizden emin misiniz?")))
        return;
    düzenlenenSatır() = static_cast<qint16>(satır + 1);
    // The row leaves the list only when the job has left the database; a job deleted or
    // changed meanwhile on another computer is not deleted, and the list shows the file again.
    const AdımSonucu sonuç = DenetimliAdım([&] {
        İşDenetimi::yaz(AçıkVeritabanı::al(), gösterilenSatır(satır),
                        Deyim::J6(static_cast<qint32>(işModeli->isNo(satır))));
    });
    if (sonuç == AdımSonucu::Reddedildi)
        Adım([this] { seçiliKlasörüTıkla(); });
    if (sonuç != AdımSonucu::Yapıldı)
        return;
    işModeli->satırSil(satır);
    if (işModeli->satırSayısı() > 0) {
        işSatırıSeç(satır > 0 ? satır : 1);
        YapılacakİşlerListesi->setFocus();
    } else {
        YapılacakİşlerListesi->selectionModel()->clear();
    }
}

İşSatırı AnaForm::gösterilenSatır(int i) const {
    İşSatırı s = işModeli->satır(i);
    if (s.anahtar.isEmpty())
        s.anahtar = seçiliKlasörAnahtarı();
    return s;
}
