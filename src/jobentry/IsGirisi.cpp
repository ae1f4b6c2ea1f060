#include "jobentry/IsGirisi.h"

#include "jobentry/IsEklemeDegistirmeFormu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

void İşEklemeyiAç(QWidget* sahip, const QString& başlık) {
    İşEklemeDeğiştirmeFormu& form = İşGirişFormu();
    form.yüklenmemişseYükle();
    form.setWindowTitle(başlık);
    form.YeniİşEkleDüğmesi_Click();
    form.kipEtiketiAyarla(İşEklemeDeğiştirmeFormu::EkleEtiketi);
    form.hatırlatmaVarOnayı()->setChecked(true);
    form.göster(sahip);
}

void İşDeğiştirmeyiAç(QWidget* sahip, const İşSatırı& satır, const QString& başlık, bool enÜstte) {
    İşEklemeDeğiştirmeFormu& form = İşGirişFormu();
    form.yüklenmemişseYükle();
    form.işinTarihiKutusu()->setText(satır.tarih);
    form.saatKutusu()->setCurrentIndex(form.saatKutusu()->findText(satır.saat.left(2)));
    form.dakikaKutusu()->setCurrentIndex(form.dakikaKutusu()->findText(satır.saat.mid(3, 2)));
    form.işinKonusuKutusu()->setEditText(satır.konu);
    form.işinYeriKutusu()->setEditText(satır.yer);
    form.işinSayısıKutusu()->setEditText(satır.sayı);
    form.açıklamaKutusu()->setPlainText(satır.açıklama);
    form.hatırlatmaVarOnayı()->setChecked(satır.simge == 1);
    form.YeniİşEkleDüğmesi_Click();
    form.işYapıldıOnayı()->setEnabled(true);
    form.setWindowTitle(başlık);
    form.kipEtiketiAyarla(satır.isNo);
    if (enÜstte) {
        form.takvimDüğmesiEtiketiAyarla(QStringLiteral(" "));
        form.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    form.göster(sahip);
    if (enÜstte) {
        form.takvimDüğmesiEtiketiAyarla(QString());
        form.setWindowFlag(Qt::WindowStaysOnTopHint, false);
    }
}
