#include "dbadmin/Receipt.h"

#include <sys/stat.h>

#include <QFile>
#include <QSaveFile>

#include "textio/Exception.h"

void WriteReceipt(const QString& path, const std::vector<TPostedRecord>& records)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw Exception("receipt " + path.toStdString() + ": " + file.errorString().toStdString());
    }
    // It names students: its user's alone, whatever the umask.
    ::fchmod(file.handle(), S_IRUSR | S_IWUSR);
    std::string text = std::string(kReceiptHeader) + "\r\n";
    for (const TPostedRecord& record : records) {
        text += ReceiptLine(record) + "\r\n";
    }
    file.write(text.data(), qint64(text.size()));
    if (!file.commit()) {
        throw Exception("receipt " + path.toStdString() + ": " + file.errorString().toStdString() +
                        " (the students are stored; undo needs the receipt)");
    }
}

std::vector<TPostedRecord> ReadReceipt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception(path.toStdString() + ": " + file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    return ParseReceipt(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
