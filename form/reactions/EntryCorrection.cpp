#include "form/reactions/EntryCorrection.h"

#include "messages/MessageTexts.h"
#include "platform/Prompt.h"

std::optional<double> CorrectEntry(double x, hydraulics::EntryQuantity quantity,
                                   const hydraulics::EntryRange& range) {
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(x, range);
    if (check.crossed == hydraulics::EntrySide::Within)
        return std::nullopt;
    TellEntryLimit(quantity, check.crossed);
    if (!check.clamped)
        return std::nullopt;
    return check.value;
}

void TellEntryLimit(hydraulics::EntryQuantity quantity, hydraulics::EntrySide side) {
    platform::ShowMessage(messages::EntryLimitMessage(quantity, side));
}
