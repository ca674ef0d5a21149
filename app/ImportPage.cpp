// The import page: the review grid on the left, the posting and the student list on the right.
#include "app/MainWindow.h"

#include <QAction>
#include <QFrame>
#include <QItemSelectionModel>
#include <QMenu>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/PageLayout.h"
#include "l10n/PhraseText.h"
#include "textio/ErrorDisplay.h"
#include "toolkit/Application.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/Splitter.h"
#include "toolkit/StringGrid.h"

void TfMain::BuildImportPage()
{
    TSImportList = new TTabSheet;
    TSImportList->setObjectName(QStringLiteral("TSImportList"));
    PageControl1->AddPage(TSImportList, tr("ImportList"));
    Panel29 = new TPanel(TSImportList);
    Column(TSImportList)->addWidget(Panel29);
    Splitter1 = new TSplitter(Panel29);
    Column(Panel29)->addWidget(Splitter1);

    BuildImportReview();
    BuildImportPosting();
    Splitter1->addWidget(Panel31);
    Splitter1->addWidget(Panel30);
    Splitter1->setSizes({kLeftHalfWidth, kClientWidth - kLeftHalfWidth - Splitter1->handleWidth()});
    Splitter1->setStretchFactor(1, 1);

    DescribeImportPage();
    ConnectImportPage();
}

// Left half: the file button and its help, then the review grid.
void TfMain::BuildImportReview()
{
    Panel31 = new TPanel;
    auto* left = Column(Panel31);
    Panel9 = new TPanel(Panel31);
    Panel9->setFixedHeight(130);
    auto* panel9Layout = Column(Panel9);
    auto* buttons = new QWidget(Panel9);
    buttons->setFixedHeight(130 - 91);
    BitBtn4 = new TBitBtn(buttons);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setText(tr("Import List"));
    BitBtn4->SetGlyph(style()->standardIcon(QStyle::SP_DialogOpenButton));
    BitBtn4->setGeometry(7, 6, 88, 25);
    Edit1 = new TEdit(buttons);
    Edit1->setGeometry(103, 7, 199, 21);
    Memo2 = new TMemo(Panel9);
    Memo2->setFont(MemoFont());
    Memo2->setFixedHeight(91);
    Memo2->SetLines(tr("After importing your list, double check all the records in \n"
                       "the table below.\n"
                       "Minor errors such as typos can be corrected here. \n"
                       "If there were major errors, return to your original \n"
                       "spreadsheet and correct  them, then  save  them to the \n"
                       "CSV file again, then import it to this program again.  ")
                        .split(QLatin1Char('\n')));
    panel9Layout->addWidget(buttons);
    panel9Layout->addWidget(Memo2);
    SGRecordStudents = new TStringGrid(Panel31);
    SGRecordStudents->setObjectName(QStringLiteral("SGRecordStudents"));
    // Under the grid, why the current cell is marked, for the keyboard's user as for the
    // mouse's: a long reason ends in an ellipsis and is whole in its tooltip.
    LabelReason = new TLabel(Panel31);
    LabelReason->setObjectName(QStringLiteral("LabelReason"));
    LabelReason->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    LabelReason->setFixedHeight(kReasonHeight);
    LabelReason->setContentsMargins(3, 0, 3, 0);
    LabelReason->SetElided(true);
    left->addWidget(Panel9);
    left->addWidget(SGRecordStudents, 1);
    left->addWidget(LabelReason);
}

// Right half: the posting controls, then the student list.
void TfMain::BuildImportPosting()
{
    Panel30 = new TPanel;
    auto* right = Column(Panel30);
    Panel28 = new TPanel(Panel30);
    Panel28->setFixedHeight(104);
    auto* panel28Layout = Column(Panel28);
    Memo3 = new TMemo(Panel28);
    Memo3->setFont(MemoFont());
    Memo3->setFixedHeight(32);
    Memo3->SetLines(
        {tr("IMPORTANT! If the list is completely correct, you can post it to the database. ")});
    BitBtn5 = new TBitBtn(Panel28);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setText(tr("Add List To Database"));
    BitBtn5->SetGlyph(style()->standardIcon(QStyle::SP_ArrowRight));
    BitBtn5->setFixedHeight(25);
    // Anchored left, top and right: 448 wide at the designed size, where the right half is what
    // the page leaves beside the left half and the splitter; the width follows the half.
    const int designedHalf =
        PageControl1->PageWidth(kClientWidth) - kLeftHalfWidth - Splitter1->handleWidth();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(9, 0, designedHalf - 9 - 448, 0);
    buttonRow->addWidget(BitBtn5);
    LabelProgress = new TLabel(Panel28);
    LabelProgress->setObjectName(QStringLiteral("LabelProgress"));
    QFont bold = LabelProgress->font();
    bold.setBold(true);
    LabelProgress->setFont(bold);
    LabelProgress->setText(tr("Import"));
    LabelProgress->SetElided(true);
    ProgressBar1 = new TProgressBar(Panel28);
    ProgressBar1->setFixedHeight(16);
    panel28Layout->addWidget(Memo3);
    panel28Layout->addSpacing(10);
    panel28Layout->addLayout(buttonRow);
    panel28Layout->addStretch(1);
    LabelFindings = new TLabel(Panel28);
    LabelFindings->setObjectName(QStringLiteral("LabelFindings"));
    // Beside the progress caption, never widening the half: a long line ends in an ellipsis and
    // is whole in its tooltip.
    LabelFindings->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    LabelFindings->SetElided(true);
    auto* labelRow = new QHBoxLayout;
    labelRow->setContentsMargins(0, 0, 0, 0);
    labelRow->addWidget(LabelProgress);
    labelRow->addSpacing(16);
    labelRow->addWidget(LabelFindings, 1);
    // Beside them, where the Part's controls leave room: taking the last posting back.
    BitBtnUndo = new TBitBtn(Panel28);
    BitBtnUndo->setObjectName(QStringLiteral("BitBtnUndo"));
    BitBtnUndo->setText(tr("&Undo Last Posting"));
    BitBtnUndo->setFixedHeight(21);
    BitBtnUndo->setEnabled(false);
    labelRow->addWidget(BitBtnUndo);
    // And any posting of the history, from its dialog.
    BitBtnPostings = new TBitBtn(Panel28);
    BitBtnPostings->setObjectName(QStringLiteral("BitBtnPostings"));
    BitBtnPostings->setText(tr("&Postings..."));
    BitBtnPostings->setFixedHeight(21);
    labelRow->addWidget(BitBtnPostings);
    panel28Layout->addLayout(labelRow);
    panel28Layout->addWidget(ProgressBar1);
    DBGrid3 = new TDBGrid(Panel30);
    DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
    DBGrid3->SetDispatch([this](const std::function<void()>& step) { RunHandler(app_, step); });
    right->addWidget(Panel28);
    right->addWidget(DBGrid3, 1);
}

