#include "database/GizliServisDeposu.h"
#include "startup/Baslangic.h"

int main(int argc, char** argv) {
    // Office keys are kept in the desktop keyring of the user.
    AnahtarDeposuSeçimi::ayarla(std::make_unique<GizliServisDeposu>());
    return BaşlangıçSırası(argc, argv);
}
