// The options page: where the export goes, and the button that writes it.
#include "app/MainWindow.h"

#include <QFrame>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/PageLayout.h"
#include "textio/ErrorDisplay.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/FocusNotices.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/Splitter.h"
#include "toolkit/StringGrid.h"

void TfMain::BuildExportPage()
{
    TSExport = new TTabSheet;
    TSExport->setObjectName(QStringLiteral("TSExport"));
    PageControl1->AddPage(TSExport, tr("Options"));
    GroupBox2 = new TGroupBox(TSExport);
    GroupBox2->setTitle(tr("Select CSV Output Directory and FileName"));
    GroupBox2->setGeometry(68, 57, 391, 162);
    EditFileName = new TEdit(GroupBox2);
    EditFileName->setObjectName(QStringLiteral("EditFileName"));
    EditFileName->setGeometry(6, 99, 377, 21);
    BitBtn8 = new TBitBtn(GroupBox2);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    BitBtn8->setText(tr("Export the Database to the CSV File"));
    BitBtn8->setGeometry(6, 126, 377, 25);
    Memo5 = new TMemo(GroupBox2);
    Memo5->setGeometry(2, 15, 387, 63);
    Memo5->SetLines(
        tr("Name the output file in the Cardovane directory as \"something.csv\". \n"
           "You can then export all the data to that file.\n"
           "Then you can import that file into a spreadsheet program to modify it if necessary. ")
            .split(QLatin1Char('\n')));
    EditFileName->setAccessibleName(tr("Export file"));
    Memo5->setAccessibleName(tr("How to name the export file"));
    QWidget::setTabOrder(EditFileName, BitBtn8);
    QWidget::setTabOrder(BitBtn8, Memo5);

    AttachFocusNotices(
        EditFileName,
        [this](QWidget* sender) { RunHandler(app_, [this, sender] { EditEnter(sender); }); },
        [this](QWidget* sender) { RunHandler(app_, [this, sender] { EditExit(sender); }); });
    connect(BitBtn8, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtn8Click(BitBtn8); }); });
}
