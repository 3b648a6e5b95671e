#include "capture_run.h"

#include "link_recognition.h"
#include "platform/codepage.h"

namespace tarnlink {

CaptureRun::CaptureRun(const QString& text, const CaptureRules& rules, const TfcTreeNodes& tree)
    : addresses_(RecognizeAddresses(text, rules.exclusions)),
      step_(rules.silentAdd ? AddStep::QuickAddLink : AddStep::AddUrl)
{
    if (!rules.uniqueUrl || addresses_.isEmpty())
        return;
    std::vector<std::string> bytes;
    bytes.reserve(size_t(addresses_.size()));
    for (const QString& address : addresses_)
        bytes.push_back(codepage::fromDisplay(address));
    index_.emplace(bytes);
    index_->scan(tree);
}

std::optional<LinkToAdd> CaptureRun::next()
{
    while (position_ < addresses_.size()) {
        const qsizetype i = position_++;
        if (!index_ || !index_->duplicate(size_t(i)))
            return LinkToAdd{addresses_[i], step_};
    }
    return std::nullopt;
}

void CaptureRun::added(TfcTreeNode* node)
{
    if (node && index_)
        index_->noteAdded(*node);
}

} // namespace tarnlink
