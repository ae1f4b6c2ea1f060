#include "controls/AnaFormArayuzu.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"

#include <QWidget>

namespace {
AnaFormArayüzü* şimdikiAnaForm = nullptr;
}

void AnaFormArayüzü::anaPencereyiGöster() {
    if (QWidget* p = pencere())
        p->show();
}

AnaFormArayüzü* anaForm() {
    return şimdikiAnaForm;
}
void anaFormuAyarla(AnaFormArayüzü* form) {
    şimdikiAnaForm = form;
}

qint16& düzenlenenSatır() {
    static qint16 sıra = 0;
    return sıra;
}

qint32& şimdikiİşNo() {
    static qint32 no = 0;
    return no;
}

bool işiAnaFormdaGöster(AnaFormArayüzü& ana, const QString& anahtar, qint64 isNo) {
    bool klasörVar = false;
    Adım([&] { klasörVar = ana.klasörüSeçipListele(anahtar); });
    if (!klasörVar) {
        MesajKutusu::ünlem(KlasörYokMesajı);
        return false;
    }
    şimdikiİşNo() = static_cast<qint32>(isNo);
    bool işVar = false;
    Adım([&] { işVar = ana.işiSeç(isNo); });
    if (!işVar)
        MesajKutusu::ünlem(İşYokMesajı);
    return işVar;
}
