// The baseline of the start-up measurement: an empty Qt window, shown and drawn, reported on
// standard error the way the program reports its own start.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication uygulama(argc, argv);
    QWidget pencere;
    pencere.resize(800, 600);
    pencere.show();
    QTimer::singleShot(0, [&] {
        pencere.repaint();
        std::fprintf(stderr, "TARVELA_IZ baglandi\n");
        std::fflush(stderr);
    });
    return uygulama.exec();
}
