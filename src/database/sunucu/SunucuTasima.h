#pragma once

#include <QString>

// moc cannot read Turkish identifiers; it needs nothing from this header.
#ifndef Q_MOC_RUN

// Moving an office's database from its file to an empty database on a server, for the
// database tool.
namespace SunucuTaşıma {

struct Sonuç {
    qint64 klasörSayısı = 0;
    qint64 işSayısı = 0;
};

// Copies every folder and job of the file (opened read-only with its key) to the server
// database in one server transaction: job numbers, folder keys and the folders' order kept,
// the job counter set past the largest number, and the file's identity stored on the
// server. Before the commit the rows are read back and compared with the file's, field by
// field through a digest; any difference rolls everything back (Hata). Refuses (Hata 3204)
// a database that already holds a folder or a job. The file is never written.
Sonuç taşı(const QString& dosya, const QString& dosyaParolası, const QString& adres,
           const QString& sunucuParolası = QString());

} // namespace SunucuTaşıma
#endif
