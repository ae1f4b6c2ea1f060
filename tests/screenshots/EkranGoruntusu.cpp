#include "EkranGoruntusu.h"

#include "controls/ProgramSaati.h"
#include "controls/TarihBicimi.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"
#include "jobentry/TakvimFormu.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
bool kaydet(QWidget* pencere, const QString& dosya) {
    pencere->show();
    QApplication::processEvents();
    const bool tamam = pencere->grab().save(dosya, "PNG");
    pencere->hide();
    return tamam;
}
} // namespace

QStringList İşGirişiEkranGörüntüleriniAl(const QString& klasör) {
    QDir().mkpath(klasör);
    QStringList yazılanlar;
    const QDate yarın = ProgramSaati::bugün().addDays(1);

    İşEklemeDeğiştirmeFormu form;
    form.setWindowTitle(QStringLiteral("Yapılacak İş Ekleme (Davalar)"));
    form.YeniİşEkleDüğmesi_Click();
    form.işinTarihiKutusu()->setText(TarihBiçimi::kısa(yarın));
    form.saatKutusu()->setCurrentIndex(9);
    form.dakikaKutusu()->setCurrentIndex(30);
    form.işinKonusuKutusu()->addItems({QStringLiteral("Duruşma"), QStringLiteral("Keşif")});
    form.işinKonusuKutusu()->setEditText(QStringLiteral("Duruşma"));
    form.işinYeriKutusu()->setEditText(QStringLiteral("Kadıköy Adliyesi"));
    form.işinSayısıKutusu()->setEditText(QStringLiteral("2026/154 E."));
    form.açıklamaKutusu()->setPlainText(QStringLiteral("Tanık listesi ve bilirkişi raporu "
                                                       "hazırlanacak."));
    form.hatırlatmaVarOnayı()->setChecked(true);
    const QString formDosyası =
        QDir(klasör).filePath(QStringLiteral("IsEklemeDegistirmeFormu.png"));
    if (kaydet(&form, formDosyası))
        yazılanlar << formDosyası;

    TakvimFormu takvim;
    takvim.SeçilenTarih = TarihBiçimi::kısa(yarın);
    const QString takvimDosyası = QDir(klasör).filePath(QStringLiteral("TakvimFormu.png"));
    if (kaydet(&takvim, takvimDosyası))
        yazılanlar << takvimDosyası;
    return yazılanlar;
}
