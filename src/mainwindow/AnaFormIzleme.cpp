// Following the other computers of the office: the main window looks every few seconds
// whether the database has changed since its lists were read, and when it has, it brings the
// folder tree and the job list up to date in place, as the user left them.
#include "mainwindow/AnaForm.h"

#include "controls/HataBildirici.h"
#include "controls/Modal.h"
#include "database/AnahtarSayaci.h"
#include "database/Deyimler.h"
#include "database/Klasorler.h"
#include "database/Veritabani.h"
#include "lists/IsListesiModeli.h"
#include "lists/ListeIzleyici.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QApplication>
#include <QCheckBox>
#include <QHash>
#include <QSet>
#include <QTimer>
#include <vector>

namespace {
// A look costs a few microseconds on a local file and a few small requests on a shared one;
// every three seconds another computer's change shows almost at once.
constexpr int DenetimAralığı = Listeİzleyicisi::Aralık;
} // namespace

void AnaForm::izlemeyiBaşlat() {
    if (!değişiklikDenetimi_) {
        değişiklikDenetimi_ = new QTimer(this);
        QObject::connect(değişiklikDenetimi_, &QTimer::timeout, this,
                         [this] { değişiklikleriDenetle(); });
    }
    değişiklikDenetimi_->start(DenetimAralığı);
}

void AnaForm::listelerOkunuyor() {
    görülenDamga_ = 0;
    Sessizce([this] {
        if (AçıkVeritabanı::açıkMı())
            görülenDamga_ = AçıkVeritabanı::al().değişiklikDamgası();
    });
}

bool AnaForm::kullanıcıMeşgul() const {
    return Modal::açıkPencereVar() || QApplication::activePopupWidget() ||
           YapılacakİşlerListesi->sürükleniyor() || KlasörListesi->damlaVurgusu() ||
           KlasörListesi->düzenleniyor();
}

void AnaForm::değişiklikleriDenetle() {
    yenilemeBekliyor_ = false;
    if (!AçıkVeritabanı::açıkMı() || KlasörListesi->topLevelItemCount() == 0)
        return;
    // A failed look (the file is being written, the share is away) is simply tried again at
    // the next one; the user meets a real fault at the next own action.
    quint64 damga = görülenDamga_;
    Sessizce([&] { damga = AçıkVeritabanı::al().değişiklikDamgası(); });
    if (damga == görülenDamga_)
        return;
    if (kullanıcıMeşgul()) {
        yenilemeBekliyor_ = true;
        return;
    }
    // Kept from before the reading, so that a change made meanwhile is found next time.
    görülenDamga_ = damga;
    Sessizce([this] { klasörleriEşitle(); });
    Sessizce([this] { işListesiniYenile(); });
}

void AnaForm::meşguliyetBitti() {
    if (yenilemeBekliyor_)
        QTimer::singleShot(0, this, [this] { değişiklikleriDenetle(); });
}

// The tree takes the folders as they are stored: deleted ones leave it, renamed ones show
// their new name, new ones join their parent. Nodes that stay keep their expansion, and the
// selection and the scroll position stay where they were.
void AnaForm::klasörleriEşitle() {
    struct Klasör {
        QString anahtar, bağ, ad;
    };
    std::vector<Klasör> klasörler;
    auto kayıtlar = AçıkVeritabanı::al().OpenRecordset(Deyim::F1(), Veritabanı::Okuma::Tamamı);
    const int anahtarNo = kayıtlar->alanNo(QStringLiteral("Anahtari"));
    const int bağNo = kayıtlar->alanNo(QStringLiteral("Bagi"));
    const int adNo = kayıtlar->alanNo(QStringLiteral("Adi"));
    for (; !kayıtlar->Eof(); kayıtlar->MoveNext())
        klasörler.push_back({kayıtlar->alan(anahtarNo).toString(), kayıtlar->alan(bağNo).toString(),
                             kayıtlar->alan(adNo).toString()});
    kayıtlar->Close();

    QSet<QString> saklanan;
    for (const Klasör& k : klasörler)
        saklanan.insert(k.anahtar);
    QHash<QString, QTreeWidgetItem*> düğümler;
    for (QTreeWidgetItem* d : KlasörListesi->tümDüğümler())
        düğümler.insert(KlasörAğacı::anahtar(d), d);
    for (auto i = düğümler.begin(); i != düğümler.end(); ++i) {
        if (Klasörler::ayrılmışMı(i.key()) || saklanan.contains(i.key()))
            continue;
        // A sub-folder goes with its parent; it is no longer reachable by its key.
        QTreeWidgetItem* d = KlasörListesi->anahtarlıDüğüm(i.key());
        if (!d)
            continue;
        for (QTreeWidgetItem* a = sonEklenenDüğüm_; a; a = a->parent())
            if (a == d) {
                sonEklenenDüğüm_ = nullptr;
                break;
            }
        delete d;
    }
    düğümler.clear();
    for (QTreeWidgetItem* d : KlasörListesi->tümDüğümler())
        düğümler.insert(KlasörAğacı::anahtar(d), d);
    for (const Klasör& k : klasörler) {
        anahtarSayacı_->güncelle(k.anahtar);
        if (QTreeWidgetItem* d = düğümler.value(k.anahtar)) {
            if (d->text(0) != k.ad)
                d->setText(0, k.ad);
        } else if (QTreeWidgetItem* üst = düğümler.value(k.bağ)) {
            düğümler.insert(k.anahtar, düğümEkle(üst, k.anahtar, k.ad, 3));
        }
    }
    // When the selected folder was deleted elsewhere, the tree has chosen another node by its
    // own rule; the job list shows that one's jobs next.
}

// The job list read again for the same folder and filters, sorted as it was, with the same
// job selected and the same rows in view. A selected job that is gone leaves no selection.
void AnaForm::işListesiniYenile() {
    QTreeWidgetItem* düğüm = KlasörListesi->currentItem();
    if (!düğüm)
        return;
    if (Klasörler::ayrılmışMı(KlasörAğacı::anahtar(düğüm)) && !TümKlasörlerOnayı->isChecked()) {
        işModeli->temizle();
        return;
    }
    seçimiKoruyarakDoldur(YapılacakİşlerListesi, *işModeli,
                          [&] { KlasörListesi_NodeClick(düğüm); });
}
