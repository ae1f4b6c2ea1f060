#include "startup/Baslangic.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/HataBildirici.h"
#include "controls/Iz.h"
#include "controls/Kaynaklar.h"
#include "controls/MesajKutusu.h"
#include "database/Veritabani.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "mainwindow/AnaForm.h"
#include "reminders/Hatirlatici.h"
#include "settings/ProgramDegerleri.h"
#include "settings/Tercihler.h"
#include "settings/TercihlerFormu.h"
#include "startup/IsletimSistemi.h"
#include "startup/KarsilamaFormu.h"
#include "startup/TekKopya.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QPrinterInfo>
#include <QTimer>
#include <QTranslator>

#include <memory>

namespace {
// Brings this copy's main window up at another copy's request: shown normally (also when it
// was hidden or minimised), raised and activated.
void anaPencereyiÖneGetir() {
    İz(QStringLiteral("goster-istegi"));
    AnaFormArayüzü* form = anaForm();
    if (!form || !form->pencere())
        return;
    QWidget* pencere = form->pencere();
    pencere->showNormal();
    pencere->raise();
    pencere->activateWindow();
}
} // namespace

int BaşlangıçSırası(int argc, char** argv) {
    // Any argument starts the program hidden, Qt's own ones too ("-style fusion"): the
    // application object below takes those out of argv, so the decision is made first.
    const bool komutSatırıBoş = argc <= 1;
    QApplication uygulama(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(Kaynaklar::simge(QStringLiteral("PROGRAM")));
    // Ties the windows to the installed menu entry and its icon (used on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral(TARVELA_KIMLIK));
    // Qt's own texts (the buttons of message boxes, the folder picker) in the user's language.
    QTranslator qtÇevirisi;
    if (qtÇevirisi.load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtÇevirisi);

    // The title names this copy for the single-instance test and captions the main window.
    // No application display name is set: on X11 Qt would append it to every caption.
    program().uygulamaBaşlığı = buSürümünBaşlığı();

    TekKopya tekKopya(program().uygulamaBaşlığı);
    if (tekKopya.öncekiKopyayıÖneGetir()) {
        İz(QStringLiteral("onceki-kopya-bulundu"));
        return 0;
    }
    tekKopya.dinle(anaPencereyiÖneGetir);

    QPointer<KarşılamaFormu> karşılama = new KarşılamaFormu;
    karşılama->show();
    QApplication::processEvents();

    const DenetimSonucu denetim = işletimSistemiDenetle(buSisteminKaydı());
    if (!denetim.uygun) {
        MesajKutusu::göster(QMessageBox::Critical, QString::fromUtf8(EskiSistemMesajı));
        return 1;
    }
    program().ntBayrağı = denetim.ntBayrağı;

    std::unique_ptr<AnaForm> anaPencere;
    Adımlar({
        [] {
            program().programKlasörü =
                programKlasörünüOluştur(QCoreApplication::applicationDirPath());
            İz(QStringLiteral("program-klasoru ") + program().programKlasörü);
        },
        [] { program().ayarUygulamaAdı = QStringLiteral("Selvane\\") + ÜrünAdı; },
        [] { program().yazıcıVar = !QPrinterInfo::availablePrinterNames().isEmpty(); },
        // The preferences window loads hidden: it reads the preference values before the
        // main window needs them.
        [] { TercihlerFormunuYükle(); },
        [&] {
            anaPencere = std::make_unique<AnaForm>();
            anaPencere->Form_Load(komutSatırıBoş, karşılama.data());
            İz(anaPencere->isVisible() ? QStringLiteral("ana-pencere-gorunur")
                                       : QStringLiteral("ana-pencere-gizli"));
        },
    });
    if (ProgramSonu::sonlandıMı())
        return ProgramSonu::çıkışKodu();
    if (karşılama)
        karşılama->close();

    // The connect window opens from the first turn of the event loop, so that giving up
    // there (which closes the main window) ends the loop like any later close does.
    QTimer::singleShot(0, [ana = anaPencere.get()] {
        İz(QStringLiteral("baglaniliyor"));
        Adım([] { VeritabanınaBağlan(); });
        if (AçıkVeritabanı::açıkMı()) {
            İz(QStringLiteral("baglandi"));
            // Connected: the morning summary need not wait for the first reminder check.
            if (ana)
                ana->YapılacakİşKontrolü->sabahÖzetiniGöster();
        }
    });
    İz(QStringLiteral("basladi"));
    return uygulama.exec();
}
