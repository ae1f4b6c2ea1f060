#include "database/sunucu/SunucuMotoru.h"

#include "database/JetCevirici.h"
#include "database/Veritabani.h"
#include "database/VeritabaniIc.h"
#include "database/sunucu/SunucuIc.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>

#include <poll.h>

using namespace Sunucuİç;

namespace {

// Adds a row of a text-format result to the rows, from column `ilk` on, in the form the
// face types values from (see okunan): yes/no fields and numbers as whole numbers, every
// other value as its text (dates as YYYY-MM-DD, times as HH:MM:SS).
void hamSatırEkle(HamSatırlar& satırlar, const PGresult* r, int satır, int ilk,
                  const std::vector<AlanTürü>& türler) {
    for (int s = ilk; s < ilk + int(türler.size()); ++s) {
        if (PQgetisnull(r, satır, s)) {
            satırlar.boş();
            continue;
        }
        const char* m = PQgetvalue(r, satır, s);
        const int n = PQgetlength(r, satır, s);
        switch (türler[size_t(s - ilk)]) {
        case AlanTürü::EvetHayır:
            satırlar.tamsayı(n > 0 && (m[0] == 't' || (m[0] >= '1' && m[0] <= '9')));
            break;
        case AlanTürü::Sayaç:
            satırlar.tamsayı(QByteArrayView(m, n).toLongLong());
            break;
        case AlanTürü::Tarih:
            satırlar.metin(m, std::min(n, 10));
            break;
        case AlanTürü::Saat:
            satırlar.metin(m, std::min(n, 8));
            break;
        default:
            satırlar.metin(m, n);
        }
    }
}

// Names come from the schema's own column list, never from the caller.
QString tırnaklı(const QString& ad) {
    QString a = ad;
    a.replace(u'"', QStringLiteral("\"\""));
    return u'"' + a + u'"';
}

class Sunucu final : public VeritabanıMotoru {
public:
    Sunucu(const QString& adres, const QString& parola) : adres_(adres), parola_(parola) {
        bağlantıKur();
    }

    QString yol() const override { return adres_; }

    OkunanSatırlar oku(const QString& deyim, bool hepsi, bool* değiştirilebilir,
                       QString* tablo) override {
        const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(deyim, JetÇevirici::Lehçe::Sunucu);
        if (!yazmada_) {
            Veritabanıİç::planlıHatayıAt();
            hazırOl();
        }
        if (değiştirilebilir)
            *değiştirilebilir = çeviri.değiştirilebilir;
        if (tablo)
            *tablo = çeviri.tablo;
        // Every row of a whole table comes in no order and is sorted here, so that the
        // server does not sort the table for each computer's list.
        return satırlar(çeviri, hepsi, hepsi && !çeviri.tabloSırasıyla.isEmpty());
    }

    // One transaction; a lock held by another computer longer than the wait gives Meşgul.
    // A deadlock or a serialization failure (the server chose this write to give way) is
    // tried again while the wait lasts.
    void yazma(const std::function<void()>& iş) override {
        if (yazmada_) {
            iş();
            return;
        }
        Veritabanıİç::planlıHatayıAt();
        hazırOl();
        QElapsedTimer süre;
        süre.start();
        while (true) {
            try {
                gönder(QStringLiteral("BEGIN"));
                yazmada_ = true;
                // The wait is a number of ours, not a value from outside.
                gönder(QStringLiteral("SET LOCAL lock_timeout = %1")
                           .arg(std::max(1, Veritabanıİç::beklemeSüresi())));
                iş();
                gönder(QStringLiteral("COMMIT"));
                yazmada_ = false;
                return;
            } catch (const Hata& h) {
                yazmada_ = false;
                if (c_ && PQstatus(c_.get()) == CONNECTION_OK)
                    PQclear(PQexec(c_.get(), "ROLLBACK"));
                const bool yeniden =
                    sonKod_ == QLatin1String("40001") || sonKod_ == QLatin1String("40P01");
                if (!yeniden || süre.elapsed() >= Veritabanıİç::beklemeSüresi())
                    throw;
                Veritabanıİç::beklemeSay();
                QThread::msleep(20);
            }
        }
    }

    void işlem(const std::function<void()>& iş) override {
        if (işlemde_)
            throw Hata(HataNo::Beklenmeyen, QStringLiteral("İç içe işlem açılamaz."));
        yazma([&]() {
            struct Bayrak {
                bool& b;
                ~Bayrak() { b = false; }
            } bayrak{işlemde_ = true};
            iş();
        });
    }

    void ekle(const QString& tablo, const QStringList& adlar,
              const QList<QVariant>& değerler) override {
        QStringList sütunlar, yerler;
        for (int i = 0; i < adlar.size(); ++i) {
            sütunlar << tırnaklı(adlar[i]);
            yerler << QStringLiteral("$%1").arg(i + 1);
        }
        gönder(adlar.isEmpty()
                   ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(tırnaklı(tablo))
                   : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                         .arg(tırnaklı(tablo), sütunlar.join(", "), yerler.join(", ")),
               değerler);
    }

