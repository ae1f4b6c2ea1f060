#pragma once

#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// What a day is for the courts.
enum class GünTürü {
    İşGünü,
    HaftaSonu, // Saturday or Sunday that is no official holiday
    Tatil,     // a full-day official holiday
    YarımGün,  // a working day whose afternoon is a holiday (an arefe, 28 October)
};

struct GünBilgisi {
    GünTürü tür = GünTürü::İşGünü;
    // The holiday's name ("Ramazan Bayramı", "Cumhuriyet Bayramı arifesi"), "hafta sonu", or
    // empty on a plain working day.
    QString ad;
    // The afternoon off is the arefe of a religious holiday.
    bool arefe = false;
    // The day comes from a religious holiday whose date was estimated, not published.
    bool tahmini = false;
    // The day's year has no religious holidays in the calendar file: only weekends and the
    // national days are known for it.
    bool bayramlarBilinmiyor = false;
};

// The official holidays: the national days of the law by rule (day and month, from a first
// year on), built in so that no holiday file can drop them, and the religious holidays by the
// first days listed in a plain-text file that the user can edit (Tatiller.txt beside the
// program); the file may add days of the office's own. Ramazan Bayramı lasts 3 days, Kurban
// Bayramı 4, each after an arefe whose afternoon is off.
//
// Working days: every day that is neither a Saturday, a Sunday nor a full-day holiday. Half
// days (arefe, 28 October) count as working days: the office works in the morning, and a
// deadline that ends on one ends that day, before noon.
class TatilTakvimi {
public:
    static inline const QString DosyaAdı = QStringLiteral("Tatiller.txt");

    // Reads the file's text; a line it cannot read throws Hata naming the line, as does a line
    // that would put a religious holiday a second time within 300 days of the same holiday
    // (a lunar year is some 354 days).
    static TatilTakvimi metinden(const QString& metin);
    // Reads the file (UTF-8); a missing or unreadable file throws Hata.
    static TatilTakvimi dosyadan(const QString& yol);

    GünBilgisi gün(const QDate& tarih) const;
    // Neither a weekend day nor a full-day holiday (half days are working days).
    bool işGünüMü(const QDate& tarih) const;
    // The year has both its Ramazan and its Kurban Bayramı in the file.
    bool bayramlarBiliniyor(int yıl) const;

private:
    struct SabitGün {
        int ay;
        int gün;
        int ilkYıl;
        bool yarım;
        QString ad;
    };
    struct DiniGün {
        QString ad;
        bool yarım;
        bool tahmini;
    };
    static QList<SabitGün> kanunGünleri();
    // False, with nothing added, when the same holiday already begins within 300 days.
    bool bayramEkle(const QDate& ilkGün, bool ramazan, bool tahmini);

    QList<SabitGün> sabitler_ = kanunGünleri();
    QList<QDate> ramazanlar_, kurbanlar_; // first days
    QHash<qint64, DiniGün> diniGünler_;   // by Julian day
    QSet<int> ramazanYılları_;
    QSet<int> kurbanYılları_;
};
