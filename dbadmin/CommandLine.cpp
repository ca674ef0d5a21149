#include "dbadmin/CommandLine.h"

#include "store/aliases/AliasFile.h"

QList<QCommandLineOption> LibpqOptions()
{
    QList<QCommandLineOption> options;
    for (const TLibpqSetting& setting : kLibpqSettings) {
        options.append(QCommandLineOption(
            QString::fromLatin1(setting.keyword),
            QStringLiteral("libpq's %1 setting.").arg(QString::fromLatin1(setting.keyword)),
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
        throw UsageError("too few arguments");
    }
    if (positional_.size() > most) {
        throw UsageError("unexpected argument '" + positional_.value(most).toStdString() + "'");
    }
    for (const QString& argument : positional_) {
        if (argument.isEmpty()) {
            throw UsageError("an argument is empty (an unset variable?)");
        }
    }
    for (const QCommandLineOption& option : options) {
        if (!option.valueName().isEmpty() && parser_.isSet(option) &&
            parser_.value(option).isEmpty()) {
            throw UsageError("--" + option.names().first().toStdString() + " is empty");
        }
    }
}

int SubcommandLine::Number(const QCommandLineOption& option, int least, int most) const
{
    bool number = false;
    const QString text = parser_.value(option);
    const int value = text.toInt(&number);
    if (!number || value < least || value > most) {
        throw UsageError("--" + option.names().first().toStdString() +
                         " takes a whole number from " + std::to_string(least) + " to " +
                         std::to_string(most) + ", not '" + text.toStdString() + "'");
    }
    return value;
}
