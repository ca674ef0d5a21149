// The splash page: the banner and the product family's lines.
#include "app/MainWindow.h"

#include <QFrame>
#include <QVBoxLayout>

#include "app/Artwork.h"
#include "app/PageLayout.h"
#include "toolkit/Buttons.h"
#include "toolkit/DBGrid.h"
#include "toolkit/EditControls.h"
#include "toolkit/PageControl.h"
#include "toolkit/Panels.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/Splitter.h"
#include "toolkit/StringGrid.h"

void TfMain::BuildSplashPage()
{
    TSSplash = new TTabSheet;
    TSSplash->setObjectName(QStringLiteral("TSSplash"));
    PageControl1->AddPage(TSSplash, tr("Splash"));

    Panel6 = new TPanel(TSSplash);
    Panel6->SetBevels(TBevel::bvLowered, TBevel::bvRaised);
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
    Label1 = SplashLabel(Panel6, tr("Cardovane School Administration"), GeorgiaFont(33, false),
                         label1Top, 38, width);
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
        {QT_TR_NOOP("Cardovane Timetable: lesson plans for every class and room"),
         "www.cardovane.example/timetable"},
        {QT_TR_NOOP("Cardovane Grades: report cards in minutes, not evenings"),
         "www.cardovane.example/grades"},
        {QT_TR_NOOP("Cardovane Library: the lending desk for school libraries"),
         "www.cardovane.example/library"},
    };
    int top = 0;
    for (const auto& advert : kAdverts) {
        SplashLabel(Panel15, tr(advert.line), GeorgiaFont(16, true), top, 18, Panel15->width());
        top += 18;
        auto* address = new TLabel(Panel15);
        address->setText(QString::fromUtf8(advert.address));
        address->setGeometry(8, top, Panel15->width() - 16, 13);
        top += 13;
    }
    Image1->lower();  // the title line is drawn over the picture's lowest pixels
}
