#include "form/model/FormModel.h"
#include "messages/MessageTexts.h"

std::optional<double> FormModel::CorrectEntry(double x, hydraulics::EntryQuantity quantity,
                                              const hydraulics::EntryRange& range) {
    const hydraulics::EntryCheck check = hydraulics::CheckEntry(x, range);
    if (check.crossed == hydraulics::EntrySide::Within)
        return std::nullopt;
    TellEntryLimit(quantity, check.crossed);
    if (!check.clamped)
        return std::nullopt;
    return check.value;
}

void FormModel::TellEntryLimit(hydraulics::EntryQuantity quantity, hydraulics::EntrySide side) {
    Tell(messages::EntryLimitMessage(quantity, side));
}
