#include "mainwindow/AnaForm.h"

#include "about/HakkindaFormu.h"
#include "about/HataBildirmeFormu.h"
#include "controls/HataBildirici.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "controls/TarihBicimi.h"
#include "controls/Twip.h"
#include "database/AnahtarSayaci.h"
#include "database/SunucuDegistirFormu.h"
#include "deadline/SureHesaplamaFormu.h"
#include "lists/IsListesiModeli.h"
#include "lists/ListeYazdirici.h"
#include "lists/TakvimeAktar.h"
#include "lists/YapilacakIslerListesiFormu.h"
#include "mainwindow/AnaFormDenetimleri.h"
#include "mainwindow/KlavyeDurumu.h"
#include "reminders/Hatirlatici.h"
#include "search/AramaIslemleriFormu.h"
#include "settings/AyarTablosu.h"
#include "settings/GirisSifresiBelirleDegistirFormu.h"
#include "settings/ProgramDegerleri.h"
#include "settings/SutunDuzeni.h"
#include "settings/Tercihler.h"
#include "settings/TercihlerFormu.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>
#include <type_traits>

namespace {

// The dynamic property that marks a menu entry or button whose handler is connected.
const char* const İşleyiciVar = "isleyiciVar";

// Design sizes and positions in twips.
constexpr int AğaçSolu = 240;
constexpr int ListeSolu = 3540;
constexpr int AğaçGenişliği = 3045;
constexpr int OnayGenişliği = 3045;
constexpr int OnayYüksekliği = 255;
constexpr int EtiketYüksekliği = 195;
constexpr int İstemciGenişliği = 9480;
constexpr int İstemciYüksekliği = 6060;
constexpr int PanelGenişliği = 3000;
constexpr int GöstergeGenişliği = 1440;

// The job list's columns with their default widths.
constexpr int SütunGenişlikleri[İşListesiModeli::SütunSayısı] = {1200, 1200, 1500, 2500,
                                                                 1000, 3000, 0};

} // namespace

AnaForm::AnaForm() {
    setObjectName(QStringLiteral("AnaForm"));
    tasarımYazısıKullan(this);
    anahtarSayacı_ = std::make_unique<AnahtarSayacı>();
    denetimleriOluştur();
    menüleriOluştur();
    düğmeÇubuğunuOluştur();
    durumÇubuğunuOluştur();
    olaylarıBağla();
    YapılacakİşKontrolü = std::make_unique<HatırlatmaZamanlayıcısı>(*this);
    anaFormuAyarla(this);
}

AnaForm::~AnaForm() {
    qApp->removeEventFilter(this);
    // The controls go after this window has stopped being one: nothing they do while they
    // are taken down (an open label editor handing in its text, a collapse) may reach it.
    KlasörListesi->adDeğişti = nullptr;
    KlasörListesi->düğümTıklandı = nullptr;
    KlasörListesi->sağTuşBırakıldı = nullptr;
    YapılacakİşlerListesi->sağTuşBırakıldı = nullptr;
    YapılacakİşlerListesi->sürüklemeBitti = nullptr;
    const auto nesneler = findChildren<QObject*>();
    for (QObject* nesne : nesneler)
        QObject::disconnect(nesne, nullptr, this, nullptr);
    BildirimAlanındanSimgeyiSil();
    if (anaForm() == this)
        anaFormuAyarla(nullptr);
}

// ---------------------------------------------------------------- building the window

void AnaForm::denetimleriOluştur() {
    auto* istemci = new İstemciAlanı(this);
    setCentralWidget(istemci);
    resize(twipten(İstemciGenişliği), twipten(İstemciYüksekliği));

    KlasörListesi = new KlasörAğacı(istemci);
    KlasörListesi->setObjectName(QStringLiteral("KlasörListesi"));
    KlasörListesi->setGeometry(twipAlanı(AğaçSolu, 420, AğaçGenişliği, 3000));

    işModeli = new İşListesiModeli(this);
    YapılacakİşlerListesi = new İşListesiGörünümü(istemci);
    YapılacakİşlerListesi->setObjectName(QStringLiteral("YapılacakİşlerListesi"));
    YapılacakİşlerListesi->setHeader(new SıralamaBaşlığı(YapılacakİşlerListesi));
    YapılacakİşlerListesi->setModel(işModeli);
    // The view makes its header clickable only with its own sorting; the header click here
    // sorts through the model.
    YapılacakİşlerListesi->header()->setSectionsClickable(true);
    YapılacakİşlerListesi->setGeometry(twipAlanı(ListeSolu, 420, 5500, 3000));

    const char* etiketler[3] = {"&Klasörler", "&Yapılacak İşler", ""};
    for (int i = 0; i < 3; ++i) {
        Etiket[i] = new QLabel(QString::fromUtf8(etiketler[i]), istemci);
        Etiket[i]->setObjectName(QStringLiteral("Etiket%1").arg(i));
    }
    Etiket[0]->setGeometry(twipAlanı(AğaçSolu, 170, 600, EtiketYüksekliği));
    Etiket[1]->setGeometry(twipAlanı(ListeSolu, 170, 1035, EtiketYüksekliği));
    Etiket[0]->setBuddy(KlasörListesi);
    Etiket[1]->setBuddy(YapılacakİşlerListesi);
    // A screen reader names a list or tree only by its own name, not by its label.
    KlasörListesi->setAccessibleName(QStringLiteral("Klasörler"));
    YapılacakİşlerListesi->setAccessibleName(QStringLiteral("Yapılacak İşler"));
    for (QLabel* e : {Etiket[0], Etiket[1]})
        e->resize(qMax(e->width(), e->sizeHint().width()),
                  qMax(e->height(), e->sizeHint().height()));
    Etiket[2]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    TümKlasörlerOnayı =
        new QCheckBox(QStringLiteral("&Tüm klasörlerdeki tüm işleri göster "), istemci);
    TümKlasörlerOnayı->setObjectName(QStringLiteral("TümKlasörlerOnayı"));
    SadeceBugünYapılacakİşleriListeleOnayı =
        new QCheckBox(QStringLiteral("Sadece bugün yapılacak işleri göster"), istemci);
    SadeceBugünYapılacakİşleriListeleOnayı->setObjectName(
        QStringLiteral("SadeceBugünYapılacakİşleriListeleOnayı"));
    for (QCheckBox* onay : {TümKlasörlerOnayı, SadeceBugünYapılacakİşleriListeleOnayı})
        onay->resize(qMax(twipten(OnayGenişliği), onay->sizeHint().width()),
                     qMax(twipten(OnayYüksekliği), onay->sizeHint().height()));
    TümKlasörlerOnayı->move(twipten(AğaçSolu), twipten(4900));
    SadeceBugünYapılacakİşleriListeleOnayı->move(twipten(ListeSolu), twipten(4900));
}

