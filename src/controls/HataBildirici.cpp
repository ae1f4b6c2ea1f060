#include "controls/HataBildirici.h"

#include "controls/MesajKutusu.h"

#include <QDebug>
#include <cstdlib>

namespace {
struct SonDurumu {
    bool testModu = false;
    bool sonlandı = false;
    int kod = 0;
};

SonDurumu& son() {
    static SonDurumu durum;
    return durum;
}

const QString AğMesajı =
    QStringLiteral("Ağ bağlantısı kurulamıyor. Lütfen, kontrol edip tekrar deneyiniz!");
const QString ErişimMesajı =
    QStringLiteral("Dosyaya erişilemiyor. Lütfen, kontrol edip tekrar deneyiniz!");
} // namespace

namespace ProgramSonu {
void hemenSonlandır(int kod) {
    son().sonlandı = true;
    son().kod = kod;
    if (son().testModu)
        return;
    // Nothing is saved: no destructors, no closing steps of any window.
    std::_Exit(kod);
}
void testModu(bool açık) {
    son().testModu = açık;
}
bool sonlandıMı() {
    return son().sonlandı;
}
int çıkışKodu() {
    return son().kod;
}
void sıfırla() {
    son().sonlandı = false;
    son().kod = 0;
}
} // namespace ProgramSonu

bool HataBildir(const Hata& hata) {
    qWarning().noquote() << "Hata" << hata.numara() << hata.açıklama();
    switch (hata.numara()) {
    case HataNo::YazıcıHatası:
    case HataNo::ÖzelKilitli:
        return true;
    case HataNo::DiskVeyaAğHatası:
    case HataNo::YolGeçersiz:
        MesajKutusu::ünlem(AğMesajı);
        ProgramSonu::hemenSonlandır();
        return false;
    case HataNo::DosyaAçılamıyor:
        MesajKutusu::ünlem(ErişimMesajı);
        ProgramSonu::hemenSonlandır();
        return false;
    default:
        break;
    }
    const QString metin = QStringLiteral("Program, aşağıdaki hata nedeniyle doğru "
                                         "çalışmayabilir! \nYine de devam etmek istiyor "
                                         "musunuz?\r\n\r\nHata Kodu: ") +
                          QString::number(hata.numara()) + QStringLiteral("\r\n\r\nHata Mesajı: ") +
                          hata.açıklama();
    const auto yanıt =
        MesajKutusu::göster(QMessageBox::Critical, metin, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Yes, QStringLiteral("Hata oluştu!"));
    if (yanıt == QMessageBox::Yes)
        return true;
    ProgramSonu::hemenSonlandır();
    return false;
}

bool HataBildir(const std::exception& hata) {
    if (auto* ret = dynamic_cast<const Reddedilen*>(&hata)) {
        qWarning().noquote() << "Reddedildi" << ret->numara() << ret->açıklama();
        MesajKutusu::bilgi(ret->açıklama());
        return true;
    }
    if (auto* programHatası = dynamic_cast<const Hata*>(&hata))
        return HataBildir(*programHatası);
    return HataBildir(Hata(HataNo::Beklenmeyen, QString::fromLocal8Bit(hata.what())));
}

bool Adım(const std::function<void()>& iş) {
    if (ProgramSonu::sonlandıMı())
        return false;
    try {
        iş();
        return true;
    } catch (const std::exception& hata) {
        return HataBildir(hata);
    }
}

AdımSonucu DenetimliAdım(const std::function<void()>& iş) {
    if (ProgramSonu::sonlandıMı())
        return AdımSonucu::Başarısız;
    try {
        iş();
        return AdımSonucu::Yapıldı;
    } catch (const Reddedilen& ret) {
        HataBildir(ret);
        return AdımSonucu::Reddedildi;
    } catch (const std::exception& hata) {
        HataBildir(hata);
        return AdımSonucu::Başarısız;
    }
}

void Adımlar(std::initializer_list<std::function<void()>> adımlar) {
    for (const auto& adım : adımlar)
        if (!Adım(adım))
            return;
}

void Sessizce(const std::function<void()>& iş) {
    try {
        iş();
    } catch (const std::exception& hata) {
        qDebug() << "geçildi:" << hata.what();
    }
}
