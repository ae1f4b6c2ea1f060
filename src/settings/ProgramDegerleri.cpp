#include "settings/ProgramDegerleri.h"

ProgramDeğerleri& program() {
    static ProgramDeğerleri değerler;
    return değerler;
}

QString sürümMetni(int ana, int alt, int düzeltme) {
    return QString::number(ana) + '.' + QString::number(alt) + QString::number(düzeltme);
}

QString uygulamaBaşlığınıOluştur(int ana, int alt, int düzeltme) {
    return QStringLiteral("Selvane - Tarvela ") + sürümMetni(ana, alt, düzeltme) +
           QStringLiteral(" (İstemci)");
}

QString buSürümünBaşlığı() {
    return uygulamaBaşlığınıOluştur(TARVELA_SURUM_ANA, TARVELA_SURUM_ALT, TARVELA_SURUM_DUZELTME);
}

QString programKlasörünüOluştur(const QString& klasör) {
    QString k = klasör;
    if (!k.endsWith('/') && !k.endsWith('\\'))
        k.append('/');
    return k;
}