    std::optional<std::vector<QVariant>> satırıKilitle(const QString& tablo, qint64 satır,
                                                       const QStringList& adlar) override {
        QStringList sütunlar;
        for (const QString& ad : adlar)
            sütunlar << tırnaklı(ad);
        // FOR UPDATE: another computer's change of the row waits until this write ends.
        const Sonuç r = gönder(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = $1 FOR UPDATE")
                                   .arg(sütunlar.join(", "), tırnaklı(tablo),
                                        tırnaklı(JetÇevirici::sunucuSatırNo(tablo))),
                               {satır});
        if (PQntuples(r.get()) == 0)
            return std::nullopt;
        // Typed as the rows read before were, so that an unchanged value compares equal.
        std::vector<AlanTürü> türler;
        for (const QString& ad : adlar)
            türler.push_back(alanTürü(ad));
        HamSatırlar satırlar(int(türler.size()));
        hamSatırEkle(satırlar, r.get(), 0, 0, türler);
        std::vector<QVariant> değerler;
        for (int s = 0; s < int(türler.size()); ++s)
            değerler.push_back(okunan(türler[size_t(s)], satırlar, satırlar.hücre(0, s)));
        return değerler;
    }

    qint64 güncelle(const QString& tablo, qint64 satır, const QStringList& adlar,
                    const QList<QVariant>& değerler) override {
        QStringList atamalar;
        for (int i = 0; i < adlar.size(); ++i)
            atamalar << QStringLiteral("%1 = $%2").arg(tırnaklı(adlar[i])).arg(i + 1);
        QList<QVariant> hepsi = değerler;
        hepsi << satır;
        const Sonuç r = gönder(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = $%4")
                                   .arg(tırnaklı(tablo), atamalar.join(", "),
                                        tırnaklı(JetÇevirici::sunucuSatırNo(tablo)))
                                   .arg(hepsi.size()),
                               hepsi);
        return QByteArray(PQcmdTuples(r.get())).toLongLong();
    }

    qint64 sil(const QString& tablo, qint64 satır) override {
        const Sonuç r =
            gönder(QStringLiteral("DELETE FROM %1 WHERE %2 = $1")
                       .arg(tırnaklı(tablo), tırnaklı(JetÇevirici::sunucuSatırNo(tablo))),
                   {satır});
        return QByteArray(PQcmdTuples(r.get())).toLongLong();
    }

    qint64 çalıştır(const QString& deyim) override {
        const JetÇevirici::Sonuç çeviri = JetÇevirici::çevir(deyim, JetÇevirici::Lehçe::Sunucu);
        qint64 değişen = 0;
        yazma([&]() {
            const Sonuç r = gönder(çeviri.sql, çeviri.parametreler);
            değişen = QByteArray(PQcmdTuples(r.get())).toLongLong();
        });
        return değişen;
    }

    // Counts the change notices of other connections that arrived meanwhile; no statement
    // is sent. A connection made anew may have missed some, so it counts as a change.
    quint64 değişiklikDamgası() override {
        if (!yazmada_)
            hazırOl();
        else
            bildirimleriTopla();
        return damga_;
    }

    QString kimlik() override {
        if (!yazmada_) {
            Veritabanıİç::planlıHatayıAt();
            hazırOl();
        }
        const Sonuç r = gönder(QStringLiteral("SELECT \"Degeri\" FROM \"%1\" WHERE \"Adi\" = $1")
                                   .arg(QLatin1String(Veritabanıİç::BilgiTablosu)),
                               {QString::fromLatin1(Veritabanıİç::KimlikAdı)});
        const QString değer = PQntuples(r.get()) ? metin(r.get(), 0, 0).trimmed() : QString();
        if (değer.isEmpty())
            throw AçılanDosyaHatası(Hata(HataNo::VeritabanıDeğil,
                                         QStringLiteral("Sunucudaki veritabanının kimliği yok; "
                                                        "LodraVt ile oluşturulmamış.")));
        return değer;
    }

private:
    OkunanSatırlar satırlar(const JetÇevirici::Sonuç& çeviri, bool hepsi, bool kendimiz) {
        // A recordset opened to add or change one row asks for two rows (the first, and
        // whether more follow), so that adding a job does not fetch the whole table; the
        // rest comes in one answer when it is read.
        const bool ikiSatır = !hepsi && çeviri.seçim;
        const Sonuç r = gönder(kendimiz   ? çeviri.tabloSırasıyla
                               : ikiSatır ? çeviri.sql + QStringLiteral(" LIMIT 2")
                                          : çeviri.sql,
                               kendimiz ? QList<QVariant>() : çeviri.parametreler);
        const int ilk = çeviri.değiştirilebilir ? 1 : 0;
        const int sütunSayısı = PQnfields(r.get());
        const int satırSayısı = PQntuples(r.get());
        OkunanSatırlar o;
        std::vector<AlanTürü> türler;
        for (int s = ilk; s < sütunSayısı; ++s) {
            o.adlar << QString::fromUtf8(PQfname(r.get(), s));
            türler.push_back(alanTürü(o.adlar.last()));
        }
        o.ham = HamSatırlar(int(türler.size()));
        o.satırNo.reserve(size_t(satırSayısı));
        const int okunacak = ikiSatır ? std::min(satırSayısı, 1) : satırSayısı;
        o.dahaVar = ikiSatır && satırSayısı > 1;
        // The rows by their numbers first: ties of the order asked for keep that order.
        std::vector<std::pair<qint64, int>> sıra;
        sıra.reserve(size_t(okunacak));
        for (int i = 0; i < okunacak; ++i)
            sıra.emplace_back(ilk ? QByteArrayView(PQgetvalue(r.get(), i, 0)).toLongLong() : 0, i);
        if (kendimiz)
            std::sort(sıra.begin(), sıra.end());
        for (const auto& [no, i] : sıra) {
            o.satırNo.push_back(no);
            hamSatırEkle(o.ham, r.get(), i, ilk, türler);
        }
        if (kendimiz && !satırlarıSırala(o, çeviri.sıralamaAlanları))
            // An order by something that is no column of its own: the server sorts.
            return satırlar(çeviri, hepsi, false);
        return o;
    }

