// The window in each language the program speaks, walked by the keyboard as a person walks it:
// its pages, menus, the review grid's menu and its dialogs. Every text a person or a screen reader
// meets there is translated (none left as the English program shows it) and fits its control;
// German screenshots of every page are kept for a person to look at.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <map>

#include "app/MainWindow.h"
#include "l10n/Counts.h"
#include "l10n/PhraseText.h"
#include "l10n/Translations.h"
#include "store/aliases/AliasFile.h"
#include "store/engine/Engine.h"
#include "tests/support/PersonSeam.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestDatabase.h"
#include "textio/Exception.h"
#include "textio/IOErrorCodes.h"
#include "textio/IOErrorMessage.h"
#include "textio/PrivateFiles.h"
#include "toolkit/Buttons.h"
#include "toolkit/Panels.h"
#include "toolkit/StringGrid.h"

namespace {

// Where a text stands ("TfMain/BitBtn5: text") and the text.
using TTexts = std::map<std::string, QString>;

// The same in every language: the product's name, its address, and what holds no word.
bool SameInEveryLanguage(const QString& text)
{
    static const QStringList kNames = {
        QStringLiteral("Cardovane Attendance"),
        QStringLiteral("www.cardovane.example   office@cardovane.example"), QStringLiteral("&OK"),
        QStringLiteral("OK"), QStringLiteral("DVK"),
        // The same word in Spanish.
        QStringLiteral("&No")};
    return kNames.contains(text) || text == QCoreApplication::applicationName() ||
           text.startsWith(QLatin1String("www.")) ||
           !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

std::string PlaceOf(const QWidget& widget, const QWidget& top)
{
    std::string place;
    for (const QWidget* at = &widget; at && at != top.parentWidget(); at = at->parentWidget()) {
        const QWidget* parent = at->parentWidget();
        const int index = parent ? int(parent->children().indexOf(const_cast<QWidget*>(at))) : 0;
        place =
            std::string(at->metaObject()->className()) + "#" +
            (at->objectName().isEmpty() ? std::to_string(index) : at->objectName().toStdString()) +
            (place.empty() ? "" : "/" + place);
    }
    return place;
}

// Every text of the window or dialog that is shown, with where it stands; a text that does not
// fit its control is added to `cut`.
void Collect(QWidget& top, TTexts& texts, QStringList& cut)
{
    // As a person sees it: laid out for the texts it now has.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QList<QWidget*> widgets = top.findChildren<QWidget*>();
    widgets.prepend(&top);
    for (QWidget* widget : widgets) {
        if (!widget->isVisibleTo(&top) && widget != &top) {
            continue;
        }
        const std::string place = PlaceOf(*widget, top);
        const auto add = [&](const char* what, const QString& text) {
            if (!text.isEmpty()) {
                texts[place + ": " + what] = text;
            }
        };
        add("title", widget->isWindow() ? widget->windowTitle() : QString());
        add("name", widget->accessibleName());
        add("description", widget->accessibleDescription());
        add("tooltip", widget->toolTip());
        for (const QAction* action : widget->actions()) {
            add(("action " + action->objectName().toStdString() +
                 std::to_string(widget->actions().indexOf(action)))
                    .c_str(),
                action->text());
        }
        bool fits = true;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            add("text", button->text());
            // The caption, without its mnemonic's mark, within the button's frame and icon.
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            // A button of the toolkit's that ends in an ellipsis shows the whole as its tooltip.
            fits = button->fontMetrics().horizontalAdvance(
                       QString(button->text()).remove(QLatin1Char('&'))) +
                           icon + 6 <=
                       button->width() ||
                   !button->toolTip().isEmpty() || qobject_cast<TButton*>(button);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            add("text", label->text());
            // A label of the toolkit's that ends in an ellipsis shows the whole as its tooltip.
            const auto* own = qobject_cast<TLabel*>(label);
            fits = label->wordWrap() || !label->pixmap().isNull() || (own && own->Elided()) ||
                   label->fontMetrics().horizontalAdvance(
                       QString(label->text()).remove(QLatin1Char('&'))) <= label->width() ||
                   !label->toolTip().isEmpty();
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            add("text", group->title());
            fits = group->fontMetrics().horizontalAdvance(group->title()) < group->width();
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget); memo && memo->isReadOnly()) {
            add("text", memo->toPlainText());
            // A memo's words are read whole, without scrolling.
            fits = memo->verticalScrollBar()->maximum() == 0;
        } else if (auto* tree = qobject_cast<QTreeWidget*>(widget)) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                const std::string heading = "heading " + std::to_string(c);
                add(heading.c_str(), tree->headerItem()->text(c));
                if (tree->header()->sectionSize(c) < tree->header()->sectionSizeHint(c)) {
                    cut << QString::fromStdString(place + ": " + heading) + QStringLiteral(": ") +
                               tree->headerItem()->text(c);
                }
            }
        }
        if (!fits) {
            cut << QString::fromStdString(place) + QStringLiteral(": ") + texts[place + ": text"];
        }
    }
}

