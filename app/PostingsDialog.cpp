#include "app/PostingsDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "import/PostingUndo.h"
#include "l10n/Counts.h"
#include "l10n/PhraseText.h"
#include "store/datamodule/DataModule.h"
#include "textio/ErrorDisplay.h"
#include "textio/Exception.h"
#include "toolkit/Application.h"

TPostingsDialog::TPostingsDialog(TApplication& app, TfDM1& dm, QWidget* parent)
    : QDialog(parent), app_(app), dm_(dm)
{
    setObjectName(QStringLiteral("PostingsDialog"));
    setWindowTitle(tr("Postings"));
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("PostingsList"));
    list_->setAccessibleName(tr("Postings into %1").arg(dm_.Database1.AliasName()));
    list_->setRootIsDecorated(false);
    list_->setHeaderLabels({tr("Posted"), tr("File"), tr("Students"), tr("Still as stored")});
    // The file takes what the time, the count and the headings in the user's language leave.
    QHeaderView* header = list_->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // A refusal there is long: its heading is what this column must show; the tooltip the rest.
    header->resizeSection(3, std::max(header->sectionSizeHint(3), header->defaultSectionSize()));
    undo_ = new QPushButton(tr("&Undo Posting"), this);
    undo_->setObjectName(QStringLiteral("UndoPosting"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(undo_, QDialogButtonBox::ActionRole);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(640, 320);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { ChoiceChanged(); });
    connect(undo_, &QPushButton::clicked, this,
            [this] { RunHandler(app_, [this] { UndoChosen(); }); });
    Fill();
}

void TPostingsDialog::Fill(int chosen)
{
    const QString alias = dm_.Database1.AliasName();
    shown_.clear();
    list_->clear();
    std::vector<TPostingHistory::TListed> all = history_.List();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (!it->entry ||
            QString::fromStdString(it->entry->alias).compare(alias, Qt::CaseInsensitive) != 0) {
            continue;
        }
        // The records of a posting that may still be taken back, read whole; how many of them
        // are still as stored is what taking it back now would remove.
        QString intact;
        if (it->entry->undone.empty()) {
            try {
                it->entry = history_.Read(it->number);
                intact =
                    QString::number(StillAsStored(dm_.Session, kDatabase1, it->entry->records));
            } catch (const Exception& e) {
                it->refusal = e.Message();
                intact = TranslatedMessage(e);
            }
        } else {
            intact = tr("undone %1").arg(QString::fromStdString(it->entry->undone));
        }
        const TPostingEntry& entry = *it->entry;
        // Owned by the list; the item's row is the posting's place in shown_.
        auto* row = new QTreeWidgetItem(
            list_, {QString::fromStdString(entry.when), QString::fromStdString(entry.file),
                    QString::number(it->students), intact});
        row->setToolTip(3, intact);
        shown_.push_back(*it);
    }
    // The posting chosen stays chosen; at first, the newest.
    for (int i = 0; i < list_->topLevelItemCount(); ++i) {
        if (i == 0 || shown_[std::size_t(i)].number == chosen) {
            list_->setCurrentItem(list_->topLevelItem(i));
        }
    }
    list_->setFocus();
    ChoiceChanged();
}

void TPostingsDialog::ChoiceChanged()
{
    QTreeWidgetItem* item = list_->currentItem();
    const TPostingHistory::TListed* chosen =
        item ? &shown_[std::size_t(list_->indexOfTopLevelItem(item))] : nullptr;
    // One that was taken back, or whose records cannot be read, is not offered.
    undo_->setEnabled(chosen && chosen->entry->undone.empty() && chosen->refusal.empty());
}

void TPostingsDialog::UndoChosen()
{
    QTreeWidgetItem* item = list_->currentItem();
    if (!item) {
        return;
    }
    const TPostingHistory::TListed& chosen = shown_[std::size_t(list_->indexOfTopLevelItem(item))];
    const TPostingEntry& entry = *chosen.entry;
    if (!entry.undone.empty() || !chosen.refusal.empty()) {
        return;
    }
    QMessageBox ask(QMessageBox::Question, app_.Title(),
                    tr("Remove the %1 stored by the posting of %2 from %3?")
                        .arg(StudentsText(qsizetype(entry.records.size())),
                             QString::fromStdString(entry.when), dm_.Database1.AliasName()),
                    QMessageBox::Yes | QMessageBox::No, this);
    ask.setDefaultButton(QMessageBox::No);
    if (app_.ExecModal(ask) != QMessageBox::Yes) {
        return;
    }
    const TUndoOutcome outcome = UndoPosting(dm_.Session, kDatabase1, entry.records);
    const int number = chosen.number;  // Fill lists the postings anew
    tookBack_.push_back(number);
    outcome_ = Translated(UndoOutcomeText(outcome));
    history_.MarkUndone(number, HistoryTimeNow());
    Fill(number);
}
