#include "TestOrtami.h"

#include "controls/HataBildirici.h"
#include "controls/MesajKutusu.h"
#include "controls/Modal.h"
#include "settings/AyarDeposu.h"
#include "settings/ProgramDegerleri.h"
#include "startup/ProgramDurumu.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace {
TestOrtami* şimdikiOrtam = nullptr;
}

TestOrtami::TestOrtami(int& argc, char** argv) : kök_(std::make_unique<QTemporaryDir>()) {
    şimdikiOrtam = this;
    QDir(kök_->path()).mkpath(QStringLiteral("ayarlar"));
    QDir(kök_->path()).mkpath(QStringLiteral("veritabani"));
    // The environment must be in place before Qt reads the locale or the settings path.
    qputenv("XDG_CONFIG_HOME", ayarKlasörü().toUtf8());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("LANG"))
        qputenv("LANG", "tr_TR.UTF-8");
    uygulama_ = std::make_unique<QApplication>(argc, argv);
    MesajKutusuTest::etkinleştir();
    ModalTest::etkinleştir();
    ProgramSonu::testModu(true);
    program().uygulamaBaşlığı = buSürümünBaşlığı();
    program().programKlasörü = programKlasörünüOluştur(QCoreApplication::applicationDirPath());
}

TestOrtami::~TestOrtami() {
    uygulama_.reset();
    şimdikiOrtam = nullptr;
}

TestOrtami& TestOrtami::şimdiki() {
    return *şimdikiOrtam;
}

QString TestOrtami::veritabanıKlasörü() const {
    return kök_->path() + QStringLiteral("/veritabani");
}
QString TestOrtami::ayarKlasörü() const {
    return kök_->path() + QStringLiteral("/ayarlar");
}

void TestOrtami::sıfırla() {
    QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Selvane"),
              QStringLiteral("Tarvela"))
        .clear();
    ProgramDurumu::sıfırla();
}