struct TWalk {
    TTexts texts;
    QStringList cut;
};

// The whole window walked in the language: the splash page, the import page with a list that
// has marks, the review grid's menu, the postings dialog and the undo's question, the export
// page; on the server with a login, the login dialog; on SQLite with a protected table, the
// table password's dialog. Each page and dialog is shot to `screenshots` followed by its name, when
// given.
TWalk Walk(const QLocale& language, Backend backend, const QString& screenshots = {})
{
    InstallTranslations(language);
    InTemporaryWorkingDirectory cwd;
    TestDatabase::Options protectedTable;
    protectedTable.tablePassword = QStringLiteral("s3cret");
    TestDatabase db(backend, backend == Backend::PostgreSQL ? WithLogin() : protectedTable);
    TWalk walk;
    PersonSeam seam;
    const auto save = [&](QWidget& shown, const QString& name) {
        if (!screenshots.isEmpty()) {
            shown.grab().save(screenshots + name + QStringLiteral(".png"));
        }
    };
    const auto collect = [&](QDialog& dialog) {
        Collect(dialog, walk.texts, walk.cut);
        save(dialog, QString::fromUtf8(dialog.metaObject()->className()));
    };
    if (backend == Backend::PostgreSQL) {
        for (int login = 0; login < 2; ++login) {  // the window's database, then the list's
            seam.Then([&](QDialog& dialog) {
                collect(dialog);
                TypeThenReturn(TestDatabase::PgPassword())(dialog);
            });
        }
    } else {
        seam.Then([&](QDialog& dialog) {
            collect(dialog);
            TypeThenReturn(QStringLiteral("s3cret"))(dialog);
        });
    }
    // A list with a heading and a repeated student, so that the grid has marks and fixes.
    seam.Then(
        ChooseFileByKeys(WriteFile(cwd.Path(QStringLiteral("list.csv")),
                                   "IDNum,Firstname,Lastname\r\n1,Ann,Lee\r\n1,Ann,Lee\r\n")));
    seam.Then([&](QDialog& dialog) {  // "Postings..."
        collect(dialog);
        QTest::keyClick(Focus() ? Focus() : &dialog, Qt::Key_Escape);
    });
    seam.Then([&](QDialog& dialog) {  // "Undo Last Posting"'s question
        collect(dialog);
        QTest::keyClick(Focus() ? Focus() : &dialog, Qt::Key_Escape);
    });
    const auto shot = [&](TfMain& w, const char* page) { save(w, QString::fromUtf8(page)); };
    RunProgram(seam, [&](TfMain& w) {
        Collect(w, walk.texts, walk.cut);
        shot(w, "splash");
        ChooseMenuItem(w, 0);
        ASSERT_TRUE(TabTo(w, w.BitBtn4));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        Collect(w, walk.texts, walk.cut);
        shot(w, "import");
        // The grid's menu, by its key, with the fixes the list's marks call for.
        w.SGRecordStudents->setFocus();
        const QStringList menu =
            ChooseFromContextMenu(*w.SGRecordStudents, QString(QChar(1)));  // none chosen
        for (int i = 0; i < menu.size(); ++i) {
            walk.texts["review grid menu " + std::to_string(i)] = menu[i];
        }
        ASSERT_TRUE(TabTo(w, w.BitBtn5));
        QTest::keyClick(Focus(), Qt::Key_Space);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.BitBtnUndo->isEnabled(); }));
        Collect(w, walk.texts, walk.cut);
        shot(w, "posted");
        // "Postings...", then "Undo Last Posting": the dialog and the question.
        for (QAbstractButton* button : {static_cast<QAbstractButton*>(w.BitBtnPostings),
                                        static_cast<QAbstractButton*>(w.BitBtnUndo)}) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
            const std::size_t shown = seam.shown.size();
            ASSERT_TRUE(TabTo(w, button));
            QTest::keyClick(Focus(), Qt::Key_Space);
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return seam.shown.size() > shown && !QApplication::activeModalWidget() &&
                       w.isActiveWindow();
            }));
        }
        ChooseMenuItem(w, 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.isActiveWindow() && Focus(); }));
        Collect(w, walk.texts, walk.cut);
        shot(w, "export");
        QTest::keyClick(Focus(), Qt::Key_X, Qt::AltModifier);
    });
    for (std::size_t i = 0; i < seam.shown.size(); ++i) {
        const std::string shown =
            "shown " + std::to_string(i) + " " + seam.shown[i].kind.toStdString();
        walk.texts[shown + ": title"] = seam.shown[i].title;
        walk.texts[shown + ": text"] = seam.shown[i].text;
    }
    InstallTranslations(QLocale::c());
    return walk;
}

