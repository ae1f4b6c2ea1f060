#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The per-user settings store: sections of text keys under "Selvane\Tarvela". A section
// name may hold a backslash, which nests it ("Listeler\Liste-1").
namespace AyarDeposu {
using Çiftler = QList<QPair<QString, QString>>;

QString GetSetting(const QString& bölüm, const QString& anahtar,
                   const QString& varsayılan = QString());
void SaveSetting(const QString& bölüm, const QString& anahtar, const QString& değer);
// Removes the section with all its keys and all sections nested in it.
void DeleteSetting(const QString& bölüm);
// The section's own keys with their values; keys numbered like "Sira-2", "Sira-10" come in
// numeric order. Keys of nested sections do not count.
Çiftler GetAllSettings(const QString& bölüm);

// Where the store lies on disk.
QString dosyaYolu();
} // namespace AyarDeposu
