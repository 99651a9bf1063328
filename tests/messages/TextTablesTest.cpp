#include "messages/BatchTexts.h"
#include "messages/CommandTexts.h"
#include "messages/CurveTexts.h"
#include "messages/ResultTexts.h"
#include "messages/SheetTexts.h"
#include "messages/SizingTexts.h"
#include "messages/TextTable.h"
#include "messages/WindowTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Two entries with one text are an entry copied and not changed.
template <typename Id>
void ExpectDistinctTexts(const char* table) {
    std::set<std::string> texts;
    for (int id = 0; id < static_cast<int>(Id::Count); ++id) {
        const std::string text = messages::Text(static_cast<Id>(id));
        EXPECT_TRUE(texts.insert(text).second) << table << ": " << text;
    }
}

TEST(TextTablesTest, EveryEntryOfATableHasATextOfItsOwn) {
    ExpectDistinctTexts<messages::BatchText>("BatchText");
    ExpectDistinctTexts<messages::CommandText>("CommandText");
    ExpectDistinctTexts<messages::CurveText>("CurveText");
    ExpectDistinctTexts<messages::ResultText>("ResultText");
    ExpectDistinctTexts<messages::SheetText>("SheetText");
    ExpectDistinctTexts<messages::SizingText>("SizingText");
    ExpectDistinctTexts<messages::WindowText>("WindowText");
}

TEST(TextTablesTest, FilledPutsEachArgumentInPlaceAsItIs) {
    using namespace std::string_literals;
    const struct {
        std::string text;
        std::string filled;
    } cases[] = {
        {messages::Filled("Spalte %s: „%s“ %s", {"Q", "1,5%s", "ist keine Zahl"}),
         "Spalte Q: „1,5%s“ ist keine Zahl"},
        {messages::Filled("%s und %s", {"a\0b"s}), "a\0b und %s"s},
        {messages::Filled("ohne Platzhalter", {"x"}), "ohne Platzhalter"},
        {messages::Filled("100 %% von %s", {"Q"}), "100 %% von Q"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.text, c.filled);
}

}  // namespace
