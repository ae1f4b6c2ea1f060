#include "AnaFormTestDestegi.h"
#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/Modal.h"
#include "database/Veritabani.h"
#include "database/VeritabaniKurulumu.h"
#include "database/VeritabaninaBaglanFormu.h"
#include "mainwindow/AnaForm.h"
#include "settings/AyarDeposu.h"
#include "settings/ProgramDegerleri.h"
#endif

#include <QDebug>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace AnaFormTest;

namespace {
// A virtual X display of the test's own, with a simple window manager when asked for.
struct SanalEkran {
    QProcess sunucu, yönetici;
    QString ad;
    QTemporaryDir klasör;

    // The environment of a Qt program on this display.
    QProcessEnvironment ortam() const {
        QProcessEnvironment o = QProcessEnvironment::systemEnvironment();
        o.insert("DISPLAY", ad);
        o.insert("QT_QPA_PLATFORM", "xcb");
        return o;
    }
    bool başlat(bool pencereYöneticisi) {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty())
            return false;
        // The server picks a free display and writes its number once it takes connections.
        // A server that is there but never gets ready fails the test instead of skipping it.
        sunucu.start(xvfb, {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        if (!sunucu.waitForReadyRead(60000))
            qFatal("Xvfb hazır olmadı: %s", sunucu.readAllStandardError().constData());
        ad = ":" + QString::fromLatin1(sunucu.readAllStandardOutput()).trimmed();
        if (!pencereYöneticisi)
            return true;
        // The display has only its built-in font.
        QFile ayar(klasör.path() + "/twmrc");
        if (!ayar.open(QIODevice::WriteOnly))
            return false;
        ayar.write("UsePPosition \"on\"\nRandomPlacement\nNoGrabServer\nTitleFont \"fixed\"\n"
                   "ResizeFont \"fixed\"\nMenuFont \"fixed\"\nIconFont \"fixed\"\n"
                   "IconManagerFont \"fixed\"\n");
        ayar.close();
        QProcessEnvironment o = ortam();
        o.insert("LC_ALL", "C");
        yönetici.setProcessEnvironment(o);
        yönetici.setStandardErrorFile(QProcess::nullDevice());
        yönetici.start(QStandardPaths::findExecutable("twm"), {"-f", ayar.fileName()});
        return yönetici.waitForStarted(5000);
    }
    // The server is gone before the next test starts one: a server still shutting down keeps
    // its display's socket, and the next server, given the same number, would share it.
    ~SanalEkran() {
        for (QProcess* p : {&yönetici, &sunucu}) {
            p->terminate();
            if (!p->waitForFinished(5000)) {
                p->kill();
                p->waitForFinished(-1);
            }
        }
    }
};

// The names of every window on the display: xwininfo shows _NET_WM_NAME where a window has
// one, in the locale's (UTF-8) encoding.
QStringList pencereAdları(const SanalEkran& ekran) {
    QProcess p;
    p.setProcessEnvironment(ekran.ortam());
    p.start(QStandardPaths::findExecutable("xwininfo"), {"-root", "-tree"});
    p.waitForFinished(5000);
    static const QRegularExpression ad("^\\s+0x[0-9a-f]+ \"(.*)\": \\(");
    QStringList adlar;
    for (const QString& satır : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (const auto a = ad.match(satır); a.hasMatch())
            adlar << a.captured(1);
    return adlar;
}
} // namespace

// The program under a real X server: what the offscreen tests cannot see.
class AnaFormX11Test : public QObject {
    Q_OBJECT
private slots:
    void init() { TestOrtami::sıfırla(); }

    // The real program's caption as the X server holds it: the title exactly, with nothing
    // appended by the toolkit.
    void captionIsExactOnX11() {
        SanalEkran ekran;
        if (!ekran.başlat(false))
            QSKIP("Xvfb kurulu değil");
        const QString dosya = yeniVeritabanı();
        AçıkVeritabanı::kapat();
        const QString ayarKlasörü = ekran.klasör.path() + "/ayarlar";
        {
            QSettings ayarlar(ayarKlasörü + "/Selvane/Tarvela.ini", QSettings::IniFormat);
            ayarlar.setValue("Sunucular/Sunucu-1", QFileInfo(dosya).path());
            ayarlar.setValue("Ayarlar/Arkaplanda Calissin", "0");
        }
        QProcessEnvironment ortam = ekran.ortam();
        ortam.insert("XDG_CONFIG_HOME", ayarKlasörü);
        ortam.insert("TMPDIR", ekran.klasör.path());
        QProcess lodra;
        lodra.setProcessEnvironment(ortam);
        lodra.start(qEnvironmentVariable("TARVELA_BIN") + "/Lodra", QStringList());
        QVERIFY(lodra.waitForStarted(5000));
        QStringList adlar;
        QTRY_VERIFY_WITH_TIMEOUT((adlar = pencereAdları(ekran)).join('\n').contains("Tarvela"),
                                 20000);
        lodra.kill();
        lodra.waitForFinished(5000);
        QVERIFY2(adlar.contains(program().uygulamaBaşlığı), qPrintable(adlar.join('\n')));
        for (const QString& ad : adlar)
            QVERIFY2(!ad.contains(QString::fromUtf8(" \u2014 ")), qPrintable(ad));
    }