void AnaForm::menüleriOluştur() {
    auto eylem = [this](QMenu* menü, const char* başlık, const char* ad) {
        QAction* a = menü->addAction(QString::fromUtf8(başlık));
        a->setObjectName(QString::fromUtf8(ad));
        return a;
    };
    auto çizgi = [](QMenu* menü, const char* ad) {
        QAction* a = menü->addSeparator();
        a->setObjectName(QString::fromUtf8(ad));
        return a;
    };

    ProgramMenüsü = menuBar()->addMenu(QStringLiteral("&Program"));
    GirişŞifresiBelirleDeğiştirMenüsü =
        eylem(ProgramMenüsü, "Giriş Şifresi Belirle...", "GirişŞifresiBelirleDeğiştirMenüsü");
    TercihlerMenüsü1 = eylem(ProgramMenüsü, "&Tercihler...", "TercihlerMenüsü1");
    SüreHesaplamaMenüsü = eylem(ProgramMenüsü, "Süre &Hesaplama...", "SüreHesaplamaMenüsü");
    çizgi(ProgramMenüsü, "ProgramMenüsüÇizgisi1");
    SunucuDeğiştirMenüsü = eylem(ProgramMenüsü, "Sunucu Değiştir...", "SunucuDeğiştirMenüsü");
    çizgi(ProgramMenüsü, "ProgramMenüsüÇizgisi2");
    ÇıkışMenüsü1 = eylem(ProgramMenüsü, "Çıkış", "ÇıkışMenüsü1");

    YapılacakİşlerMenüsü = menuBar()->addMenu(QStringLiteral("Y&apılacak İşler"));
    YeniKlasörEkleMenüsü1 =
        eylem(YapılacakİşlerMenüsü, "Yeni &Klasör Ekle", "YeniKlasörEkleMenüsü1");
    çizgi(YapılacakİşlerMenüsü, "YapılacakİşlerMenüsüÇizgisi1");
    YeniİşEkleMenüsü1 = eylem(YapılacakİşlerMenüsü, "&Yeni İş Ekle...", "YeniİşEkleMenüsü1");
    DeğişiklikYapMenüsü1 =
        eylem(YapılacakİşlerMenüsü, "&Değişiklik Yap...", "DeğişiklikYapMenüsü1");
    İşiSilMenüsü1 = eylem(YapılacakİşlerMenüsü, "İşi &Sil", "İşiSilMenüsü1");
    çizgi(YapılacakİşlerMenüsü, "YapılacakİşlerMenüsüÇizgisi2");
    BulMenüsü = eylem(YapılacakİşlerMenüsü, "Bul...", "BulMenüsü");
    çizgi(YapılacakİşlerMenüsü, "YapılacakİşlerMenüsüÇizgisi3");
    YapılacakİşleriListeleMenüsü =
        eylem(YapılacakİşlerMenüsü, "Yapılacak İşleri Listele", "YapılacakİşleriListeleMenüsü");

    YardımMenüsü = menuBar()->addMenu(QStringLiteral("&Yardım"));
    İçindekilerMenüsü = eylem(YardımMenüsü, "İç&indekiler", "İçindekilerMenüsü");
    DizinMenüsü = eylem(YardımMenüsü, "Dizin...", "DizinMenüsü");
    çizgi(YardımMenüsü, "YardımMenüsüÇizgisi1");
    HataBildirmeMenüsü = eylem(YardımMenüsü, "&Hata Bildirme...", "HataBildirmeMenüsü");
    HakkındaMenüsü = eylem(YardımMenüsü, "Hakkında", "HakkındaMenüsü");

    // The three pop-up menus are never part of the menu bar.
    KlasörMenüsü = new QMenu(QStringLiteral("Klasör Menüsü"), this);
    KlasörMenüsü->setObjectName(QStringLiteral("KlasörMenüsü"));
    YeniKlasörEkleMenüsü2 = eylem(KlasörMenüsü, "&Yeni Klasör Ekle...", "YeniKlasörEkleMenüsü2");
    KlasörMenüsüÇizgisi1 = çizgi(KlasörMenüsü, "KlasörMenüsüÇizgisi1");
    KlasörAdıDeğiştirMenüsü =
        eylem(KlasörMenüsü, "Klasör Adı &Değiştir...", "KlasörAdıDeğiştirMenüsü");
    KlasörSilMenüsü = eylem(KlasörMenüsü, "Klasörü &Sil", "KlasörSilMenüsü");
    KlasörMenüsüÇizgisi2 = çizgi(KlasörMenüsü, "KlasörMenüsüÇizgisi2");
    TümKlasörleriGösterMenüsü =
        eylem(KlasörMenüsü, "Tüm Klasörleri &Göster", "TümKlasörleriGösterMenüsü");
    TümKlasörleriGizleMenüsü =
        eylem(KlasörMenüsü, "Tüm Klasörleri Gi&zle", "TümKlasörleriGizleMenüsü");
    KlasörMenüsüÇizgisi3 = çizgi(KlasörMenüsü, "KlasörMenüsüÇizgisi3");
    KlasörListesiniYenileMenüsü =
        eylem(KlasörMenüsü, "&Klasör Listesini Yenile", "KlasörListesiniYenileMenüsü");

    YapılacakİşListesiMenüsü = new QMenu(QStringLiteral("Yapılacak İş Listesi Menüsü"), this);
    YapılacakİşListesiMenüsü->setObjectName(QStringLiteral("YapılacakİşListesiMenüsü"));
    YeniİşEkleMenüsü2 = eylem(YapılacakİşListesiMenüsü, "Yeni İş &Ekle", "YeniİşEkleMenüsü2");
    YapılacakİşListesiMenüÇizgisi =
        çizgi(YapılacakİşListesiMenüsü, "YapılacakİşListesiMenüÇizgisi");
    DeğişiklikYapMenüsü2 =
        eylem(YapılacakİşListesiMenüsü, "&Değişiklik Yap...", "DeğişiklikYapMenüsü2");
    İşiSilMenüsü2 = eylem(YapılacakİşListesiMenüsü, "İşi &Sil", "İşiSilMenüsü2");
    çizgi(YapılacakİşListesiMenüsü, "YapılacakİşListesiMenüÇizgisi2");
    DışaAktarMenüsü =
        eylem(YapılacakİşListesiMenüsü, "Dışa &Aktar (iCalendar)...", "DışaAktarMenüsü");

    BildirimAlanıMenüsü = new QMenu(QStringLiteral("Bildirim Alanı Menüsü"), this);
    BildirimAlanıMenüsü->setObjectName(QStringLiteral("BildirimAlanıMenüsü"));
    GösterMenüsü = eylem(BildirimAlanıMenüsü, "Göster", "GösterMenüsü");
    çizgi(BildirimAlanıMenüsü, "BildirimAlanıMenüsüÇizgisi1");
    TercihlerMenüsü2 = eylem(BildirimAlanıMenüsü, "Tercihler...", "TercihlerMenüsü2");
    çizgi(BildirimAlanıMenüsü, "BildirimAlanıMenüsüÇizgisi2");
    ÇıkışMenüsü2 = eylem(BildirimAlanıMenüsü, "Çıkış", "ÇıkışMenüsü2");
}

