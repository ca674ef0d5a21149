// cardovane-dbadmin: defines database aliases for the student list tool, creates the StudentList
// table in an alias's database (the program itself creates no table), and runs the batch import
// and export for scheduled jobs.

#include <QCoreApplication>
#include <QTextStream>

#include "dbadmin/CommandLine.h"
#include "dbadmin/Subcommands.h"
#include "import/PostingHistory.h"
#include "l10n/PhraseText.h"
#include "l10n/Translations.h"
#include "textio/ErrorText.h"

namespace {

int Usage(const TSubcommand* command, const QString& message)
{
    const QString synopsis =
        QStringLiteral("cardovane-dbadmin ") +
        (command ? Synopsis(*command).simplified() : QStringLiteral("COMMAND ..."));
    QTextStream(stderr) << "cardovane-dbadmin: " << message << "\n"
                        << QCoreApplication::translate("Usage",
                                                       "usage: %1 (see cardovane-dbadmin --help)")
                               .arg(synopsis)
                        << '\n';
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    InstallTranslations();
    // A job's output carries the command's own messages alone: what Qt's libraries say on the
    // way (a statement on a connection the server dropped, a server's notices) the command's
    // error tells in its words, or is no news.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QStringList args = app.arguments().mid(1);
    const QString name = args.value(0);
    const DbAdminOptions options;
    if (name == QLatin1String("--version")) {
        QTextStream(stdout) << "cardovane-dbadmin " << CARDOVANE_VERSION << "\n";
        return 0;
    }
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        QTextStream(stdout) << UsageText(options);
        return 0;
    }
    if (args.size() < 2) {
        QTextStream(stderr) << UsageText(options);
        return 2;
    }
    const std::vector<TSubcommand> commands = Subcommands(options);
    const TSubcommand* command = nullptr;
    for (const TSubcommand& c : commands) {
        if (name == QLatin1String(c.name)) {
            command = &c;
        }
    }
    if (!command) {
        return Usage(nullptr, QCoreApplication::translate("Usage", "unknown command %1").arg(name));
    }
    // What a failure names: the command and the alias or file it was given, never an option's
    // value (a password may be one).
    QString subject = name;
    try {
        const SubcommandLine line(name, args.mid(1), command->options, command->least,
                                  command->most);
        // A command given fewer words (undo --posting, postings) names what it has.
        const QString named = line.Positional().value(command->named, line.Positional().value(0));
        subject = named.isEmpty() ? name : name + QLatin1Char(' ') + named;
        // Postings older than the history keeps go as a command starts; a setting that cannot be
        // read is said and removes nothing, and the command goes on.
        try {
            TPostingHistory history;
            PruneHistory(history);
        } catch (const std::exception& error) {
            QTextStream(stderr) << "cardovane-dbadmin: " << TranslatedMessage(error) << '\n';
        }
        return command->run(line, options);
    } catch (const UsageError& error) {
        return Usage(command, name + QStringLiteral(": ") + TranslatedMessage(error));
    } catch (const std::exception& error) {
        // One line: an engine's message may run over several.
        QString message =
            QString::fromStdString(TopLevelMessageText(TranslatedMessage(error).toStdString()));
        message.replace(QStringLiteral("\r\n"), QStringLiteral(" / "));
        message.replace(QLatin1Char('\n'), QStringLiteral(" / "));
        QTextStream(stderr) << "cardovane-dbadmin: " << subject << ": " << message << '\n';
        return 1;
    }
}
