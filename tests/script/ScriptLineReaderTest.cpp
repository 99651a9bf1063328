#include "app/script/ScriptLineReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct Read {
    std::string line;
    bool tooLong;
    bool operator==(const Read& other) const { return line == other.line && tooLong == other.tooLong; }
};

std::vector<Read> ReadAll(const std::string& input) {
    std::istringstream in(input);
    ScriptLineReader reader(in);
    std::vector<Read> lines;
    for (std::string line; reader.Next(line);) lines.push_back({line, reader.TooLong()});
    return lines;
}

TEST(ScriptLineReader, SplitsLinesAndStripsOneTrailingCarriageReturn) {
    struct Case {
        std::string input;
        std::vector<Read> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"\n", {{"", false}}},
        {"start", {{"start", false}}},
        {"start\nleave\n", {{"start", false}, {"leave", false}}},
        {"start\r\nleave\r\n", {{"start", false}, {"leave", false}}},
        {"start\r\nleave", {{"start", false}, {"leave", false}}},
        {"a\r\r\n", {{"a\r", false}}},
        {"a\rb\n", {{"a\rb", false}}},
        {"\n\n#\n", {{"", false}, {"", false}, {"#", false}}},
        {std::string("a\0b\n", 4), {{std::string("a\0b", 3), false}}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadAll(c.input), c.lines) << c.input;
}

TEST(ScriptLineReader, BoundsTheLengthOfALine) {
    const std::string longest(kMaxScriptLineLength, 'x');
    EXPECT_EQ(ReadAll(longest + "\n"), (std::vector<Read>{{longest, false}}));
    EXPECT_EQ(ReadAll(longest + "\r\n"), (std::vector<Read>{{longest, false}}));
    EXPECT_TRUE(ReadAll(longest + "y\n").front().tooLong);
    EXPECT_TRUE(ReadAll(longest + "y").front().tooLong);

    // A line of 1 MB is read to its end, kept only in part, and the next line is whole.
    const std::vector<Read> lines = ReadAll(std::string(1 << 20, 'z') + "\nstart\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].tooLong);
    EXPECT_LE(lines[0].line.size(), kMaxScriptLineLength + 1);
    EXPECT_EQ(lines[1], (Read{"start", false}));
}

}  // namespace
