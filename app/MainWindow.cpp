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
#include "app/Settings.h"
#include "export/ExportStudentList.h"
#include "store/DataModule.h"
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

namespace {

constexpr int kClientWidth = 811;
constexpr int kClientHeight = 590;
constexpr int kStatusBarHeight = 19;

QFont GeorgiaFont(int pixels, bool bold, bool underline = false)
{
    QFont font(QStringLiteral("Georgia"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont MemoFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

TLabel* SplashLabel(QWidget* parent, const QString& text, const QFont& font, int top, int height,
                    int width)
{
    auto* label = new TLabel(parent);
    label->setText(text);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ColorToQColor(clMaroon));
    label->setPalette(palette);
    label->setGeometry(8, top, width - 16, height);
    return label;
}

QVBoxLayout* Column(QWidget* parent)
{
    auto* layout = new QVBoxLayout(parent);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

// The program's own folder, as designed. Installed where users may not write (under /usr), the
// first export there would fail with "File access denied." for everyone; the user's documents
// folder (or home, where there is none) takes its place.
QString DefaultExportFolder(const QString& exeName)
{
    const QString programFolder = QFileInfo(exeName).absolutePath();
    if (QFileInfo(programFolder).isWritable()) {
        return programFolder;
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

TfMain::TfMain(TApplication& app) : OpenDialog1(this), app_(app)
{
    setObjectName(QStringLiteral("fMain"));
    setWindowTitle(QStringLiteral("Cardovane Attendance"));
    setWindowIcon(ProgramIcon());
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);

    ImportList1 = menuBar()->addAction(QStringLiteral("Import Students List"));
    ImportList1->setObjectName(QStringLiteral("ImportList1"));
    ExportStudentList1 = menuBar()->addAction(QStringLiteral("Export Student List"));
    ExportStudentList1->setObjectName(QStringLiteral("ExportStudentList1"));
    Exit1 = menuBar()->addAction(QStringLiteral("E&xit"));
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
    PageControl1->setCurrentWidget(TSImportList);  // the page as designed

    move(128, 27);
    resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());

    RunHandler(app_, [this] { FormCreate(this); });
}

TfMain::~TfMain() = default;

void TfMain::BuildSplashPage()
{
    TSSplash = new TTabSheet;
    TSSplash->setObjectName(QStringLiteral("TSSplash"));
    PageControl1->AddPage(TSSplash, QStringLiteral("Splash"));

    Panel6 = new TPanel(TSSplash);
    Panel6->setFrameShape(QFrame::Panel);
    Panel6->setFrameShadow(QFrame::Raised);
    Panel6->setGeometry(8, 6, 663, 383);

    Image1 = new TImage(Panel6);
    Image1->setPixmap(BannerPicture());
    Image1->setGeometry(2, 2, 400, 236);
    Image1->setAttribute(Qt::WA_TranslucentBackground);

    // Stacked upwards from the panel's bottom edge.
    const int bottom = Panel6->height() - 2;
    const int width = Panel6->width();
    const int panel15Top = bottom - 101;
    const int label18Top = panel15Top - 13;
    const int label9Top = label18Top - 18;
    const int label1Top = label9Top - 38;
    Label1 = SplashLabel(Panel6, QStringLiteral("Cardovane School Administration"),
                         GeorgiaFont(33, false), label1Top, 38, width);
    Label1->setWordWrap(true);
    Label9 = SplashLabel(Panel6, QStringLiteral("www.cardovane.example   office@cardovane.example"),
                         GeorgiaFont(16, true, true), label9Top, 18, width);
    Label18 = new TLabel(Panel6);
    Label18->setText(QStringLiteral("   "));
    Label18->setGeometry(8, label18Top, width - 16, 13);

    Panel15 = new TPanel(Panel6);
    Panel15->setFrameShape(QFrame::NoFrame);
    Panel15->setGeometry(2, panel15Top, width - 4, 101);
    const struct {
        const char* line;
        const char* address;
    } kAdverts[] = {
        {"Cardovane Timetable: lesson plans for every class and room",
         "www.cardovane.example/timetable"},
        {"Cardovane Grades: report cards in minutes, not evenings", "www.cardovane.example/grades"},
        {"Cardovane Library: the lending desk for school libraries",
         "www.cardovane.example/library"},
    };
    int top = 0;
    for (const auto& advert : kAdverts) {
        SplashLabel(Panel15, QString::fromUtf8(advert.line), GeorgiaFont(16, true), top, 18,
                    Panel15->width());
        top += 18;
        auto* address = new TLabel(Panel15);
        address->setText(QString::fromUtf8(advert.address));
        address->setGeometry(8, top, Panel15->width() - 16, 13);
        top += 13;
    }
    Image1->lower();  // the title line is drawn over the picture's lowest pixels
}

void TfMain::BuildImportPage()
{
    TSImportList = new TTabSheet;
    TSImportList->setObjectName(QStringLiteral("TSImportList"));
    PageControl1->AddPage(TSImportList, QStringLiteral("ImportList"));
    Panel29 = new TPanel(TSImportList);
    Column(TSImportList)->addWidget(Panel29);
    Splitter1 = new TSplitter(Panel29);
    Column(Panel29)->addWidget(Splitter1);

    // Left half: the file button and its help, then the review grid.
    Panel31 = new TPanel;
    auto* left = Column(Panel31);
    Panel9 = new TPanel(Panel31);
    Panel9->setFixedHeight(130);
    auto* panel9Layout = Column(Panel9);
    auto* buttons = new QWidget(Panel9);
    buttons->setFixedHeight(130 - 91);
    BitBtn4 = new TBitBtn(buttons);
    BitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    BitBtn4->setText(QStringLiteral("Import List"));
    BitBtn4->SetGlyph(style()->standardIcon(QStyle::SP_DialogOpenButton));
    BitBtn4->setGeometry(7, 6, 88, 25);
    Edit1 = new TEdit(buttons);
    Edit1->setGeometry(103, 7, 199, 21);
    Memo2 = new TMemo(Panel9);
    Memo2->setFont(MemoFont());
    Memo2->setFixedHeight(91);
    Memo2->SetLines({
        QStringLiteral("After importing your list, double check all the records in "),
        QStringLiteral("the table below."),
        QStringLiteral("Minor errors such as typos can be corrected here. "),
        QStringLiteral("If there were major errors, return to your original "),
        QStringLiteral("spreadsheet and correct  them, then  save  them to the "),
        QStringLiteral("CSV file again, then import it to this program again.  "),
    });
    panel9Layout->addWidget(buttons);
    panel9Layout->addWidget(Memo2);
    SGRecordStudents = new TStringGrid(Panel31);
    SGRecordStudents->setObjectName(QStringLiteral("SGRecordStudents"));
    left->addWidget(Panel9);
    left->addWidget(SGRecordStudents, 1);

    // Right half: the posting controls, then the student list.
    Panel30 = new TPanel;
    auto* right = Column(Panel30);
    Panel28 = new TPanel(Panel30);
    Panel28->setFixedHeight(104);
    auto* panel28Layout = Column(Panel28);
    Memo3 = new TMemo(Panel28);
    Memo3->setFont(MemoFont());
    Memo3->setFixedHeight(32);
    Memo3->SetLines({QStringLiteral(
        "IMPORTANT! If the list is completely correct, you can post it to the database. ")});
    BitBtn5 = new TBitBtn(Panel28);
    BitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    BitBtn5->setText(QStringLiteral("Add List To Database"));
    BitBtn5->SetGlyph(style()->standardIcon(QStyle::SP_ArrowRight));
    BitBtn5->setFixedHeight(25);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(9, 0, 21, 0);  // anchored left, top and right
    buttonRow->addWidget(BitBtn5);
    LabelProgress = new TLabel(Panel28);
    LabelProgress->setObjectName(QStringLiteral("LabelProgress"));
    QFont bold = LabelProgress->font();
    bold.setBold(true);
    LabelProgress->setFont(bold);
    LabelProgress->setText(QStringLiteral("Import"));
    ProgressBar1 = new TProgressBar(Panel28);
    ProgressBar1->setFixedHeight(16);
    panel28Layout->addWidget(Memo3);
    panel28Layout->addSpacing(10);
    panel28Layout->addLayout(buttonRow);
    panel28Layout->addStretch(1);
    panel28Layout->addWidget(LabelProgress);
    panel28Layout->addWidget(ProgressBar1);
    DBGrid3 = new TDBGrid(Panel30);
    DBGrid3->setObjectName(QStringLiteral("DBGrid3"));
    DBGrid3->SetDispatch([this](const std::function<void()>& step) { RunHandler(app_, step); });
    right->addWidget(Panel28);
    right->addWidget(DBGrid3, 1);

    Splitter1->addWidget(Panel31);
    Splitter1->addWidget(Panel30);
    Splitter1->setSizes({326, kClientWidth - 326 - Splitter1->handleWidth()});
    Splitter1->setStretchFactor(1, 1);

    // What a screen reader says of the controls that have no caption of their own.
    Edit1->setAccessibleName(QStringLiteral("Note"));
    Memo2->setAccessibleName(QStringLiteral("How to review the list"));
    SGRecordStudents->setAccessibleName(QStringLiteral("Students to post"));
    Memo3->setAccessibleName(QStringLiteral("Before posting"));
    ProgressBar1->setAccessibleName(QStringLiteral("Posting progress"));
    DBGrid3->setAccessibleName(QStringLiteral("Student list in the database"));

    // The first control in tab order on this page is the posting button.
    QWidget::setTabOrder(BitBtn5, Memo3);
    QWidget::setTabOrder(Memo3, DBGrid3);
    QWidget::setTabOrder(DBGrid3, BitBtn4);
    QWidget::setTabOrder(BitBtn4, Edit1);
    QWidget::setTabOrder(Edit1, Memo2);
    QWidget::setTabOrder(Memo2, SGRecordStudents);

    connect(BitBtn4, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtn4Click(BitBtn4); }); });
    connect(BitBtn5, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtn5Click(BitBtn5); }); });
}

