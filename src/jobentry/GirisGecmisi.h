#pragma once

#include <QString>
#include <QStringList>

// The remembered entries of one box of the entry window (subject, place or number): the
// list shown in the box's drop-down, index 0 at the top, and its section of the settings
// store with keys "Sira-1", "Sira-2", ...
class GirişGeçmişi {
public:
    explicit GirişGeçmişi(QString bölüm);

    const QString& bölüm() const { return bölüm_; }
    const QStringList& liste() const { return liste_; }
    void boşalt() { liste_.clear(); }

    // Appends the section's values to the list in the order the store gives its keys.
    void yükle();
    // True when an entry equals the text apart from letter case (Turkish I/ı and İ/i).
    bool içerir(const QString& metin) const;
    // Remembers the text with the cap on the number of entries: below the cap the text
    // goes to the top of the list and to the end of the section; at the cap the last entry
    // drops out and the section is rewritten from the list; above the cap (lowered after
    // loading) nothing happens. An empty or known text is not remembered. True when the
    // list changed.
    bool ekle(const QString& metin, int üstSınır);

    static QString anahtar(int sıra) { return QStringLiteral("Sira-") + QString::number(sıra); }

private:
    QString bölüm_;
    QStringList liste_;
};
