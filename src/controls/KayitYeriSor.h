#pragma once

#include <QString>

class QWidget;

// Asks where to write a new file: a save dialog shown through the modal helper, opened in
// `klasör` (the home folder when it is empty) with `önerilenAd`, and the question about an
// existing file through the program's own message boxes. On success `klasör` becomes the
// chosen file's folder, for the next question. Empty when the user gives no file.
struct KayıtYeri {
    QString başlık;
    QString nesneAdı;
    QString önerilenAd;
    QString süzgeç;
    QString uzantı;
};
QString KayıtYeriSor(QWidget* sahip, const KayıtYeri& yer, QString& klasör);
