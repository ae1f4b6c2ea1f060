#pragma once

#include "controls/IsSatiri.h"

#include "controls/AnaFormArayuzu.h"

#include <QIcon>
#include <QList>
#include <QMainWindow>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QShortcut;
class QSystemTrayIcon;
class QTimer;
class QToolBar;
class QTreeWidgetItem;
class AnahtarSayacı;
class HatırlatmaZamanlayıcısı;
class KlasörAğacı;
class İşListesiGörünümü;
class İşListesiModeli;

// The program's main window: the folder tree on the left, the job list on the right, the
// menus, the toolbar, the status bar, the notification-area icon and the reminder timer.
class AnaForm : public QMainWindow, public AnaFormArayüzü {
public:
    AnaForm();
    ~AnaForm() override;

    // The load step: screen check, images, columns, geometry, timer, visibility. The splash
    // window is shown or hidden with the main window and finally closed.
    void Form_Load(bool komutSatırıBoş, QWidget* karşılama);
    // Every time the window becomes active: the login-password caption and today's date.
    void Form_Activate();

    // AnaFormArayüzü
    QWidget* pencere() override { return this; }
    void KlasörleriYükle() override;
    void klasörAğacınıBoşalt() override;
    QString seçiliKlasörAnahtarı() const override;
    QString seçiliKlasörAdı() const override;
    void seçiliKlasörüTıkla() override;
    int işSatırSayısı() const override;
    void işSatırıSeç(int sıra) override;
    bool klasörüSeçipListele(const QString& anahtar) override;
    bool işiSeç(qint64 isNo) override;
    void durumYaz(int panel, const QString& metin) override;
    void BildirimAlanınaSimgeEkle() override;
    void BildirimAlanındanSimgeyiSil() override;
    void anaPencereyiGöster() override { GösterMenüsü_Click(); }
    void programıKapat() override;

    // ---- Folder tree
    void KlasörListesi_NodeClick(QTreeWidgetItem* düğüm);
    void KlasörListesi_Collapse(QTreeWidgetItem* düğüm);
    void KlasörListesi_Expand(QTreeWidgetItem* düğüm);
    void KlasörListesi_MouseUp(const QPoint& konum);
    // After an in-place edit of a node's label; true when the node takes the new text.
    bool KlasörListesi_AfterLabelEdit(QTreeWidgetItem* düğüm, const QString& yeniAd);
    void YeniKlasörEkle();
    void KlasörAdıDeğiştir();
    void KlasörSil();
    void TümKlasörleriGöster();
    void TümKlasörleriGizle();
    void KlasörListesiniYenile();

    // ---- Job list
    // False when the list could not be read whole (the error has been reported).
    bool İşleriListele(const QString& anahtar);
    void TümKlasörlerOnayı_Click();
    void SadeceBugünYapılacakİşleriListeleOnayı_Click();
    void YapılacakİşlerListesi_ItemClick(int satır);
    void YapılacakİşlerListesi_ColumnClick(int sütun);
    void YapılacakİşlerListesi_MouseUp(const QPoint& konum);
    // A drag of the selected job has ended; a drop onto a folder of the tree moves it.
    void YapılacakİşlerListesi_OLECompleteDrag();
    void YeniİşEkle();
    void DeğişiklikYap();
    void İşiSil();
    void YapılacakİşleriListele();

    // ---- Frame
    void GösterMenüsü_Click();
    // A mouse message of the notification-area icon: 515 double click, 516 right button.
    void SimgeKutusu_MouseMove(int mesaj);
    // The layout rule of a size change; W and H the outer size in twips.
    void yerleşimiUygula();
    // True when a screen of this height (pixels) is large enough for the program.
    static bool ekranYeterli(int yükseklikPiksel);
    bool bildirimSimgesiVar() const { return bildirimSimgesiVar_; }
    // Whether the preferences window is on screen; it is not part of this window.
    bool tercihlerGörünür() const;

    // ---- Following the other computers
    // The periodic look starts with the load step.
    void izlemeyiBaşlat();
    // Asks the database whether anything changed since the lists were read; if so, brings the
    // tree and the job list up to date, or, while the user is busy in a modal window, a menu,
    // a drag or a folder name, right after that ends.
    void değişiklikleriDenetle();

    // ---- Controls
    KlasörAğacı* KlasörListesi = nullptr;
    İşListesiGörünümü* YapılacakİşlerListesi = nullptr;
    İşListesiModeli* işModeli = nullptr;
    QLabel* Etiket[3] = {};
    QCheckBox* TümKlasörlerOnayı = nullptr;
    QCheckBox* SadeceBugünYapılacakİşleriListeleOnayı = nullptr;
    QToolBar* DüğmeÇubuğu = nullptr;
    // Toolbar positions 1 to 12 (index 0 unused); positions 1, 3, 7, 9, 11 hold no command.
    QAction* Düğme[13] = {};
    // Status bar panels 1 to 5 (index 0 unused).
    QLabel* Panel[6] = {};
    std::unique_ptr<HatırlatmaZamanlayıcısı> YapılacakİşKontrolü;

    QList<QIcon> DüğmeÇubuğuSimgeleri;
    QList<QIcon> KlasörListesiSimgeleri;
    QList<QIcon> YapılacakİşlerListesiSimgeleri;
    QList<QIcon> ListeSütunuSimgeleri;

