#include "app/script/ControlDump.h"

#include "form/model/NumberEdit.h"
#include "platform/Number.h"
#include "platform/headless/Transcript.h"
#include "record/PlenwickDoc.h"

namespace {

using headless::Quote;

const char* Flag(bool on) {
    return on ? "1" : "0";
}

std::string Head(const char* kind, const platform::Control& control) {
    return std::string(kind) + " " + std::to_string(control.Id());
}

void AddEntries(const std::vector<std::string>& entries, std::vector<std::string>& lines) {
    for (size_t i = 0; i < entries.size(); ++i) {
        lines.push_back("  entry " + std::to_string(i) + " " + Quote(entries[i]));
    }
}

std::string DescribeEdit(const platform::EditControl& edit) {
    const auto* number = dynamic_cast<const CNumberEdit*>(&edit);
    const bool valid = number ? number->IsValid() : true;
    const bool marked = number ? number->HasResultMark() : false;
    return Head("edit", edit) + " " + Quote(edit.GetText()) + " enabled=" + Flag(edit.IsEnabled()) +
           " valid=" + Flag(valid) + " mark=" + Flag(marked);
}

void DescribeList(const platform::ListControl& list, std::vector<std::string>& lines) {
    lines.push_back(Head("list", list) + " sel=" + std::to_string(list.GetCurSel()) + " " +
                    Quote(list.GetEditText()) + " enabled=" + Flag(list.IsEnabled()) +
                    " entries=" + std::to_string(list.GetCount()));
    AddEntries(list.Entries(), lines);
}

void DescribeTabs(const platform::TabControl& tabs, std::vector<std::string>& lines) {
    lines.push_back(Head("tabs", tabs) + " sel=" + std::to_string(tabs.GetCurSel()) +
                    " enabled=" + Flag(tabs.IsEnabled()));
    AddEntries(tabs.Items(), lines);
}

std::string DescribeButton(const platform::ButtonControl& button) {
    return Head("button", button) + " " + Quote(button.GetCaption()) +
           " enabled=" + Flag(button.IsEnabled()) + " checked=" + Flag(button.GetCheck());
}

std::string Member(const char* name, double value) {
    return platform::Format("record %s %.17g", name, value);
}
std::string Member(const char* name, bool value) {
    return std::string("record ") + name + " " + Flag(value);
}
std::string Member(const char* name, int value) {
    return platform::Format("record %s %d", name, value);
}

}  // namespace

std::vector<std::string> DescribeControl(const platform::Control& control) {
    std::vector<std::string> lines;
    if (const auto* edit = dynamic_cast<const platform::EditControl*>(&control)) {
        lines.push_back(DescribeEdit(*edit));
    } else if (const auto* list = dynamic_cast<const platform::ListControl*>(&control)) {
        DescribeList(*list, lines);
    } else if (const auto* tabs = dynamic_cast<const platform::TabControl*>(&control)) {
        DescribeTabs(*tabs, lines);
    } else if (const auto* button = dynamic_cast<const platform::ButtonControl*>(&control)) {
        lines.push_back(DescribeButton(*button));
    }
    return lines;
}

std::vector<std::string> DescribeRecord(const CPlenwickDoc& record) {
    return {
        Member("m_surfaceWidth", record.GetSurfaceWidth()),
        Member("m_vt", record.GetVt()),
        Member("m_ht", record.GetHt()),
        Member("m_Qt", record.GetQt()),
        Member("m_calculated", record.IsCalculated()),
        Member("m_Re", record.GetRe()),
        Member("m_k", record.GetK()),
        Member("m_Di", record.GetDi()),
        Member("m_g", record.GetG()),
        Member("m_v", record.GetV()),
        Member("m_ny", record.GetNy()),
        Member("m_Q", record.GetQ()),
        Member("m_I", record.GetI()),
        Member("m_rho", record.GetRho()),
        Member("m_T", record.GetT()),
        Member("m_lambda", record.GetLambda()),
        Member("m_sought", record.GetSought()),
        Member("m_fullFilling", record.IsFullFilling()),
    };
}
