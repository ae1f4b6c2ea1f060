#include "jobentry/IsGirisi.h"

#include "controls/MesajKutusu.h"
#include "jobentry/IsEklemeDegistirmeFormu.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
// The one entry window may already be open under a window that came up over it (the
// reminder window arrives while a job is being typed). Opening it again would throw away
// what is being typed there, so the user is told to finish that first.
bool zatenAçık(const İşEklemeDeğiştirmeFormu& form) {
    if (!form.isVisible())
        return false;
    MesajKutusu::bilgi(QStringLiteral("İş giriş penceresi zaten açık. Lütfen, önce oradaki işi "
                                      "kaydediniz ya da vazgeçiniz."));
    return true;
}
} // namespace

void İşEklemeyiAç(QWidget* sahip, const QString& başlık) {
    İşEklemeDeğiştirmeFormu& form = İşGirişFormu();
    if (zatenAçık(form))
        return;
    form.yüklenmemişseYükle();
    form.setWindowTitle(başlık);
    form.YeniİşEkleDüğmesi_Click();
    form.kipEtiketiAyarla(İşEklemeDeğiştirmeFormu::EkleEtiketi);
    form.gösterilenAyarla(std::nullopt);
    form.hatırlatmaVarOnayı()->setChecked(true);
    form.göster(sahip);
}

void İşDeğiştirmeyiAç(QWidget* sahip, const İşSatırı& satır, const QString& başlık, bool enÜstte) {
    İşEklemeDeğiştirmeFormu& form = İşGirişFormu();
    if (zatenAçık(form))
        return;
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
    form.gösterilenAyarla(satır);
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
