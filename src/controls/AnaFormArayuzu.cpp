#include "controls/AnaFormArayuzu.h"

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
