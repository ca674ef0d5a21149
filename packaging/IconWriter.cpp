// Writes the program icon as PNG files for the desktop's icon theme:
// IconWriter FOLDER NAME SIZE... writes FOLDER/SIZExSIZE/apps/NAME.png for each size.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "app/Artwork.h"

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: IconWriter FOLDER NAME SIZE...\n");
        return 2;
    }
    for (const QString& size : args.mid(3)) {
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1], size);
        const QString file = QStringLiteral("%1/%2.png").arg(folder, args[2]);
        if (!QDir().mkpath(folder) || !ProgramIconPicture(size.toInt()).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
