#include "dbadmin/Receipt.h"

#include <sys/stat.h>

#include <QFile>

#include "textio/Exception.h"

TReceiptWriter::TReceiptWriter(const QString& path) : file_(path)
{
    if (!file_.open(QIODevice::WriteOnly)) {
        throw Exception("receipt " + path.toStdString() + ": " + file_.errorString().toStdString() +
                        " (nothing stored)");
    }
    // It names students: its user's alone, whatever the umask.
    ::fchmod(file_.handle(), S_IRUSR | S_IWUSR);
}

void TReceiptWriter::Write(const std::vector<TStudentRecord>& records)
{
    std::string text = std::string(kReceiptHeader) + "\r\n";
    for (const TStudentRecord& record : records) {
        text += ReceiptLine(record) + "\r\n";
    }
    file_.write(text.data(), qint64(text.size()));
    if (!file_.commit()) {
        throw Exception("receipt " + file_.fileName().toStdString() + ": " +
                        file_.errorString().toStdString() +
                        " (the students are stored; undo needs the receipt)");
    }
}

std::vector<TStudentRecord> ReadReceipt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception(path.toStdString() + ": " + file.errorString().toStdString());
    }
    const QByteArray bytes = file.readAll();
    return ParseReceipt(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