void TfMain::BuildExportPage()
{
    TSExport = new TTabSheet;
    TSExport->setObjectName(QStringLiteral("TSExport"));
    PageControl1->AddPage(TSExport, QStringLiteral("Options"));
    GroupBox2 = new TGroupBox(TSExport);
    GroupBox2->setTitle(QStringLiteral("Select CSV Output Directory and FileName"));
    GroupBox2->setGeometry(68, 57, 391, 162);
    EditFileName = new TEdit(GroupBox2);
    EditFileName->setObjectName(QStringLiteral("EditFileName"));
    EditFileName->setGeometry(6, 99, 377, 21);
    BitBtn8 = new TBitBtn(GroupBox2);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    BitBtn8->setText(QStringLiteral("Export the Database to the CSV File"));
    BitBtn8->setGeometry(6, 126, 377, 25);
    Memo5 = new TMemo(GroupBox2);
    Memo5->setGeometry(2, 15, 387, 63);
    Memo5->SetLines({
        QStringLiteral("Name the output file in the Cardovane directory as \"something.csv\". "),
        QStringLiteral("You can then export all the data to that file."),
        QStringLiteral(
            "Then you can import that file into a spreadsheet program to modify it if necessary. "),
    });
    EditFileName->setAccessibleName(QStringLiteral("Export file"));
    Memo5->setAccessibleName(QStringLiteral("How to name the export file"));
    QWidget::setTabOrder(EditFileName, BitBtn8);
    QWidget::setTabOrder(BitBtn8, Memo5);

    AttachFocusNotices(
        EditFileName,
        [this](QWidget* sender) { RunHandler(app_, [this, sender] { EditEnter(sender); }); },
        [this](QWidget* sender) { RunHandler(app_, [this, sender] { EditExit(sender); }); });
    connect(BitBtn8, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { BitBtn8Click(BitBtn8); }); });
}