void AnaForm::düğmeÇubuğunuOluştur() {
    // The bar's title is what a screen reader announces for it.
    DüğmeÇubuğu = addToolBar(QStringLiteral("Araç Çubuğu"));
    DüğmeÇubuğu->setObjectName(QStringLiteral("DüğmeÇubuğu"));
    DüğmeÇubuğu->setMovable(false);
    DüğmeÇubuğu->setFloatable(false);
    DüğmeÇubuğu->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    DüğmeÇubuğu->setIconSize(QSize(24, 24));
    DüğmeÇubuğu->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    struct Tanım {
        int konum;
        const char* başlık;
        const char* ipucu;
    };
    const Tanım düğmeler[] = {
        {2, "Klasör Ekle", "Yeni bir klasör oluşturma"},
        {4, "İş Ekle", "Yeni bir iş ekleme"},
        {5, "Değişiklik Yap", "İşi değiştirme"},
        {6, "İşi Sil", "İşi silme"},
        {8, "Bul", "İş bulma (F3)"},
        {10, "Listeler", "Yapılacak işleri listeleme/yazdırma"},
        {12, "Yazdır", "Yapılacak işleri yazdırma"},
    };
    int sıradaki = 0;
    for (int konum = 1; konum <= 12; ++konum) {
        if (sıradaki < int(std::size(düğmeler)) && düğmeler[sıradaki].konum == konum) {
            const Tanım& t = düğmeler[sıradaki++];
            Düğme[konum] = DüğmeÇubuğu->addAction(QString::fromUtf8(t.başlık));
            Düğme[konum]->setToolTip(QString::fromUtf8(t.ipucu));
            Düğme[konum]->setObjectName(QStringLiteral("Düğme%1").arg(konum));
        } else if (konum == 1) {
            // A narrow space at the start of the bar.
            auto* boşluk = new QWidget(DüğmeÇubuğu);
            boşluk->setFixedWidth(4);
            Düğme[konum] = DüğmeÇubuğu->addWidget(boşluk);
        } else {
            Düğme[konum] = DüğmeÇubuğu->addSeparator();
        }
    }
    // Printing has no menu entry: its key makes it reachable without the mouse.
    Düğme[12]->setShortcut(QKeySequence::Print);
    // The button that shows the commands a narrow window cannot fit carries only an arrow.
    if (auto* uzantı =
            DüğmeÇubuğu->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button"))) {
        uzantı->setAccessibleName(QStringLiteral("Diğer düğmeler"));
        uzantı->setToolTip(QStringLiteral("Sığmayan düğmeleri göster"));
    }
}

