#include "controls/AnaFormArayuzu.h"

namespace {
AnaFormArayüzü* şimdikiAnaForm = nullptr;
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
