#pragma once

// One recognition of a copied text: the addresses to add, one after the other, with the duplicate
// check of UniqueUrl against the tree and against the links added earlier in the same run.
//
//     CaptureRun run(text, rules, tree);
//     while (const auto link = run.next())
//         run.added(link->step == AddStep::QuickAddLink ? QuickAddLink(link->address)
//                                                        : linkAddedByTheDialog(link->address)); // null: cancelled

#include "duplicate_index.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tarnlink {

enum class AddStep {
    QuickAddLink, // added silently, with the notice when MSNPopup is on
    AddUrl,       // through the add-link dialog, the address as name and link; wait for it to close
};

struct LinkToAdd {
    QString address;
    AddStep step;
};

struct CaptureRules {
    QStringList exclusions;  // the ClipBoardOut lines
    bool uniqueUrl = true;   // UniqueUrl: an address already held is skipped without a question
    bool silentAdd = false;  // AutoAddUrl and the link monitor asked; add from clipboard never is
};

class CaptureRun {
public:
    // Recognises the addresses and, with UniqueUrl, looks them all up in one walk of the tree.
    CaptureRun(const QString& text, const CaptureRules& rules, const TfcTreeNodes& tree);

    // The next address that has no duplicate; nothing at the end of the text.
    std::optional<LinkToAdd> next();
    // The link just added for the address next() gave; later addresses it holds are skipped.
    void added(TfcTreeNode* node);

private:
    QStringList addresses_;
    AddStep step_;
    std::optional<DuplicateIndex> index_; // only with UniqueUrl
    qsizetype position_ = 0;
};

} // namespace tarnlink