    // ---- Menus
    QMenu* ProgramMenüsü = nullptr;
    QAction* GirişŞifresiBelirleDeğiştirMenüsü = nullptr;
    QAction* TercihlerMenüsü1 = nullptr;
    QAction* SüreHesaplamaMenüsü = nullptr;
    QAction* SunucuDeğiştirMenüsü = nullptr;
    QAction* ÇıkışMenüsü1 = nullptr;

    QMenu* YapılacakİşlerMenüsü = nullptr;
    QAction* YeniKlasörEkleMenüsü1 = nullptr;
    QAction* YeniİşEkleMenüsü1 = nullptr;
    QAction* DeğişiklikYapMenüsü1 = nullptr;
    QAction* İşiSilMenüsü1 = nullptr;
    QAction* BulMenüsü = nullptr;
    QAction* YapılacakİşleriListeleMenüsü = nullptr;

    QMenu* YardımMenüsü = nullptr;
    QAction* İçindekilerMenüsü = nullptr;
    QAction* DizinMenüsü = nullptr;
    QAction* HataBildirmeMenüsü = nullptr;
    QAction* HakkındaMenüsü = nullptr;

    QMenu* KlasörMenüsü = nullptr;
    QAction* YeniKlasörEkleMenüsü2 = nullptr;
    QAction* KlasörMenüsüÇizgisi1 = nullptr;
    QAction* KlasörAdıDeğiştirMenüsü = nullptr;
    QAction* KlasörSilMenüsü = nullptr;
    QAction* KlasörMenüsüÇizgisi2 = nullptr;
    QAction* TümKlasörleriGösterMenüsü = nullptr;
    QAction* TümKlasörleriGizleMenüsü = nullptr;
    QAction* KlasörMenüsüÇizgisi3 = nullptr;
    QAction* KlasörListesiniYenileMenüsü = nullptr;

    QMenu* YapılacakİşListesiMenüsü = nullptr;
    QAction* YeniİşEkleMenüsü2 = nullptr;
    QAction* YapılacakİşListesiMenüÇizgisi = nullptr;
    QAction* DeğişiklikYapMenüsü2 = nullptr;
    QAction* İşiSilMenüsü2 = nullptr;
    QAction* DışaAktarMenüsü = nullptr;

    QMenu* BildirimAlanıMenüsü = nullptr;
    QAction* GösterMenüsü = nullptr;
    QAction* TercihlerMenüsü2 = nullptr;
    QAction* ÇıkışMenüsü2 = nullptr;

protected:
    void closeEvent(QCloseEvent* olay) override;
    void changeEvent(QEvent* olay) override;
    void resizeEvent(QResizeEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void tümKlasörleriAçKapa(bool açık);
    void açılıpKapandı(QTreeWidgetItem* düğüm, int resimSırası);
    void kökünüAçKapa(QTreeWidgetItem* düğüm, bool açık);
    void denetimleriOluştur();
    void menüleriOluştur();
    void düğmeÇubuğunuOluştur();
    void durumÇubuğunuOluştur();
    void olaylarıBağla();
    void resimListeleriniDoldur();
    void sütunlarıOluştur();
    void konumuYükle();
    // Sizes the inner window so that the outer one, frame included, has the stored size.
    void dışBoyutuTamamla();
    void dikeyYerleşim();
    void saatiGöster();
    void klavyeGöstergeleri();
    QTreeWidgetItem* düğümEkle(QTreeWidgetItem* üst, const QString& anahtar, const QString& metin,
                               int resim);
    void yeniDüğümSeç(QTreeWidgetItem* düğüm);
    void İşleriListeleAdımlar(const QString& anahtar);
    void aramaPenceresiniAç();
    void listeyiYazdır();
    // Writes the jobs of the job list, in their order, to an iCalendar file.
    void takvimeAktar();
    void tercihleriAç(bool sahipli);
    void kapalıTut();
    void düğümdenİşListele(QTreeWidgetItem* düğüm, bool durumYazılsın);
    // After a change refused because of another computer: the tree and the job list brought
    // up to date with the file in place, as the other computers' changes are.
    void ağacıYenile();
    // Row i of the job list as it shows it, with the folder key it was listed from.
    İşSatırı gösterilenSatır(int i) const;
    // The database's change mark taken before the tree is read from it.
    void listelerOkunuyor();
    bool kullanıcıMeşgul() const;
    // A window or a drag has ended: a refresh held back for it comes now.
    void meşguliyetBitti();
    void klasörleriEşitle();
    void işListesiniYenile();

    std::unique_ptr<AnahtarSayacı> anahtarSayacı_;
    QTreeWidgetItem* sonEklenenDüğüm_ = nullptr;
    qint16 döngüSayacı_ = 0;
    QSystemTrayIcon* bildirimSimgesi_ = nullptr;
    bool bildirimSimgesiVar_ = false;
    QTimer* saat_ = nullptr;
    QShortcut* f3_ = nullptr;
    QShortcut* f5_ = nullptr;
    bool programKapatıyor_ = false;
    // While set, the tree's expand and collapse events do not refill the job list: the
    // caller refills it once itself.
    bool açılışOlaylarıSessiz_ = false;
    // The outer size the window is to have while its frame is not yet known (width or
    // height 0: not asked for).
    QSize istenenDışBoyut_{0, 0};
    bool capsLock_ = false;
    bool insert_ = false;
    QTimer* değişiklikDenetimi_ = nullptr;
    quint64 görülenDamga_ = 0;
    bool yenilemeBekliyor_ = false;
};
