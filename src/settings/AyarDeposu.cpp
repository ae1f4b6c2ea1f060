#include "settings/AyarDeposu.h"

#include <QCollator>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>

namespace {
QSettings depo() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Selvane"),
                     QStringLiteral("Tarvela"));
}

QString grup(const QString& bölüm) {
    QString g = bölüm;
    return g.replace('\\', '/');
}

// "Sira-10" sorts after "Sira-2": split a key into its text and its trailing number.
bool anahtarÖnce(const QString& a, const QString& b) {
    static const QRegularExpression sonSayı(QStringLiteral("^(.*?)(\\d+)$"));
    const auto ea = sonSayı.match(a), eb = sonSayı.match(b);
    if (ea.hasMatch() && eb.hasMatch() && ea.captured(1) == eb.captured(1)) {
        const qulonglong na = ea.captured(2).toULongLong(), nb = eb.captured(2).toULongLong();
        if (na != nb)
            return na < nb;
    }
    return a < b;
}
} // namespace

namespace AyarDeposu {

QString GetSetting(const QString& bölüm, const QString& anahtar, const QString& varsayılan) {
    QSettings s = depo();
    s.beginGroup(grup(bölüm));
    const QVariant değer = s.value(anahtar);
    return değer.isValid() ? değer.toString() : varsayılan;
}

void SaveSetting(const QString& bölüm, const QString& anahtar, const QString& değer) {
    QSettings s = depo();
    s.beginGroup(grup(bölüm));
    s.setValue(anahtar, değer);
}

void DeleteSetting(const QString& bölüm) {
    QSettings s = depo();
    s.remove(grup(bölüm));
}

Çiftler GetAllSettings(const QString& bölüm) {
    QSettings s = depo();
    s.beginGroup(grup(bölüm));
    QStringList anahtarlar = s.childKeys();
    std::sort(anahtarlar.begin(), anahtarlar.end(), anahtarÖnce);
    Çiftler sonuç;
    for (const QString& a : anahtarlar)
        sonuç.append({a, s.value(a).toString()});
    return sonuç;
}

QString dosyaYolu() { return depo().fileName(); }

} // namespace AyarDeposu