void TfMain::Wire(QAction* item)
{
    connect(item, &QAction::triggered, this,
            [this, item] { RunHandler(app_, [this, item] { MenuHandler(item); }); });
}

void TfMain::AttachDataModule(TfDM1* dm)
{
    dm_ = dm;
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
    ReadStudentList(OpenDialog1.FileName().toStdString(), SGRecordStudents->Cells(), *this);
}

void TfMain::BitBtn5Click(QObject*)
{
    PostStudentList(*SGRecordStudents, *dm_, *this, postingPause);
}

void TfMain::BitBtn8Click(QObject*)
{
    const QString path = EditFileName->text();
    ExportStudentList(path.toStdString(), dm_->QNames);
    StatusBar1->SetPanelText(1, QStringLiteral("Data output to ") + path);
}

void TfMain::EditEnter(QWidget* sender)
{
    if (auto* c = dynamic_cast<TEdit*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TComboBox*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TDBGrid*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TDateTimePicker*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TMemo*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TStringGrid*>(sender)) {
        c->SetColor(HighlightColor);
    }
    if (auto* c = dynamic_cast<TBitBtn*>(sender)) {
        SetFontStyleOf(*c, TFontStyle::fsBold);
    }
    if (auto* c = dynamic_cast<TRadioGroup*>(sender)) {
        SetFontStyleOf(*c, TFontStyle::fsBold);
    }
    if (auto* c = dynamic_cast<TCheckBox*>(sender)) {
        SetFontStyleOf(*c, TFontStyle::fsBold);
    }
}

void TfMain::EditExit(QWidget* sender)
{
    if (auto* c = dynamic_cast<TEdit*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TComboBox*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TDBGrid*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TDateTimePicker*>(sender)) {
        c->SetColor(clWindow);
    }
    if (auto* c = dynamic_cast<TStringGrid*>(sender)) {
        c->SetColor(clWhite);
    }
    if (auto* c = dynamic_cast<TMemo*>(sender)) {
        c->SetColor(clWhite);
    }
    if (auto* c = dynamic_cast<TBitBtn*>(sender)) {
        SetFontStyleOf(*c, {});
    }
    if (auto* c = dynamic_cast<TRadioGroup*>(sender)) {
        SetFontStyleOf(*c, {});
    }
    if (auto* c = dynamic_cast<TCheckBox*>(sender)) {
        SetFontStyleOf(*c, {});
    }
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
                    QStringLiteral("The settings file kq.cfg could not be saved.\n"
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

void TfMain::StepProgress()
{
    ProgressBar1->StepIt();
    ProgressBar1->repaint();
}
