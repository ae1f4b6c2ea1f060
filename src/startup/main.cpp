#include "startup/Baslangic.h"

int main(int argc, char** argv) { return BaşlangıçSırası(argc, argv); }
