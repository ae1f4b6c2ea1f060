#pragma once

#include "controls/AnaFormArayuzu.h"

// A main window that is not there, for the reminder timer run without windows.
class BoşAnaForm : public AnaFormArayüzü {
public:
    QWidget* pencere() override { return nullptr; }
    void KlasörleriYükle() override {}
    void klasörAğacınıBoşalt() override {}
    QString seçiliKlasörAnahtarı() const override { return {}; }
    QString seçiliKlasörAdı() const override { return {}; }
    void seçiliKlasörüTıkla() override {}
    int işSatırSayısı() const override { return 0; }
    void işSatırıSeç(int) override {}
    bool klasörüSeçipListele(const QString&) override { return false; }
    bool işiSeç(qint64) override { return false; }
    void durumYaz(int, const QString&) override {}
    void BildirimAlanınaSimgeEkle() override {}
    void BildirimAlanındanSimgeyiSil() override {}
    void programıKapat() override {}
};
