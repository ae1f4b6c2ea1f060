#include "startup/Baslangic.h"

#include "startup/ProgramDegerleri.h"

#include <QApplication>

int BaşlangıçSırası(int argc, char** argv) {
    QApplication uygulama(argc, argv);
    program().uygulamaBaşlığı = buSürümünBaşlığı();
    return 0;
}
