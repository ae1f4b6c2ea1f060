#include "startup/ProgramDurumu.h"

#include "controls/AnaFormArayuzu.h"
#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "controls/ProgramSaati.h"
#include "controls/Siralama.h"
#include "database/AgaGozat.h"
#include "database/Veritabani.h"
#include "lists/YaziciSecmeFormu.h"
#include "reminders/AlarmSesi.h"
#include "reminders/HatirlatmaFormu.h"
#include "settings/Tercihler.h"

namespace ProgramDurumu {

void sıfırla() {
    anaFormuAyarla(nullptr);
    AçıkVeritabanı::kapat();
    tercihler() = TercihDeğerleri{};
    düzenlenenSatır() = 0;
    şimdikiİşNo() = 0;
    Sıralama::durum() = Sıralama::Durum{};
    Yazıcılar::seçilen().clear();
    Yazıcılar::yazdırmaİptalEdildi() = false;
    AlarmSesi::durumuSıfırla();
    ProgramSaati::serbestBırak();
    ProgramSonu::sıfırla();
    MesajKutusuTest::temizle();
    ModalTest::temizle();
    AgaGozatTest::temizle();
}

} // namespace ProgramDurumu