void TfMain::DescribeImportPage()
{
    // What a screen reader says of the controls that have no caption of their own.
    Edit1->setAccessibleName(tr("Note"));
    Memo2->setAccessibleName(tr("How to review the list"));
    SGRecordStudents->setAccessibleName(tr("Students to post"));
    Memo3->setAccessibleName(tr("Before posting"));
    ProgressBar1->setAccessibleName(tr("Posting progress"));
    DBGrid3->setAccessibleName(tr("Student list in the database"));

    // The first control in tab order on this page is the posting button.
    QWidget::setTabOrder(BitBtn5, Memo3);
    QWidget::setTabOrder(Memo3, DBGrid3);
    QWidget::setTabOrder(DBGrid3, BitBtn4);
    QWidget::setTabOrder(BitBtn4, Edit1);
    QWidget::setTabOrder(Edit1, Memo2);
    QWidget::setTabOrder(Memo2, SGRecordStudents);
}

// The review's keys, menu and fixes, and the page's buttons, each running as a handler.
void TfMain::ConnectImportPage()
{
    findings_ = std::make_unique<TReviewFindings>(*SGRecordStudents);
    NextMarkedRow = new QAction(tr("Next Row To Look At"), TSImportList);
    NextMarkedRow->setShortcut(QKeySequence(Qt::Key_F8));
    PreviousMarkedRow = new QAction(tr("Previous Row To Look At"), TSImportList);
    PreviousMarkedRow->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F8));
    for (QAction* go : {NextMarkedRow, PreviousMarkedRow}) {
        go->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        TSImportList->addAction(go);
        SGRecordStudents->addAction(go);
        connect(go, &QAction::triggered, this,
                [this, go] { RunHandler(app_, [this, go] { NextMarkedRowClick(go); }); });
    }
    // The fixes that apply are offered on the grid's menu, each with the rows it changes; the
    // one for the current cell's mark is also on Ctrl+. .
    SGRecordStudents->SetMenuSource([this](QMenu& menu) {
        for (const TFixPlan& plan : findings_->Fixes()) {
            QAction* fix = menu.addAction(Translated(FixMenuCaption(plan)));
            fix->setData(int(plan.kind));
            connect(fix, &QAction::triggered, this,
                    [this, fix] { RunHandler(app_, [this, fix] { FixClick(fix); }); });
        }
    });
    FixMarkedCell = new QAction(tr("Fix This Mark"), SGRecordStudents);
    FixMarkedCell->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    FixMarkedCell->setShortcutContext(Qt::WidgetShortcut);
    SGRecordStudents->addAction(FixMarkedCell);
    connect(FixMarkedCell, &QAction::triggered, this,
            [this] { RunHandler(app_, [this] { FixMarkedCellClick(FixMarkedCell); }); });
    connect(SGRecordStudents, &TStringGrid::CellEdited, this, [this](int col, int row) {
        RunHandler(app_, [this, col, row] { SGRecordStudentsCellEdited(col, row); });
    });
    connect(SGRecordStudents, &TStringGrid::RowsChanged, this,
            [this] { RunHandler(app_, [this] { SGRecordStudentsRowsChanged(); }); });
    connect(SGRecordStudents->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this] { ShowReason(); });

    connect(BitBtnUndo, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtnUndoClick(BitBtnUndo); }); });
    connect(BitBtnPostings, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtnPostingsClick(BitBtnPostings); }); });
    connect(BitBtn4, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtn4Click(BitBtn4); }); });
    connect(BitBtn5, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtn5Click(BitBtn5); }); });
}
