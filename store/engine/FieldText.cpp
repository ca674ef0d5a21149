#include "store/engine/FieldText.h"

#include <QLocale>
#include <QString>

#include "textio/Utf8Text.h"

void AppendNullText(TRecordWindow& window)
{
    window.texts.emplace_back();
    window.nulls.push_back(1);
}

void AppendIntegerText(TRecordWindow& window, long long value)
{
    window.texts.push_back(std::to_string(value));
    window.nulls.push_back(0);
}

void AppendRealText(TRecordWindow& window, double value)
{
    window.texts.push_back(
        QString::number(value, 'g', QLocale::FloatingPointShortest).toStdString());
    window.nulls.push_back(0);
}

void AppendCharacterText(TRecordWindow& window, std::string_view bytes)
{
    if (IsValidUtf8(bytes)) {
        window.texts.emplace_back(bytes);
    } else {
        window.texts.push_back(
            QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toStdString());
    }
    window.nulls.push_back(0);
}

void AppendFieldText(TRecordWindow& window, const QVariant& value)
{
    if (value.isNull()) {
        AppendNullText(window);
        return;
    }
    switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            AppendIntegerText(window, value.toLongLong());
            break;
        case QMetaType::Double:
        case QMetaType::Float:
            AppendRealText(window, value.toDouble());
            break;
        default:
            AppendCharacterText(window, value.toString().toStdString());
    }
}

std::string_view AsQtConverts(std::string_view bytes, std::string& scratch)
{
    if (IsValidUtf8(bytes) && !bytes.starts_with("\xEF\xBB\xBF")) {
        return bytes;
    }
    scratch = QString::fromUtf8(bytes.data(), qsizetype(bytes.size())).toStdString();
    return scratch;
}
