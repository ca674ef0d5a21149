#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/DefaultExportFolder.h"
#include "app/PageLayout.h"
#include "app/PostingsDialog.h"
#include "app/Settings.h"
#include "export/ExportStudentList.h"
#include "import/PostingHistory.h"
#include "import/PostingUndo.h"
#include "import/StoredStudents.h"
#include "l10n/Counts.h"
#include "l10n/PhraseText.h"
#include "store/datamodule/DataModule.h"
#include "textio/ErrorDisplay.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/DialogForm.h"
#include "toolkit/EditControls.h"
#include "toolkit/FocusNotices.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/Splitter.h"
#include "toolkit/StatusBar.h"
#include "toolkit/StringGrid.h"

TfMain::TfMain(TApplication& app) : OpenDialog1(this), app_(app)
{
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Cardovane Attendance"));
    setWindowIcon(ProgramIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    ImportList1 = menuBar()->addAction(tr("Import Students List"));
    ImportList1->setObjectName(QStringLiteral("ImportList1"));
    ExportStudentList1 = menuBar()->addAction(tr("Export Student List"));
    ExportStudentList1->setObjectName(QStringLiteral("ExportStudentList1"));
    Exit1 = menuBar()->addAction(tr("E&xit"));
    Exit1->setObjectName(QStringLiteral("Exit1"));
    for (QAction* item : {ImportList1, ExportStudentList1, Exit1}) {
        Wire(item);
    }

    auto* client = new QWidget(this);
    auto* clientLayout = Column(client);
    PageControl1 = new TPageControl(client);
    StatusBar1 = new TStatusBar(client, {250, 50});
    StatusBar1->setFixedHeight(kStatusBarHeight);
    clientLayout->addWidget(PageControl1, 1);
    clientLayout->addWidget(StatusBar1);
    setCentralWidget(client);

    BuildSplashPage();
    BuildImportPage();
    BuildExportPage();
    PageControl1->setCurrentWidget(TSImportList);  // until the splash is shown over it

    move(128, 27);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    RunHandler(app_, [this] { FormCreate(this); });
}

TfMain::~TfMain() = default;

void TfMain::Wire(QAction* item)
{
    connect(item, &QAction::triggered, this,
            [this, item] { RunHandler(app_, [this, item] { MenuHandler(item); }); });
}

void TfMain::AttachDataModule(TfDM1* dm)
{
    dm_ = dm;
    // The stored students are looked up over the connection the posting stores them by.
    findings_->SetLookUp(dm ? TReviewFindings::LookUp([dm](TListFindings& findings, int row) {
        LookUpStoredStudents(dm->Session, kDatabase1, findings, row);
    })
                            : TReviewFindings::LookUp());
    DBGrid3->SetDataSource(dm ? &dm->DSNames : nullptr);
}

void TfMain::FormCreate(QObject*)
{
    for (TTabSheet* page : {TSSplash, TSImportList, TSExport}) {
        PageControl1->SetTabVisible(page, false);
    }
    // A settings error is shown now, before the window; the steps after it run all the same,
    //    so the window still opens as it always does.
    RunHandler(app_, [this] { ReadSettingsFile(*EditFileName); });
    HighlightColor = clYellow;
    PageControl1->SetActivePage(TSSplash);
    EditFileName->setText(DefaultExportFolder(app_.ExeName()) + QLatin1Char('/') +
                          QStringLiteral("ExportedStudentList1.csv"));
    // Postings older than the history keeps go as the program starts; a setting it cannot read
    // is said and removes nothing.
    try {
        TPostingHistory history;
        PruneHistory(history);
    } catch (const std::exception& e) {
        StatusBar1->SetPanelText(1, TranslatedMessage(e));
    }
}

void TfMain::FormActivate(QObject*)
{
    // A login or password dialog closing while the list is being opened activates the window
    // again; that nested activation must not open a second time.
    if (activating_ || !dm_) {
        return;
    }
    // A dialog that closes while the handler runs returns the focus into this same run, however
    // late the window system reports it: that activation is no return from it.
    activating_ = true;
    struct Done {
        TfMain& window;
        ~Done()
        {
            window.activating_ = false;
            window.app_.TakeReturnFromOwnWindow();
        }
    } done{*this};
    dm_->Database1.Open();
    dm_->QNames.Open();
}

void TfMain::FormClose(QObject*)
{
    WriteSettingsFile(*EditFileName);
}

void TfMain::MenuHandler(QObject* sender)
{
    if (sender == ImportList1) {
        ImportList();
    } else if (sender == ExportStudentList1) {
        PageControl1->SetActivePage(TSExport);
    } else if (sender == Exit1) {
        close();
    }
}

void TfMain::ImportList()
{
    PageControl1->SetActivePage(TSImportList);
}

void TfMain::BitBtn4Click(QObject*)
{
    if (!OpenDialog1.Execute(app_)) {
        return;
    }
    // A list that cannot be read whole shows no mark of the one before it.
    findings_->Clear();
    ShowFindings();
    SGRecordStudents->ClearHistory();
    ReadStudentList(OpenDialog1.FileName().toStdString(), SGRecordStudents->Cells(), *this);
    findings_->CheckAll();
    ShowFindings();
}

void TfMain::BitBtn5Click(QObject*)
{
    lastPosting_.clear();
    lastPostingNumber_ = 0;
    BitBtnUndo->setEnabled(false);
    // Whatever went in can be taken back, also when an error ended the posting midway: now by
    // the button, later from the history of postings.
    struct OfferUndo {
        TfMain& window;
        ~OfferUndo() { window.PostingEnded(); }
    } offerUndo{*this};
    PostStudentList(SGRecordStudents->Cells(), *dm_, *this, postingPause, lastPosting_);
    findings_->CheckAll(true);  // what was posted is stored now
    ShowFindings();
}

void TfMain::PostingEnded() noexcept
{
    BitBtnUndo->setEnabled(!lastPosting_.empty());
    if (lastPosting_.empty()) {
        return;
    }
    // The students are stored whatever becomes of their entry: a history that cannot be
    // written is said here and stops nothing.
    try {
        lastPostingNumber_ = TPostingHistory().Add(MakePostingEntry(
            dm_->Session, dm_->Database1.AliasName(), OpenDialog1.FileName(), lastPosting_));
    } catch (const std::exception& e) {
        StatusBar1->SetPanelText(1, TranslatedMessage(e));
    }
}

void TfMain::BitBtnUndoClick(QObject*)
{
    QMessageBox ask(
        QMessageBox::Question, app_.Title(),
        tr("Remove the %1 stored by the last posting from %2?")
            .arg(StudentsText(qsizetype(lastPosting_.size())), dm_->Database1.AliasName()),
        QMessageBox::Yes | QMessageBox::No, this);
    ask.setDefaultButton(QMessageBox::No);
    if (app_.ExecModal(ask) != QMessageBox::Yes) {
        return;
    }
    const TUndoOutcome outcome = UndoPosting(dm_->Session, kDatabase1, lastPosting_);
    QString said = Translated(UndoOutcomeText(outcome));
    // Its entry in the history says so too, so that it is not offered there again; an entry that
    // cannot be marked is said after what was removed.
    try {
        if (lastPostingNumber_ > 0) {
            TPostingHistory().MarkUndone(lastPostingNumber_, HistoryTimeNow());
        }
    } catch (const std::exception& e) {
        said += QLatin1Char(' ') + TranslatedMessage(e);
    }
    LastPostingTakenBack();
    dm_->QNames.Close();
    dm_->QNames.Open();
    StatusBar1->SetPanelText(1, said);
    findings_->CheckAll(true);
    ShowFindings();
}

void TfMain::LastPostingTakenBack()
{
    lastPosting_.clear();
    lastPostingNumber_ = 0;
    // The keyboard stays on the page: the posting's button takes it from the button now disabled.
    if (BitBtnUndo->hasFocus()) {
        BitBtn5->setFocus(Qt::OtherFocusReason);
    }
    BitBtnUndo->setEnabled(false);
}

void TfMain::BitBtnPostingsClick(QObject*)
{
    TPostingsDialog dialog(app_, *dm_, this);
    app_.ExecModal(dialog);
    if (dialog.Outcome().isEmpty()) {
        return;
    }
    if (lastPostingNumber_ > 0 && dialog.TookBack(lastPostingNumber_)) {
        LastPostingTakenBack();
    }
    dm_->QNames.Close();
    dm_->QNames.Open();
    StatusBar1->SetPanelText(1, dialog.Outcome());
    findings_->CheckAll(true);
    ShowFindings();
}

void TfMain::SGRecordStudentsCellEdited(int, int row)
{
    findings_->CheckRow(row);
    ShowFindings();
}

void TfMain::SGRecordStudentsRowsChanged()
{
    findings_->CheckAll();
    ShowFindings();
}

void TfMain::NextMarkedRowClick(QObject* sender)
{
    if (findings_->GoToMarked(sender == PreviousMarkedRow ? -1 : 1)) {
        SGRecordStudents->setFocus(Qt::ShortcutFocusReason);
    }
}

void TfMain::FixClick(QAction* sender)
{
    ShowFindings(Translated(findings_->ApplyFix(FixKind(sender->data().toInt()))));
}

void TfMain::FixMarkedCellClick(QObject*)
{
    const std::optional<FixKind> fix = findings_->FixForCurrentCell();
    ShowFindings(fix ? Translated(findings_->ApplyFix(*fix))
                 : findings_->CurrentReason().isEmpty()
                     ? tr("Ctrl+. fixes a marked cell: this one has no mark")
                     : tr("No fix mends this mark: correct the cell by hand"));
}

void TfMain::ShowFindings(const QString& done)
{
    const QString summary = findings_->Summary();
    const QString line = done.isEmpty() ? summary : tr("%1. %2").arg(done, summary);
    LabelFindings->setText(line);
    LabelFindings->setToolTip(line);
    LabelFindings->setAccessibleDescription(line);
    ShowReason();
}

void TfMain::ShowReason()
{
    const QString reason = findings_->CurrentReason();
    LabelReason->setText(reason);
    LabelReason->setToolTip(reason);
    LabelReason->setAccessibleDescription(reason);
}

void TfMain::BitBtn8Click(QObject*)
{
    const QString path = EditFileName->text();
    ExportStudentList(path.toStdString(), dm_->QNames);
    StatusBar1->SetPanelText(1, tr("Data output to %1").arg(path));
}

bool TfMain::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // The first activation, and the focus coming back from one of the program's own
        // windows, open the list; message boxes, file dialogs and other programs do not.
        const bool fromOwnWindow = app_.TakeReturnFromOwnWindow();
        if (!activated_ || fromOwnWindow) {
            activated_ = true;
            RunHandler(app_, [this] { FormActivate(this); });
        }
    }
    return TForm::event(event);
}

