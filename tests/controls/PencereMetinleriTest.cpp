#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/HataBildirici.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "database/SunucuDegistirFormu.h"
#include "database/Veritabani.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "jobentry/TakvimFormu.h"
#include "mainwindow/AnaForm.h"
#include "reminders/HatirlatmaFormu.h"
#include "settings/AyarDeposu.h"
#include "settings/GirisSifresiBelirleDegistirFormu.h"
#include "settings/GirisSifresiSorFormu.h"
#endif

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTreeView>

using namespace AnaFormTest;

namespace {
// Whether the text shows whole in the area, on one line or, where the control breaks
// lines, in as many as the area's height holds.
bool sığar(const QFontMetrics& yazı, const QString& metin, const QRect& alan, bool satırKırar) {
    const int bayrak = Qt::TextShowMnemonic | (satırKırar ? Qt::TextWordWrap : 0);
    const QRect gereken = yazı.boundingRect(QRect(0, 0, alan.width(), 10000), bayrak, metin);
    return gereken.width() <= alan.width() && (!satırKırar || gereken.height() <= alan.height());
}

// "window/control: text" for every visible caption of the window that does not show whole,
// and for every list column that cuts a date of its first row.
QStringList kesilenler(QWidget* pencere) {
    QStringList sonuç;
    auto ekle = [&](QWidget* d, const QString& metin) {
        sonuç << pencere->objectName() + '/' + d->objectName() + ": " + metin;
    };
    for (QAbstractButton* d : pencere->findChildren<QAbstractButton*>()) {
        if (!d->isVisibleTo(pencere) || d->text().isEmpty())
            continue;
        QStyleOptionButton seçenek;
        seçenek.initFrom(d);
        seçenek.text = d->text();
        QStyle::SubElement parça;
        if (auto* düğme = qobject_cast<QPushButton*>(d)) {
            parça = QStyle::SE_PushButtonContents;
            if (düğme->autoDefault() || düğme->isDefault())
                seçenek.features |= QStyleOptionButton::AutoDefaultButton;
        } else if (qobject_cast<QCheckBox*>(d)) {
            parça = QStyle::SE_CheckBoxContents;
        } else if (qobject_cast<QRadioButton*>(d)) {
            parça = QStyle::SE_RadioButtonContents;
        } else {
            continue; // toolbar buttons take the size they need
        }
        QRect alan = d->style()->subElementRect(parça, &seçenek, d);
        if (!d->icon().isNull())
            alan.setLeft(alan.left() + d->iconSize().width() + 4);
        if (!sığar(d->fontMetrics(), d->text(), alan, d->hasHeightForWidth()))
            ekle(d, d->text());
    }
    for (QLabel* e : pencere->findChildren<QLabel*>()) {
        if (!e->isVisibleTo(pencere) || e->text().isEmpty() || Qt::mightBeRichText(e->text()))
            continue;
        const int kenar = e->margin() + qMax(0, e->indent());
        const QRect alan = e->contentsRect().adjusted(kenar, e->margin(), -kenar, -e->margin());
        if (!sığar(e->fontMetrics(), e->text(), alan, e->wordWrap()))
            ekle(e, e->text());
    }
    for (QTreeView* liste : pencere->findChildren<QTreeView*>()) {
        QAbstractItemModel* model = liste->model();
        if (!model || model->rowCount() == 0)
            continue;
        for (int s = 0; s < model->columnCount(); ++s) {
            const QString metin = model->index(0, s).data().toString();
            if (!TarihBiçimi::çöz(metin).isValid() || liste->header()->sectionSize(s) == 0)
                continue;
            if (liste->header()->sectionSize(s) <
                static_cast<QAbstractItemView*>(liste)->sizeHintForColumn(s))
                ekle(liste, QStringLiteral("sütun %1 %2").arg(s).arg(metin));
        }
    }
    return sonuç;
}

// Checks the next modal window when it comes up.
void sıradakiniDenetle(QStringList& bulunan) {
    ModalTest::sıradaki([&bulunan](QDialog* d) {
        QCoreApplication::processEvents();
        bulunan << kesilenler(d);
    });
}
} // namespace

// Every window of the program at the default font: no caption of a button, check box,
// option button or label is cut off, and no list column cuts a whole date.
class PencereMetinleriTest : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    void everyCaptionAndDateShowsWhole() {
        const QDate bugün(2026, 12, 28);
        ProgramSaati::ayarla(QDateTime(bugün, QTime(10, 0)));
        const QString dosya = yeniVeritabanı();
        klasörEkle("1-Anahtar", "Klasor", "Duruşmalar");
        işEkle("1-Anahtar", bugün, QTime(9, 0), "Duruşma", true);
        QStringList bulunan;

        {
            auto form = yeniForm();
            düğümTıkla(*form, "1-Anahtar");
            QCOMPARE(form->işSatırSayısı(), 1);
            form->Form_Activate();
            bulunan << kesilenler(form.get());
        }
        {
            HatırlatmaFormu hatırlatma;
            hatırlatma.listeyiDoldur(
                hatırlatılacakİşler(AçıkVeritabanı::al(), ProgramSaati::şimdi()));
            QCOMPARE(hatırlatma.satırSayısı(), 1);
            hatırlatma.show();
            QVERIFY(QTest::qWaitForWindowExposed(&hatırlatma));
            bulunan << kesilenler(&hatırlatma);
        }
        {
            İşEklemeDeğiştirmeFormu giriş;
            giriş.show();
            bulunan << kesilenler(&giriş);
            TakvimFormu takvim;
            takvim.show();
            bulunan << kesilenler(&takvim);
        }

        // The change-server window with three servers.
        for (int i = 1; i <= 3; ++i)
            AyarDeposu::SaveSetting("Sunucular", QString("Sunucu-%1").arg(i),
                                    QString("/srv/buro-%1/ortak").arg(i));
        sıradakiniDenetle(bulunan);
        Adım([] { SunucuDeğiştir(nullptr); });
        // The connect window as it shows a failure: the stored server has no database file.
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", QFileInfo(dosya).path() + "/yok");
        AçıkVeritabanı::kapat();
        sıradakiniDenetle(bulunan);
        Adım([] { VeritabanınaBağlan(); });
        ProgramSonu::sıfırla();
        sıradakiniDenetle(bulunan);
        Adım([] { GirişŞifresiSor(nullptr); });
        ProgramSonu::sıfırla();
        sıradakiniDenetle(bulunan);
        Adım([] { GirişŞifresiBelirleDeğiştir(nullptr); });

        QCOMPARE(ModalTest::bekleyenSayısı(), 0);
        QVERIFY2(bulunan.isEmpty(), qPrintable(bulunan.join('\n')));
    }
};

TARVELA_TEST_MAIN(PencereMetinleriTest)
#include "PencereMetinleriTest.moc"