void AnaForm::durumÇubuğunuOluştur() {
    QStatusBar* çubuk = statusBar();
    çubuk->setObjectName(QStringLiteral("DurumÇubuğu"));
    çubuk->setSizeGripEnabled(true);
    çubuk->setFixedHeight(qMax(twipten(330), çubuk->sizeHint().height()));
    const int genişlikler[6] = {
        0, PanelGenişliği, PanelGenişliği, GöstergeGenişliği, GöstergeGenişliği, GöstergeGenişliği};
    for (int i = 1; i <= 5; ++i) {
        Panel[i] = new QLabel(çubuk);
        Panel[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        Panel[i]->setFrameShape(QFrame::Panel);
        Panel[i]->setFrameShadow(QFrame::Sunken);
        Panel[i]->setMinimumWidth(twipten(genişlikler[i]));
        if (i >= 3)
            Panel[i]->setAlignment(Qt::AlignCenter);
        çubuk->addPermanentWidget(Panel[i], i == 2 ? 1 : 0);
    }
    Panel[4]->setText(QStringLiteral("CAPS"));
    Panel[5]->setText(QStringLiteral("INS"));
    saat_ = new QTimer(this);
    saat_->setInterval(1000);
    QObject::connect(saat_, &QTimer::timeout, this, [this] {
        saatiGöster();
        klavyeGöstergeleri();
    });
    saatiGöster();
    klavyeGöstergeleri();
    saat_->start();
}

void AnaForm::saatiGöster() {
    Panel[3]->setText(QLocale().toString(ProgramSaati::şuAn(), QLocale::ShortFormat));
}

void AnaForm::klavyeGöstergeleri() {
    if (const auto açık = capsLockAçıkMı())
        capsLock_ = *açık;
    Panel[4]->setEnabled(capsLock_);
    Panel[5]->setEnabled(insert_);
}

void AnaForm::olaylarıBağla() {
    // Every menu entry and toolbar button is connected here; one without a handler (its
    // window is not in the program yet) is disabled for good by kapalıTut below, so that
    // nothing clickable does nothing. Connecting a handler is all it takes to enable it.
    auto bağla = [this](QAction* a, auto iş) {
        a->setProperty(İşleyiciVar, true);
        QObject::connect(a, &QAction::triggered, this, [this, iş] {
            if constexpr (std::is_member_function_pointer_v<decltype(iş)>)
                (this->*iş)();
            else
                iş();
        });
    };
    // Menu bar.
    bağla(GirişŞifresiBelirleDeğiştirMenüsü,
          [this] { Adım([this] { GirişŞifresiBelirleDeğiştir(this); }); });
    bağla(TercihlerMenüsü1, [this] { tercihleriAç(true); });
    bağla(SunucuDeğiştirMenüsü, [this] { Adım([this] { SunucuDeğiştir(this); }); });
    bağla(SüreHesaplamaMenüsü, [this] { Adım([this] { SüreHesapla(this); }); });
    bağla(ÇıkışMenüsü1, &AnaForm::programıKapat);
    bağla(YeniKlasörEkleMenüsü1, &AnaForm::YeniKlasörEkle);
    bağla(YeniİşEkleMenüsü1, &AnaForm::YeniİşEkle);
    bağla(DeğişiklikYapMenüsü1, &AnaForm::DeğişiklikYap);
    bağla(İşiSilMenüsü1, &AnaForm::İşiSil);
    bağla(BulMenüsü, &AnaForm::aramaPenceresiniAç);
    bağla(YapılacakİşleriListeleMenüsü, &AnaForm::YapılacakİşleriListele);
    bağla(HataBildirmeMenüsü, [this] { Adım([this] { HataBildirmeFormunuAç(this); }); });
    bağla(HakkındaMenüsü, [this] { Adım([this] { HakkındaFormunuAç(this); }); });
    // Pop-up menus.
    bağla(YeniKlasörEkleMenüsü2, &AnaForm::YeniKlasörEkle);
    bağla(KlasörAdıDeğiştirMenüsü, &AnaForm::KlasörAdıDeğiştir);
    bağla(KlasörSilMenüsü, &AnaForm::KlasörSil);
    bağla(TümKlasörleriGösterMenüsü, &AnaForm::TümKlasörleriGöster);
    bağla(TümKlasörleriGizleMenüsü, &AnaForm::TümKlasörleriGizle);
    bağla(KlasörListesiniYenileMenüsü, &AnaForm::KlasörListesiniYenile);
    bağla(YeniİşEkleMenüsü2, &AnaForm::YeniİşEkle);
    bağla(DeğişiklikYapMenüsü2, &AnaForm::DeğişiklikYap);
    bağla(İşiSilMenüsü2, &AnaForm::İşiSil);
    bağla(DışaAktarMenüsü, &AnaForm::takvimeAktar);
    bağla(GösterMenüsü, &AnaForm::GösterMenüsü_Click);
    bağla(ÇıkışMenüsü2, &AnaForm::programıKapat);
    // Toolbar.
    bağla(Düğme[2], &AnaForm::YeniKlasörEkle);
    bağla(Düğme[4], &AnaForm::YeniİşEkle);
    bağla(Düğme[5], &AnaForm::DeğişiklikYap);
    bağla(Düğme[6], &AnaForm::İşiSil);
    bağla(Düğme[8], &AnaForm::aramaPenceresiniAç);
    bağla(Düğme[10], &AnaForm::YapılacakİşleriListele);
    bağla(Düğme[12], &AnaForm::listeyiYazdır);
    bağla(TercihlerMenüsü2, [this] { tercihleriAç(!isMinimized()); });
    kapalıTut();

    // Folder tree.
    QObject::connect(
        KlasörListesi, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* düğüm, int) { Sessizce([&] { KlasörListesi_NodeClick(düğüm); }); });
    KlasörListesi->düğümTıklandı = [this] {
        Sessizce([&] { KlasörListesi_NodeClick(KlasörListesi->currentItem()); });
    };
    QObject::connect(KlasörListesi, &QTreeWidget::itemExpanded, this,
                     [this](QTreeWidgetItem* d) { KlasörListesi_Expand(d); });
    QObject::connect(KlasörListesi, &QTreeWidget::itemCollapsed, this,
                     [this](QTreeWidgetItem* d) { KlasörListesi_Collapse(d); });
    KlasörListesi->sağTuşBırakıldı = [this](const QPoint& p) { KlasörListesi_MouseUp(p); };
    KlasörListesi->adDeğişti = [this](QTreeWidgetItem* d, const QString& ad) {
        return KlasörListesi_AfterLabelEdit(d, ad);
    };

    // Job list.
    QObject::connect(YapılacakİşlerListesi, &QAbstractItemView::clicked, this,
                     [this](const QModelIndex& d) { YapılacakİşlerListesi_ItemClick(d.row()); });
    QObject::connect(YapılacakİşlerListesi, &QAbstractItemView::doubleClicked, this,
                     [this](const QModelIndex&) { DeğişiklikYap(); });
    QObject::connect(YapılacakİşlerListesi->header(), &QHeaderView::sectionClicked, this,
                     [this](int sütun) { YapılacakİşlerListesi_ColumnClick(sütun); });
    YapılacakİşlerListesi->sağTuşBırakıldı = [this](const QPoint& p) {
        YapılacakİşlerListesi_MouseUp(p);
    };
    YapılacakİşlerListesi->sürüklemeBitti = [this](Qt::DropAction) {
        YapılacakİşlerListesi_OLECompleteDrag();
        meşguliyetBitti();
    };
    // The boxes react to their state, so that a key press or a screen reader's toggle does
    // what a click does.
    QObject::connect(TümKlasörlerOnayı, &QCheckBox::toggled, this,
                     [this] { TümKlasörlerOnayı_Click(); });
    QObject::connect(SadeceBugünYapılacakİşleriListeleOnayı, &QCheckBox::toggled, this,
                     [this] { SadeceBugünYapılacakİşleriListeleOnayı_Click(); });

    // F3 and F5 are the window's own keys, whichever control has the focus; they work once
    // the load step has switched them on.
    f3_ = new QShortcut(QKeySequence(Qt::Key_F3), this);
    f5_ = new QShortcut(QKeySequence(Qt::Key_F5), this);
    for (QShortcut* kısayol : {f3_, f5_}) {
        kısayol->setContext(Qt::WindowShortcut);
        kısayol->setEnabled(false);
    }
    QObject::connect(f3_, &QShortcut::activated, this, [this] {
        if (BulMenüsü->isEnabled())
            aramaPenceresiniAç();
    });
    QObject::connect(f5_, &QShortcut::activated, this, [this] { KlasörListesiniYenile(); });
    qApp->installEventFilter(this);

    // The session ending closes the window by program action.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, this,
                     [this] { programKapatıyor_ = true; });
}