void TfMain::closeEvent(QCloseEvent* event)
{
    if (RunHandler(app_, [this] { FormClose(this); }) || CloseWithoutSettings()) {
        event->accept();
    } else {
        event->ignore();
    }
}

bool TfMain::CloseWithoutSettings()
{
    // While kq.cfg cannot be written the window would never close; the user may leave without
    // saving the one setting, which loses nothing else.
    QMessageBox box(QMessageBox::Question, app_.Title(),
                    tr("The settings file kq.cfg could not be saved.\n"
                       "Close the program without saving the settings?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    return app_.ExecModal(box) == QMessageBox::Yes;
}

void TfMain::ShowLineCount(int shown)
{
    // Every count reaches the panel at once; painting it more than once a frame would show the
    // user nothing more and cost a long list seconds, so a count that follows within a frame is
    // painted with the next one (or when the import returns).
    StatusBar1->SetPanelText(0, QString::number(shown));
    if (!lineCountPainted_.isValid() || lineCountPainted_.elapsed() >= kFrameMs) {
        StatusBar1->repaint();
        lineCountPainted_.start();
    }
}

void TfMain::SetProgressLabel(const QString& text)
{
    LabelProgress->setText(text);
    LabelProgress->repaint();
}

void TfMain::ShowRow(int row)
{
    SGRecordStudents->SetRow(row);
    SGRecordStudents->RepaintNow();
}

void TfMain::StepProgress()
{
    ProgressBar1->StepIt();
    ProgressBar1->repaint();
}