    void bağlantıKur() {
        c_.reset();
        Bağlantı c = bağlan(adres_, parola_);
        const QStringList sorunlar = şemaSorunları(c.get());
        if (!sorunlar.isEmpty())
            throw AçılanDosyaHatası(
                Hata(HataNo::VeritabanıDeğil, QStringLiteral("Veritabanı bir Tarvela veritabanı "
                                                             "değil: ") +
                                                  sorunlar.join("; ")));
        Sunucuİç::çalıştır(c.get(), QStringLiteral("LISTEN %1").arg(QLatin1String(Kanal)));
        PQsetNoticeReceiver(c.get(), &Sunucu::uyarıAlındı, this);
        kesildi_ = false;
        c_ = std::move(c);
    }

    // The server's messages outside a statement. It says FATAL before it ends a connection
    // (an administrator ended it, or the server stops); the connection is made anew at the
    // next step, whether or not its end has reached this computer yet. Other notices are of
    // no use to the user.
    static void uyarıAlındı(void* bu, const PGresult* r) {
        const char* önem = PQresultErrorField(r, PG_DIAG_SEVERITY_NONLOCALIZED);
        if (önem && (qstrcmp(önem, "FATAL") == 0 || qstrcmp(önem, "PANIC") == 0))
            static_cast<Sunucu*>(bu)->kesildi_ = true;
    }

    // Before a step outside a transaction: a connection that the server or the network
    // dropped is made again, so that the user needs no restart.
    void hazırOl() {
        if (c_)
            bildirimleriTopla();
        if (!c_ || kesildi_ || PQstatus(c_.get()) != CONNECTION_OK) {
            bağlantıKur();
            ++damga_;
        }
    }

    // Reads what the server sent meanwhile, without a statement: change notices, and the
    // server's word that it ended the connection followed by the connection's end.
    void bildirimleriTopla() {
        if (!c_)
            return;
        for (int i = 0; i < 16; ++i) {
            pollfd okunacak{PQsocket(c_.get()), POLLIN, 0};
            if (i > 0 && ::poll(&okunacak, 1, 0) <= 0)
                break;
            if (!PQconsumeInput(c_.get()) || PQstatus(c_.get()) != CONNECTION_OK)
                return;
        }
        const int ben = PQbackendPID(c_.get());
        while (PGnotify* n = PQnotifies(c_.get())) {
            if (n->be_pid != ben)
                ++damga_;
            PQfreemem(n);
        }
    }

    Sonuç gönder(const QString& sql, const QList<QVariant>& değerler = {}) {
        if (!c_)
            throw Hata(HataNo::DiskVeyaAğHatası, QStringLiteral("Sunucuyla bağlantı koptu."));
        sonKod_.clear();
        try {
            return Sunucuİç::çalıştır(c_.get(), sql, değerler, &sonKod_);
        } catch (const Hata&) {
            if (PQstatus(c_.get()) != CONNECTION_OK)
                c_.reset();
            throw;
        }
    }

    QString adres_, parola_;
    Bağlantı c_;
    bool yazmada_ = false, işlemde_ = false, kesildi_ = false;
    quint64 damga_ = 0;
    QString sonKod_;
};

} // namespace

namespace SunucuMotoru {
std::shared_ptr<VeritabanıMotoru> aç(const QString& adres, const QString& parola) {
    return std::make_shared<Sunucu>(adres, parola);
}
} // namespace SunucuMotoru