void AnaForm::resimListeleriniDoldur() {
    auto doldur = [](QList<QIcon>& liste, std::initializer_list<const char*> adlar) {
        liste.clear();
        for (const char* ad : adlar)
            liste.append(Kaynaklar::simge(QString::fromLatin1(ad)));
    };
    doldur(DüğmeÇubuğuSimgeleri,
           {"KLASOR_EKLE", "IS_EKLE", "IS_DEGISTIR", "IS_SIL", "LISTE", "YAZDIR", "IS_BUL"});
    doldur(KlasörListesiSimgeleri, {"HAKKINDA", "KLASOR", "KLASOR_KAPALI", "KLASOR_ACIK"});
    doldur(YapılacakİşlerListesiSimgeleri, {"HATIRLAT", "HATIRLATMA", "YAPILDI"});
    doldur(ListeSütunuSimgeleri, {"SIRALA_ARTAN", "SIRALA_AZALAN"});
    const std::pair<int, int> düğmeResimleri[] = {{2, 0}, {4, 1},  {5, 2}, {6, 3},
                                                  {8, 6}, {10, 4}, {12, 5}};
    for (const auto& [konum, resim] : düğmeResimleri)
        Düğme[konum]->setIcon(DüğmeÇubuğuSimgeleri[resim]);
}

void AnaForm::sütunlarıOluştur() {
    QHeaderView* başlık = YapılacakİşlerListesi->header();
    başlık->setStretchLastSection(false);
    başlık->setMinimumSectionSize(0);
    başlık->setSectionsMovable(true);
    başlık->setFirstSectionMovable(true);
    // The date column's design width was measured for a narrower face than the desktop's: a
    // whole date with its icon must fit, or every date of the list ends in dots.
    for (int i = 0; i < İşListesiModeli::SütunSayısı; ++i)
        SütunDüzeni::genişlikVer(başlık, i, SütunGenişlikleri[i],
                                 i == 0 ? SütunDüzeni::tarihGenişliği(YapılacakİşlerListesi) : 0);
    SütunDüzeni::uygula(başlık, Bölüm::Liste1);
}

// ---------------------------------------------------------------- load, activation, resize

