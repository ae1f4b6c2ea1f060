#include "AnaFormResmi.h"

#include "controls/HataBildirici.h"
#include "database/Veritabani.h"
#include "lists/IsListesiModeli.h"
#include "mainwindow/AnaForm.h"
#include "mainwindow/AnaFormDenetimleri.h"

#include <QCoreApplication>
#include <QHash>
#include <QPixmap>

bool anaFormResminiKaydet(const QString& veritabanıDosyası, const QString& resimDosyası,
                          const QSize& boyut) {
    bool yazıldı = false;
    Adım([&] {
        AçıkVeritabanı::ayarla(Veritabanı::OpenDatabase(veritabanıDosyası));
        {
            AnaForm form;
            form.Form_Load(true, nullptr);
            form.resize(boyut);
            form.KlasörleriYükle();
            form.TümKlasörleriGöster();
            // The folder with the most jobs makes the fullest picture.
            QHash<QString, int> sayılar;
            auto k = AçıkVeritabanı::al().OpenRecordset(
                QStringLiteral("SELECT * FROM YapilacakIslerTablosu"));
            for (; !k->Eof(); k->MoveNext())
                ++sayılar[k->alan(QStringLiteral("Anahtari")).toString()];
            k->Close();
            QString seçilen;
            for (auto i = sayılar.cbegin(); i != sayılar.cend(); ++i)
                if (seçilen.isEmpty() || i.value() > sayılar.value(seçilen))
                    seçilen = i.key();
            if (QTreeWidgetItem* düğüm = form.KlasörListesi->anahtarlıDüğüm(seçilen)) {
                form.KlasörListesi->setCurrentItem(düğüm);
                form.KlasörListesi_NodeClick(düğüm);
            }
            form.Form_Activate();
            QCoreApplication::processEvents();
            yazıldı = form.grab().save(resimDosyası, "PNG");
            form.hide();
        }
        AçıkVeritabanı::kapat();
    });
    return yazıldı;
}
