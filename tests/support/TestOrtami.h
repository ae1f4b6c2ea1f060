#pragma once

#include <QApplication>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Everything a test program needs before its first test: a settings folder and a database
// folder of its own (removed afterwards), the Turkish locale, offscreen windows, and the
// message-box, modal-window and program-end helpers in test mode.
class TestOrtami {
public:
    TestOrtami(int& argc, char** argv);
    ~TestOrtami();

    static TestOrtami& şimdiki();
    // A folder for database files, empty at the start of the program.
    QString veritabanıKlasörü() const;
    QString ayarKlasörü() const;

    // Back to a clean state between test functions: an empty settings store and the whole
    // program-wide state as before start-up (no main window, no open database, default
    // preferences, no recorded boxes or windows, the program not ended, the system clock).
    static void sıfırla();

private:
    std::unique_ptr<QTemporaryDir> kök_;
    std::unique_ptr<QApplication> uygulama_;
};

// A test program's main: the environment first, then the test class.
#define TARVELA_TEST_MAIN(SINIF)                                                                   \
    int main(int argc, char** argv) {                                                              \
        TestOrtami ortam(argc, argv);                                                              \
        SINIF test;                                                                                \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