bool AnaForm::ekranYeterli(int yükseklikPiksel) {
    // Only the height counts, always at 15 twips a pixel.
    return pikselden(yükseklikPiksel) / TwipPerPiksel >= 600;
}

void AnaForm::Form_Load(bool komutSatırıBoş, QWidget* karşılama) {
    QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect ekranAlanı = ekran ? ekran->geometry() : QRect(0, 0, 800, 600);
    if (!ekranYeterli(ekranAlanı.height())) {
        MesajKutusu::ünlem(QStringLiteral("Bu programın çalışması için ekran çözünürlüğünüzün en "
                                          "az\r\n800 x 600 piksel olması gerekiyor!"));
        ProgramSonu::hemenSonlandır();
        return;
    }
    Adımlar({
        [this] { setWindowTitle(program().uygulamaBaşlığı); },
        [this] {
            resimListeleriniDoldur();
            setWindowIcon(Kaynaklar::simge(QStringLiteral("PROGRAM")));
        },
        [this] { sütunlarıOluştur(); },
        [this] {
            auto* başlık = static_cast<SıralamaBaşlığı*>(YapılacakİşlerListesi->header());
            başlık->simgeleriAyarla(ListeSütunuSimgeleri[0], ListeSütunuSimgeleri[1]);
            Sıralama::durum().yön = 1;
            YapılacakİşlerListesi_ColumnClick(0);
        },
        [this] { konumuYükle(); },
        [] { QCoreApplication::processEvents(); },
        [this] { dikeyYerleşim(); },
        [this] {
            if (tercihler().arkaplandaÇalışsın == 1)
                BildirimAlanınaSimgeEkle();
        },
        [this] { YapılacakİşKontrolü->başlat(); },
        [this] { izlemeyiBaşlat(); },
        [this, komutSatırıBoş, karşılama] {
            if (komutSatırıBoş) {
                if (karşılama)
                    karşılama->show();
                QCoreApplication::processEvents();
                show();
            } else if (karşılama) {
                karşılama->hide();
            }
        },
        [this] {
            // The window sees F3 and F5 before its controls do.
            for (QShortcut* kısayol : {f3_, f5_})
                kısayol->setEnabled(true);
        },
        [karşılama] {
            if (karşılama)
                karşılama->close();
        },
    });
}

void AnaForm::konumuYükle() {
    QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect alan = ekran ? ekran->geometry() : QRect(0, 0, 800, 600);
    const int ekranY = pikselden(alan.height());
    const int ekranG = pikselden(alan.width());
    int konum = 1;
    Adım([&] { konum = ayarSayıOku(Ayar::BaşlamaKonumu, 1); });
    if (konum == 2) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    // The stored sizes and their defaults are those of the outer window, frame included; the
    // frame is known only once a window manager has put one round the shown window, so the
    // inner size follows it then (dışBoyutuTamamla).
    Adımlar({
        [&] {
            istenenDışBoyut_.setHeight(
                qMax(1, twipten(ayarSayıOku(Ayar::Yükseklik, ekranY - 400))));
            dışBoyutuTamamla();
        },
        [&] {
            istenenDışBoyut_.setWidth(qMax(1, twipten(ayarSayıOku(Ayar::Genişlik, ekranG))));
            dışBoyutuTamamla();
        },
        [&] {
            const int varsayılan =
                qRound((ekranY - pikselden(frameGeometry().height()) - 400) / 2.0);
            move(x(), twipten(ayarSayıOku(Ayar::ÜstBoşluk, varsayılan)));
        },
        [&] {
            const int varsayılan = qRound((ekranG - pikselden(frameGeometry().width())) / 2.0);
            move(twipten(ayarSayıOku(Ayar::SolBoşluk, varsayılan)), y());
        },
    });
}

