#include "TestOrtami.h"

// moc cannot read names with Turkish letters; it needs none of these.
#ifndef Q_MOC_RUN
#include "controls/ProgramSaati.h"
#include "deadline/SureHesaplamaFormu.h"
#endif

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>

// The copy button puts the result on the system clipboard, run under a real X display.
class SureHesaplamaPanoTest : public QObject {
    Q_OBJECT
private slots:
    void copyPutsThePlainResultOnTheClipboard() {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("X ekranı yok");
        TestOrtami::sıfırla();
        ProgramSaati::ayarla(QDateTime(QDate(2026, 12, 6), QTime(10, 0)));
        SüreHesaplamaFormu f(nullptr, QStringLiteral(TARVELA_KAYNAK "/src/deadline/Tatiller.txt"));
        f.show();
        QGuiApplication::clipboard()->setText(QStringLiteral("eski"));
        f.EklenecekSüreKutusu->setEditText(QStringLiteral("15"));
        QTest::mouseClick(f.KopyalaDüğmesi, Qt::LeftButton);
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("21.12.2026"));
        QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasHtml());
    }
};

TARVELA_TEST_MAIN(SureHesaplamaPanoTest)
#include "SureHesaplamaPanoTest.moc"