    // Under a window manager that draws a frame, the stored size and position are those of
    // the outer window, on the way in and on the way out. Runs this program again on the
    // display, where the checks below run against the real frame.
    void outerSizeUnderAWindowManager() {
        SanalEkran ekran;
        if (!ekran.başlat(true))
            QSKIP("Xvfb ya da twm kurulu değil");
        QProcessEnvironment ortam = ekran.ortam();
        ortam.insert("TARVELA_X11_ICERDE", "1");
        QProcess içeride;
        içeride.setProcessEnvironment(ortam);
        içeride.setProcessChannelMode(QProcess::MergedChannels);
        içeride.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(içeride.waitForFinished(60000));
        const QByteArray çıktı = içeride.readAll();
        QVERIFY2(içeride.exitCode() == 0, çıktı.constData());
        QVERIFY2(çıktı.contains("PASS   : AnaFormX11Icerde::outerSize()"), çıktı.constData());
    }
};

// Runs inside the X display with the window manager.
class AnaFormX11Icerde : public QObject {
    Q_OBJECT
private slots:
    void outerSize() {
        TestOrtami::sıfırla();
        // A framed window shows that the window manager has taken over the display.
        QWidget deneme;
        deneme.setGeometry(10, 10, 100, 100);
        deneme.show();
        QTRY_VERIFY2_WITH_TIMEOUT(deneme.frameGeometry() != deneme.geometry(),
                                  "pencere yöneticisi çerçeve çizmiyor", 15000);
        deneme.hide();

        // Twips: 800 x 600 pixels at 100, 80.
        const QStringList adlar = {"Yukseklik", "Genislik", "Sol Bosluk", "Ust Bosluk"};
        const QStringList değerler = {"9000", "12000", "1500", "1200"};
        for (int i = 0; i < adlar.size(); ++i)
            AyarDeposu::SaveSetting("Ayarlar", adlar[i], değerler[i]);
        yeniVeritabanı();
        auto form = yeniForm();
        QTRY_COMPARE_WITH_TIMEOUT(form->frameGeometry(), QRect(100, 80, 800, 600), 10000);
        QVERIFY(form->size().height() < 600);
        form->programıKapat();
        for (int i = 0; i < adlar.size(); ++i)
            QCOMPARE(AyarDeposu::GetSetting("Ayarlar", adlar[i]), değerler[i]);
    }

    // The office key is asked over the connect window and hides it wholly, frame included:
    // no empty edge of the connect window shows around the question.
    void keyQuestionCoversTheConnectWindow() {
        TestOrtami::sıfırla();
        QTemporaryDir klasör;
        const QString anahtar = "buro-anahtari-2026";
        VeritabanıKurulumu::oluştur(klasör.path() + "/Lodra.vtb", anahtar);
        AyarDeposu::SaveSetting("Sunucular", "Sunucu-1", klasör.path());
        QRect soru, bağlantı;
        ModalTest::sıradaki([](QDialog*) { QCoreApplication::processEvents(); });
        ModalTest::sıradaki([&](QDialog* d) {
            QWidget* sahip = d->parentWidget();
            QVERIFY(sahip && QTest::qWaitForWindowExposed(d));
            QTRY_VERIFY_WITH_TIMEOUT(d->frameGeometry() != d->geometry() &&
                                         sahip->frameGeometry() != sahip->geometry(),
                                     10000);
            soru = d->frameGeometry();
            bağlantı = sahip->frameGeometry();
            QTest::keyClicks(d->findChild<QLineEdit*>("AnahtarKutusu"), anahtar);
            QTest::mouseClick(d->findChild<QPushButton*>("TamamDüğmesi"), Qt::LeftButton);
        });
        QVERIFY(VeritabanınaBağlan());
        QCOMPARE(ModalTest::gösterilenler(),
                 QStringList({"VeritabanınaBağlanFormu", "BüroAnahtarıFormu"}));
        QVERIFY2(soru.contains(bağlantı),
                 qPrintable(QDebug::toString(soru) + " / " + QDebug::toString(bağlantı)));
        AçıkVeritabanı::kapat();
    }
};

int main(int argc, char** argv) {
    TestOrtami ortam(argc, argv);
    AnaFormX11Test dışarıda;
    AnaFormX11Icerde içeride;
    const bool içindeMi = qEnvironmentVariableIsSet("TARVELA_X11_ICERDE");
    return QTest::qExec(içindeMi ? static_cast<QObject*>(&içeride) : &dışarıda, argc, argv);
}
#include "AnaFormX11Test.moc"
