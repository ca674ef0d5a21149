#include "dbadmin/Receipt.h"

#include <QFile>

#include "textio/Exception.h"

// It names students: its user's alone, whatever the umask.
TReceiptWriter::TReceiptWriter(const QString& path)
    : file_(path, TReplacedFile::Mode::OwnerOnly,
            TPhrase("Receipt", QT_TRANSLATE_NOOP("Receipt", "the receipt ")),
            TPhrase("Receipt", QT_TRANSLATE_NOOP("Receipt", " (nothing stored)")))
{
}

void TReceiptWriter::Write(const std::vector<TStudentRecord>& records)
{
    std::string text = std::string(kReceiptHeader) + "\r\n";
    for (const TStudentRecord& record : records) {
        text += ReceiptLine(record) + "\r\n";
    }
    const TPhrase kStored(
        "Receipt",
        QT_TRANSLATE_NOOP("Receipt", " (the students are stored; undo needs the receipt)"));
    file_.Write(QByteArray(text.data(), qsizetype(text.size())), kStored);
    file_.Commit(kStored);
}

std::vector<TStudentRecord> ReadReceipt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw Exception(Joined({path.toStdString(), file.errorString().toStdString()}, "%1: %2"));
    }
    const QByteArray bytes = file.readAll();
    return ParseReceipt(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}
