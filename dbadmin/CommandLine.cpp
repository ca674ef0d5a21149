#include "dbadmin/CommandLine.h"

#include <QCoreApplication>

#include "store/aliases/AliasFile.h"

namespace {

UsageError Refusal(const char* source, std::vector<TPhrase> args = {})
{
    return UsageError(TPhrase("CommandLine", source, std::move(args)));
}

}  // namespace

QList<QCommandLineOption> LibpqOptions()
{
    QList<QCommandLineOption> options;
    for (const TLibpqSetting& setting : kLibpqSettings) {
        options.append(QCommandLineOption(
            QString::fromLatin1(setting.keyword),
            QCoreApplication::translate("CommandLine", "libpq's %1 setting.")
                .arg(QString::fromLatin1(setting.keyword)),
            setting.namesFile ? QStringLiteral("FILE") : QStringLiteral("VALUE")));
    }
    return options;
}

SubcommandLine::SubcommandLine(const QString& command, const QStringList& arguments,
                               const QList<QCommandLineOption>& options, int least, int most)
{
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOptions(options);
    if (!parser_.parse(QStringList{command} + arguments)) {
        throw UsageError(parser_.errorText().toStdString());
    }
    positional_ = parser_.positionalArguments();
    if (positional_.size() < least) {
        throw Refusal(QT_TRANSLATE_NOOP("CommandLine", "too few arguments"));
    }
    if (positional_.size() > most) {
        throw Refusal(QT_TRANSLATE_NOOP("CommandLine", "unexpected argument '%1'"),
                      {positional_.value(most).toStdString()});
    }
    for (const QString& argument : positional_) {
        if (argument.isEmpty()) {
            throw Refusal(
                QT_TRANSLATE_NOOP("CommandLine", "an argument is empty (an unset variable?)"));
        }
    }
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty() && parser_.isSet(option) &&
            parser_.value(option).isEmpty()) {
            throw Refusal(QT_TRANSLATE_NOOP("CommandLine", "--%1 is empty"),
                          {option.names().first().toStdString()});
        }
    }
}

int SubcommandLine::Number(const QCommandLineOption& option, int least, int most) const
{
    bool number = false;
    const QString text = parser_.value(option);
    const int value = text.toInt(&number);
    if (!number || value < least || value > most) {
        throw Refusal(
            QT_TRANSLATE_NOOP("CommandLine", "--%1 takes a whole number from %2 to %3, not '%4'"),
            {option.names().first().toStdString(), std::to_string(least), std::to_string(most),
             text.toStdString()});
    }
    return value;
}