class Translated : public ::testing::TestWithParam<const char*> {};

TEST_P(Translated, EveryTextOfTheWindowIsInTheLanguageAndFits)
{
    const QString language = QString::fromUtf8(GetParam());
    ASSERT_TRUE(TranslatedLanguages().contains(language));
    for (const Backend backend : {Backend::SQLite, Backend::PostgreSQL}) {
        if (!TestDatabase::Available(backend)) {
            continue;
        }
        SCOPED_TRACE(BackendName(backend));
        const TWalk english = Walk(QLocale::c(), backend);
        const TWalk translated =
            Walk(QLocale(language), backend,
                 QStringLiteral(SCREENSHOT_DIR "/") + language + QLatin1Char('-') +
                     QString::fromStdString(BackendName(backend)) + QLatin1Char('-'));
        EXPECT_GT(english.texts.size(), 60u) << "the walk met the window's texts";
        EXPECT_TRUE(english.cut.isEmpty())
            << "texts cut off in English: " << english.cut.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(translated.cut.isEmpty())
            << "texts cut off: " << translated.cut.join(QLatin1Char('\n')).toStdString();
        for (const auto& [place, text] : english.texts) {
            const auto found = translated.texts.find(place);
            if (found == translated.texts.end()) {
                ADD_FAILURE() << place << " has no text in " << GetParam();
                continue;
            }
            if (found->second == text && !SameInEveryLanguage(text)) {
                ADD_FAILURE() << place << " is still English: " << text.toStdString();
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(App, Translated, ::testing::Values("de", "fr", "es"),
                         [](const auto& p) { return std::string(p.param); });

// An English or C desktop gets the program's own English; another language installs its
// catalogue or its family's, and a language the program does not speak falls back to English.
TEST(Translations, FollowTheLanguageAndFallBackToEnglish)
{
    const struct {
        const char* locale;
        bool installed;
        const char* exit;  // the menu item's caption then
    } cases[] = {
        {"C", false, "E&xit"},       {"en_US", false, "E&xit"},   {"en_GB", false, "E&xit"},
        {"de_DE", true, "B&eenden"}, {"de_AT", true, "B&eenden"}, {"fr_FR", true, "&Quitter"},
        {"fr_CA", true, "&Quitter"}, {"es_ES", true, "&Salir"},   {"es_MX", true, "&Salir"},
        {"it_IT", false, "E&xit"},   {"pt_BR", false, "E&xit"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        EXPECT_EQ(InstallTranslations(QLocale(QString::fromUtf8(c.locale))), c.installed);
        EXPECT_EQ(QCoreApplication::translate("TfMain", "E&xit"), QString::fromUtf8(c.exit));
        // Qt's own catalogue of the same language, for the buttons of its dialogs.
        EXPECT_EQ(
            QCoreApplication::translate("QPlatformTheme", "Cancel") != QLatin1String("Cancel"),
            c.installed);
    }
    // English's plural forms, with no catalogue at all.
    InstallTranslations(QLocale::c());
    EXPECT_EQ(StudentsText(1), QStringLiteral("1 student"));
    EXPECT_EQ(StudentsText(2), QStringLiteral("2 students"));
    EXPECT_EQ(StudentsText(0), QStringLiteral("0 students"));
    InstallTranslations(QLocale(QStringLiteral("fr_FR")));
    EXPECT_EQ(StudentsText(1), QStringLiteral("1 élève"));
    EXPECT_EQ(StudentsText(0), QStringLiteral("0 élève")) << "French counts none as one";
    EXPECT_EQ(StudentsText(2), QStringLiteral("2 élèves"));
    InstallTranslations(QLocale::c());
}

// An error of the program's own is said in the language; another's in its own words.
TEST(Translations, ErrorsAreSaidInTheLanguage)
{
    InstallTranslations(QLocale(QStringLiteral("de_DE")));
    EXPECT_EQ(TranslatedMessage(EInOutError(kIOFileNotFound, IOErrorMessage(kIOFileNotFound))),
              QStringLiteral("Datei nicht gefunden"));
    EXPECT_EQ(TranslatedMessage(EInOutError(7, IOErrorMessage(7))),
              QStringLiteral("Ein-/Ausgabefehler 7"));
    EXPECT_EQ(TranslatedMessage(Exception(std::string("words of a server"))),
              QStringLiteral("words of a server"));
    EXPECT_EQ(TranslatedMessage(std::runtime_error("another's")), QStringLiteral("another's"));
    InstallTranslations(QLocale::c());
    EXPECT_EQ(TranslatedMessage(EInOutError(kIOFileNotFound, IOErrorMessage(kIOFileNotFound))),
              QStringLiteral("File not found"));
}

// What the database engine and the aliases file say, line by line in the language: its own
// words translated, a server's as the server said them.
TEST(Translations, TheEnginesMessagesAreSaidInTheLanguage)
{
    QTemporaryDir dir;
    const QString aliases = dir.filePath(QStringLiteral("aliases.conf"));
    WriteFile(aliases, "[DVK]\nDriver=FOO\n");
    TAlias missingFile;
    missingFile.name = QStringLiteral("DVK");
    missingFile.path = dir.filePath(QStringLiteral("gone.db"));
    const auto failure = [](const std::function<void()>& step) {
        try {
            step();
        } catch (const std::exception& error) {
            return TranslatedMessage(error);
        }
        return QString();
    };
    TEngine engine;
    const struct {
        const char* name;
        std::function<void()> step;
        QStringList german;  // its lines
    } cases[] = {
        {"DatabaseFileMissing",
         [&] { engine.ConnectTo(missingFile, {}, {}); },
         {QStringLiteral("Die Datenbank kann nicht geöffnet werden."),
          QStringLiteral("Datenbankdatei nicht gefunden: ") + missingFile.path}},
        {"AliasUnusable",
         [&] { engine.ConnectTo(TAliasFile(aliases).Read().at(0), {}, {}); },
         {QStringLiteral("Der Alias kann so, wie er festgelegt ist, nicht verwendet werden."),
          QStringLiteral(
              "Alias DVK: Driver „FOO“ ist unbekannt: verwenden Sie SQLITE oder POSTGRES"),
          QStringLiteral("Berichtigen Sie ihn in ") + TAliasFile::DefaultPath() +
              QStringLiteral(", oder legen Sie den Alias mit cardovane-dbadmin neu fest.")}},
        {"NoAliasesFile",
         [&] { TAliasFile(dir.filePath(QStringLiteral("none.conf"))).Read(); },
         {QStringLiteral("Beim Initialisieren der Datenbank-Engine ist ein Fehler aufgetreten "
                         "(Fehler $2103)"),
          QStringLiteral("Es ist kein Datenbank-Alias festgelegt: Die Alias-Datei %1 gibt es "
                         "nicht. Legen Sie sie mit „cardovane-dbadmin setup-sqlite DVK“ an (oder "
                         "mit setup-postgres, für einen Server).")
              .arg(dir.filePath(QStringLiteral("none.conf")))}},
        {"ServersWordsAsTheyAre",
         [] {
             throw EDBEngineError(kErrGeneralSql,
                                  {{kErrGeneralSql, "42P01", "relation \"x\" does not exist"}});
         },
         {QStringLiteral("Allgemeiner SQL-Fehler."),
          QStringLiteral("relation \"x\" does not exist")}},
        {"NothingButTheCode",
         [] { throw EDBEngineError(0x1234, std::vector<TDBError>{}); },
         {QStringLiteral("BDE-Fehler $1234")}},
        {"AFileThatCannotBeReplaced",
         [&] {
             TReplacedFile(dir.filePath(QStringLiteral("no/such.csv")),
                           TReplacedFile::Mode::OwnerOnly);
         },
         {}},
    };
    InstallTranslations(QLocale(QStringLiteral("de_DE")));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString said = failure(c.step);
        if (c.german.isEmpty()) {
            EXPECT_TRUE(said.startsWith(QStringLiteral("Kann ") +
                                        dir.filePath(QStringLiteral("no/such.csv")) +
                                        QStringLiteral(" nicht schreiben: ")))
                << said.toStdString();
        } else {
            EXPECT_EQ(said.split(QStringLiteral("\r\n")), c.german);
        }
    }
    InstallTranslations(QLocale::c());
    EXPECT_EQ(
        failure(cases[0].step),
        QStringLiteral("Cannot open database.\r\nDatabase file not found: ") + missingFile.path);
}

}  // namespace