void AnaForm::dışBoyutuTamamla() {
    if (istenenDışBoyut_.isNull() ||
        (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    const QSize dış = frameGeometry().size();
    const QSize çerçeve = dış - size();
    const int genişlik = istenenDışBoyut_.width() > 0 ? istenenDışBoyut_.width() : dış.width();
    const int yükseklik = istenenDışBoyut_.height() > 0 ? istenenDışBoyut_.height() : dış.height();
    const QSize iç(qMax(1, genişlik - çerçeve.width()), qMax(1, yükseklik - çerçeve.height()));
    if (iç != size())
        resize(iç);
    // Done once the frame is there; a window that is never framed keeps the outer size as
    // its inner one, which is what it measures on screen.
    if (!çerçeve.isNull() && istenenDışBoyut_.width() > 0 && istenenDışBoyut_.height() > 0)
        istenenDışBoyut_ = QSize(0, 0);
}

void AnaForm::dikeyYerleşim() {
    // Positions inside the client area, which starts right under the toolbar.
    Etiket[0]->move(Etiket[0]->x(), twipten(170));
    Etiket[1]->move(Etiket[1]->x(), twipten(170));
    KlasörListesi->move(KlasörListesi->x(), twipten(420));
    YapılacakİşlerListesi->move(YapılacakİşlerListesi->x(), twipten(420));
    yerleşimiUygula();
}

void AnaForm::Form_Activate() {
    Sessizce([this] {
        GirişŞifresiBelirleDeğiştirMenüsü->setText(
            tercihler().girişŞifresiSor ? QStringLiteral("Giriş Şifresi Değiştir...")
                                        : QStringLiteral("Giriş Şifresi Belirle..."));
        Etiket[2]->setText(TarihBiçimi::uzun(ProgramSaati::bugün()));
        Etiket[2]->resize(Etiket[2]->sizeHint().width(), twipten(EtiketYüksekliği));
        yerleşimiUygula();
    });
}

void AnaForm::yerleşimiUygula() {
    if (isMinimized() || !KlasörListesi)
        return;
    const QRect dış = frameGeometry();
    const int W = pikselden(dış.width());
    const int H = pikselden(dış.height());
    const int h = pikselden(DüğmeÇubuğu->isVisible() ? DüğmeÇubuğu->height()
                                                     : DüğmeÇubuğu->sizeHint().height());
    if (!(H > 2600 && W > 3975))
        return;
    const int ağaçYüksekliği = H - 2700 - pikselden(TümKlasörlerOnayı->height());
    KlasörListesi->resize(KlasörListesi->width(), qMax(0, twipten(ağaçYüksekliği)));
    YapılacakİşlerListesi->resize(qMax(0, twipten(W - 3975)), qMax(0, twipten(ağaçYüksekliği)));
    const int onayÜstü = twipten(H - 1600 - h);
    TümKlasörlerOnayı->move(TümKlasörlerOnayı->x(), onayÜstü);
    SadeceBugünYapılacakİşleriListeleOnayı->move(SadeceBugünYapılacakİşleriListeleOnayı->x(),
                                                 onayÜstü);
    Etiket[2]->move(twipten(W - (pikselden(Etiket[2]->width()) + 435)), Etiket[1]->y());
}

void AnaForm::resizeEvent(QResizeEvent* olay) {
    QMainWindow::resizeEvent(olay);
    if (!istenenDışBoyut_.isNull())
        Sessizce([this] { dışBoyutuTamamla(); });
    if (!isMinimized())
        Sessizce([this] { yerleşimiUygula(); });
}

void AnaForm::changeEvent(QEvent* olay) {
    QMainWindow::changeEvent(olay);
    if (olay->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

bool AnaForm::eventFilter(QObject* nesne, QEvent* olay) {
    if (nesne == this && (olay->type() == QEvent::Move || olay->type() == QEvent::Show) &&
        !istenenDışBoyut_.isNull())
        Sessizce([this] { dışBoyutuTamamla(); });
    // A modal window, a message box or a menu has gone.
    if (olay->type() == QEvent::Hide && nesne->isWidgetType() &&
        static_cast<QWidget*>(nesne)->isWindow())
        meşguliyetBitti();
    if (olay->type() == QEvent::KeyPress) {
        // A key passed on from a control to its parents is seen once, at the control that
        // had the focus.
        auto* tuş = static_cast<QKeyEvent*>(olay);
        QWidget* odak = QApplication::focusWidget();
        const bool ilkAlıcı = odak ? nesne == odak : nesne->isWidgetType();
        if (ilkAlıcı && !tuş->isAutoRepeat()) {
            if (tuş->key() == Qt::Key_Insert)
                insert_ = !insert_;
            if (tuş->key() == Qt::Key_CapsLock && !capsLockAçıkMı())
                capsLock_ = !capsLock_;
            if (tuş->key() == Qt::Key_Insert || tuş->key() == Qt::Key_CapsLock)
                klavyeGöstergeleri();
        }
    }
    return QMainWindow::eventFilter(nesne, olay);
}

// ---------------------------------------------------------------- closing, tray icon

void AnaForm::closeEvent(QCloseEvent* olay) {
    Adım([this] { SütunDüzeni::kaydet(YapılacakİşlerListesi->header(), Bölüm::Liste1); });
    if (!programKapatıyor_) {
        if (tercihler().arkaplandaÇalışsın == 1) {
            hide();
            BildirimAlanınaSimgeEkle();
            olay->ignore();
            return;
        }
        if (!MesajKutusu::soru(QStringLiteral("Programdan çıkmak istiyor musunuz?"))) {
            olay->ignore();
            return;
        }
    }
    const Qt::WindowStates durum = windowState();
    if (!(durum & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))) {
        Adımlar({
            [this] { ayarYaz(Ayar::Yükseklik, pikselden(frameGeometry().height())); },
            [this] { ayarYaz(Ayar::Genişlik, pikselden(frameGeometry().width())); },
            [this] { ayarYaz(Ayar::SolBoşluk, pikselden(x())); },
            [this] { ayarYaz(Ayar::ÜstBoşluk, pikselden(y())); },
        });
    }
    if (!(durum & Qt::WindowMinimized))
        Adım([durum] { ayarYaz(Ayar::BaşlamaKonumu, (durum & Qt::WindowMaximized) ? 2 : 0); });
    olay->accept();
    YapılacakİşKontrolü->zamanlayıcı().stop();
    BildirimAlanındanSimgeyiSil();
    const auto pencereler = QApplication::topLevelWidgets();
    for (QWidget* p : pencereler)
        if (p != this && p->isVisible() && !p->inherits("QMenu"))
            p->close();
    QCoreApplication::exit(0);
}

void AnaForm::programıKapat() {
    programKapatıyor_ = true;
    close();
    programKapatıyor_ = false;
}

void AnaForm::BildirimAlanınaSimgeEkle() {
    if (bildirimSimgesiVar_)
        return;
    bildirimSimgesiVar_ = true;
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    if (!bildirimSimgesi_) {
        bildirimSimgesi_ = new QSystemTrayIcon(this);
        QObject::connect(bildirimSimgesi_, &QSystemTrayIcon::activated, this,
                         [this](QSystemTrayIcon::ActivationReason neden) {
                             switch (neden) {
                             case QSystemTrayIcon::DoubleClick:
                                 SimgeKutusu_MouseMove(515);
                                 break;
                             case QSystemTrayIcon::Context:
                                 SimgeKutusu_MouseMove(516);
                                 break;
                             default:
                                 break;
                             }
                         });
    }
    bildirimSimgesi_->setIcon(windowIcon().isNull() ? Kaynaklar::simge(QStringLiteral("PROGRAM"))
                                                    : windowIcon());
    bildirimSimgesi_->setToolTip(program().uygulamaBaşlığı.left(63));
    bildirimSimgesi_->show();
}

void AnaForm::BildirimAlanındanSimgeyiSil() {
    bildirimSimgesiVar_ = false;
    if (bildirimSimgesi_)
        bildirimSimgesi_->hide();
}

void AnaForm::SimgeKutusu_MouseMove(int mesaj) {
    if (mesaj == 515) {
        GösterMenüsü_Click();
    } else if (mesaj == 516) {
        raise();
        activateWindow();
        BildirimAlanıMenüsü->setDefaultAction(GösterMenüsü);
        BildirimAlanıMenüsü->popup(QCursor::pos());
    }
}

bool AnaForm::tercihlerGörünür() const {
    return TercihlerGörünür();
}

void AnaForm::GösterMenüsü_Click() {
    if (tercihlerGörünür())
        return;
    show();
    showNormal();
    raise();
    activateWindow();
}

// Every action of the menus and the toolbar that no handler was connected to: disabled, and
// kept so whatever later enables the entries around it.
void AnaForm::kapalıTut() {
    QList<QAction*> eylemler = DüğmeÇubuğu->actions();
    for (QMenu* menü : {ProgramMenüsü, YapılacakİşlerMenüsü, YardımMenüsü, KlasörMenüsü,
                        YapılacakİşListesiMenüsü, BildirimAlanıMenüsü})
        eylemler += menü->actions();
    for (QAction* a : eylemler) {
        if (a->isSeparator() || qobject_cast<QWidgetAction*>(a) ||
            a->property(İşleyiciVar).toBool())
            continue;
        a->setEnabled(false);
        QObject::connect(a, &QAction::enabledChanged, a, [a](bool açık) {
            if (açık)
                a->setEnabled(false);
        });
    }
}

// From the tray menu over a minimised main window the preferences open on their own.
void AnaForm::tercihleriAç(bool sahipli) {
    Adım([this, sahipli] { TercihlerFormunuAç(sahipli ? this : nullptr); });
}

void AnaForm::aramaPenceresiniAç() {
    Adım([this] { AramaPenceresiniAç(this); });
}

void AnaForm::YapılacakİşleriListele() {
    Adım([this] { YapılacakİşleriListelePenceresiniAç(this); });
}

void AnaForm::listeyiYazdır() {
    QList<İşSatırı> satırlar;
    for (int i = 0; i < işModeli->satırSayısı(); ++i)
        satırlar << işModeli->satır(i);
    ListeyiYazdır(this, satırlar, seçiliKlasörAdı());
}

void AnaForm::takvimeAktar() {
    QList<qint32> numaralar;
    for (int i = 0; i < işModeli->satırSayısı(); ++i)
        numaralar << static_cast<qint32>(işModeli->isNo(i));
    TakvimeAktar(this, numaralar);
}

// ---------------------------------------------------------------- interface for other windows

void AnaForm::klasörAğacınıBoşalt() {
    sonEklenenDüğüm_ = nullptr;
    KlasörListesi->boşalt();
}

QString AnaForm::seçiliKlasörAnahtarı() const {
    return KlasörAğacı::anahtar(KlasörListesi->currentItem());
}

QString AnaForm::seçiliKlasörAdı() const {
    QTreeWidgetItem* d = KlasörListesi->currentItem();
    return d ? d->text(0) : QString();
}

void AnaForm::seçiliKlasörüTıkla() {
    KlasörListesi_NodeClick(KlasörListesi->currentItem());
}

int AnaForm::işSatırSayısı() const {
    return işModeli->satırSayısı();
}

void AnaForm::işSatırıSeç(int sıra) {
    if (sıra < 1 || sıra > işModeli->satırSayısı())
        return;
    const QModelIndex d = işModeli->index(sıra - 1, 0);
    YapılacakİşlerListesi->selectionModel()->setCurrentIndex(
        d, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    YapılacakİşlerListesi->scrollTo(d);
}

bool AnaForm::klasörüSeçipListele(const QString& anahtar) {
    const auto düğümler = KlasörListesi->tümDüğümler();
    for (döngüSayacı_ = 0; döngüSayacı_ < düğümler.size(); ++döngüSayacı_) {
        QTreeWidgetItem* d = düğümler[döngüSayacı_];
        if (KlasörAğacı::anahtar(d) == anahtar) {
            // Scrolling opens the node's branch; the folder is listed once, below.
            açılışOlaylarıSessiz_ = true;
            KlasörListesi->scrollToItem(d);
            açılışOlaylarıSessiz_ = false;
            KlasörListesi->setCurrentItem(d);
            İşleriListele(anahtar);
            return true;
        }
    }
    return false;
}

bool AnaForm::işiSeç(qint64 isNo) {
    // By the job number itself, never by a text that merely begins with its figures.
    const int satır = işModeli->isNoSatırı(isNo);
    if (satır < 0)
        return false;
    işSatırıSeç(satır + 1);
    YapılacakİşlerListesi->setFocus();
    return true;
}

void AnaForm::durumYaz(int panel, const QString& metin) {
    if (panel >= 1 && panel <= 5)
        Panel[panel]->setText(metin);
}
