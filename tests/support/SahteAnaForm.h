#pragma once

#include "controls/AnaFormArayuzu.h"

#include <QList>
#include <QMap>
#include <QStringList>
#include <QWidget>

// A stand-in main window for the tests of the other windows: it records what they ask of it
// and answers with the folder and row count a test sets.
class SahteAnaForm : public AnaFormArayüzü {
public:
    QWidget pencere_;
    QString klasörAnahtarı;
    QString klasörAdı;
    int satırSayısı = 0;
    bool simgeVar = true;

    int klasörYükleme = 0;
    int ağaçBoşaltma = 0;
    int klasörTıklama = 0;
    int simgeSilme = 0;
    int kapatma = 0;
    int gösterme = 0;
    QList<int> seçilenSatırlar;
    // Folders and jobs asked for; the stand-in's tree and list hold none of them.
    QStringList seçilenKlasörler;
    QList<qint64> seçilenİşler;
    QMap<int, QString> durum;

    QWidget* pencere() override { return &pencere_; }
    void KlasörleriYükle() override { ++klasörYükleme; }
    void klasörAğacınıBoşalt() override { ++ağaçBoşaltma; }
    QString seçiliKlasörAnahtarı() const override { return klasörAnahtarı; }
    QString seçiliKlasörAdı() const override { return klasörAdı; }
    void seçiliKlasörüTıkla() override { ++klasörTıklama; }
    int işSatırSayısı() const override { return satırSayısı; }
    void işSatırıSeç(int sıra) override { seçilenSatırlar << sıra; }
    bool klasörüSeçipListele(const QString& anahtar) override {
        seçilenKlasörler << anahtar;
        return false;
    }
    bool işiSeç(qint64 isNo) override {
        seçilenİşler << isNo;
        return false;
    }
    void durumYaz(int panel, const QString& metin) override { durum[panel] = metin; }
    void BildirimAlanınaSimgeEkle() override { simgeVar = true; }
    void BildirimAlanındanSimgeyiSil() override {
        simgeVar = false;
        ++simgeSilme;
    }
    void anaPencereyiGöster() override {
        ++gösterme;
        pencere_.show();
    }
    void programıKapat() override { ++kapatma; }
};
