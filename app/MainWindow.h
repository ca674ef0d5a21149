#pragma once

#include <QElapsedTimer>
#include <chrono>
#include <memory>

#include "import/PostStudentList.h"
#include "import/ReviewFindings.h"
#include "import/StudentListReader.h"
#include "toolkit/ColorAndFont.h"
#include "toolkit/DialogForm.h"
#include "toolkit/OpenDialog.h"

class QAction;
class TApplication;
class TBitBtn;
class TDBGrid;
class TEdit;
class TGroupBox;
class TImage;
class TLabel;
class TMemo;
class TPageControl;
class TPanel;
class TProgressBar;
class TSplitter;
class TStatusBar;
class TStringGrid;
class TTabSheet;
class TfDM1;

// The main window: its controls under their names, and handlers that wire controls to the work
// in import/, export/ and store/. Every handler runs through the top-level dispatch.
class TfMain : public TForm, private ImportView, private PostingView {
    Q_OBJECT
public:
    explicit TfMain(TApplication& app);
    ~TfMain() override;

    // Binds the database controls to the data module, once it has been built.
    void AttachDataModule(TfDM1* dm);
    TfDM1* DataModule() const { return dm_; }

    void FormCreate(QObject* sender);
    void FormActivate(QObject* sender);
    void FormClose(QObject* sender);
    void MenuHandler(QObject* sender);
    void ImportList();
    void BitBtn4Click(QObject* sender);
    void BitBtn5Click(QObject* sender);
    void BitBtn8Click(QObject* sender);
    // The review grid's findings: a cell corrected, rows removed, the marked rows gone through.
    void SGRecordStudentsCellEdited(int col, int row);
    void SGRecordStudentsRowsChanged();
    void NextMarkedRowClick(QObject* sender);
    // A fix chosen on the grid's menu (the action holds its kind), or the current cell's (Ctrl+.).
    void FixClick(QAction* sender);
    void FixMarkedCellClick(QObject* sender);
    // "Undo Last Posting": removes exactly what the last posting stored, after asking.
    void BitBtnUndoClick(QObject* sender);
    // "Postings...": the history of postings into the alias, any of them taken back.
    void BitBtnPostingsClick(QObject* sender);
    void EditEnter(QWidget* sender);
    void EditExit(QWidget* sender);

    TColor HighlightColor = 0;
    // The pause after each posted row.
    std::chrono::milliseconds postingPause{10};

    QAction* ImportList1;
    QAction* ExportStudentList1;
    QAction* Exit1;
    TPageControl* PageControl1;
    TStatusBar* StatusBar1;

    TTabSheet* TSSplash;
    TPanel* Panel6;
    TImage* Image1;
    TLabel* Label1;
    TLabel* Label9;
    TLabel* Label18;
    TPanel* Panel15;

    TTabSheet* TSImportList;
    TPanel* Panel29;
    TPanel* Panel31;
    TPanel* Panel9;
    TBitBtn* BitBtn4;
    TEdit* Edit1;
    TMemo* Memo2;
    TStringGrid* SGRecordStudents;
    TSplitter* Splitter1;
    TPanel* Panel30;
    TPanel* Panel28;
    TMemo* Memo3;
    TBitBtn* BitBtn5;
    TLabel* LabelProgress;
    // How many rows of the review grid need a look, beside the posting's progress.
    TLabel* LabelFindings;
    QAction* NextMarkedRow;      // F8
    QAction* PreviousMarkedRow;  // Shift+F8
    QAction* FixMarkedCell;      // Ctrl+.
    // Why the current cell of the review grid is marked, under it.
    TLabel* LabelReason;
    TBitBtn* BitBtnUndo;
    TBitBtn* BitBtnPostings;
    TProgressBar* ProgressBar1;
    TDBGrid* DBGrid3;

    TTabSheet* TSExport;
    TGroupBox* GroupBox2;
    TMemo* Memo5;
    TEdit* EditFileName;
    TBitBtn* BitBtn8;

    TOpenDialog OpenDialog1;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // After a posting, stopped or not: its undo offered, and what it stored kept in the history.
    void PostingEnded() noexcept;
    // The last posting is taken back, by its button or from the history: its undo no longer
    // offered.
    void LastPostingTakenBack();
    void BuildSplashPage();
    void BuildImportPage();
    void BuildImportReview();
    void BuildImportPosting();
    void DescribeImportPage();
    void ConnectImportPage();
    void BuildExportPage();
    // The findings line, after what a fix did when one just ran.
    void ShowFindings(const QString& done = {});
    void ShowReason();
    void Wire(QAction* item);
    bool CloseWithoutSettings();

    void ShowLineCount(int shown) override;
    void SetProgressLabel(const QString& text) override;
    void ShowRow(int row) override;
    void StepProgress() override;

    static constexpr int kFrameMs = 16;
    static constexpr int kReasonHeight = 17;

    TApplication& app_;
    TfDM1* dm_ = nullptr;
    std::unique_ptr<TReviewFindings> findings_;
    // What the last posting stored, as it was inserted, until it is taken back or the next
    // posting starts.
    std::vector<TStudentRecord> lastPosting_;
    int lastPostingNumber_ = 0;  // its number in the history; 0 while it has none
    QElapsedTimer lineCountPainted_;
    bool activated_ = false;
    bool activating_ = false;
};
