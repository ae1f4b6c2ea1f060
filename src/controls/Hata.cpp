#include "controls/Hata.h"

Hata::Hata(int numara, QString açıklama)
    : numara_(numara), açıklama_(std::move(açıklama)),
      metin_(QString::number(numara).toStdString() + ": " + açıklama_.toStdString()) {}
