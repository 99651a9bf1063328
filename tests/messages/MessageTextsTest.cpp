#include "messages/MessageTexts.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct NonConvergenceCase {
    int Re;
    double k;
    double di;
    const char* message;
};

TEST(MessageTextsTest, NonConvergenceShowsDiInWholeMillimetresSaturatedToTheIntRange) {
    const NonConvergenceCase cases[] = {
        {7, 0.01906, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 7, K: 0.019060, di: 100, Counter: 100"},
        {100000, 0.0, 0.0, "Fehler: Lambda konvergiert nicht!  Re: 100000, K: 0.000000, di: 0, Counter: 100"},
        {100000, 0.0001, -0.1,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: 0.000100, di: -100, Counter: 100"},
        {100000, kNaN, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nicht berechenbar, di: 100, Counter: 100"},
        {100000, kInf, 0.1, "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nicht berechenbar, di: 100, Counter: 100"},
        {100000, 0.0001, kNaN,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: 0.000100, di: 0, Counter: 100"},
        {100000, kNaN, 1e300,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nicht berechenbar, di: 2147483647, Counter: 100"},
        {100000, kNaN, -kInf,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nicht berechenbar, di: -2147483648, Counter: 100"},
    };
    for (const NonConvergenceCase& c : cases)
        EXPECT_EQ(messages::NonConvergenceMessage(c.Re, c.k, c.di, 100), c.message) << c.di;
}

TEST(MessageTextsTest, ResultLimitsShowRoughnessAndDiameterInMillimetres) {
    using hydraulics::ResultQuantity;
    EXPECT_EQ(messages::LimitBreachMessage({ResultQuantity::I, 251}),
              "I liegt außerhalb der Berechnungsgrenzen: (251.000000)");
    EXPECT_EQ(messages::LimitBreachMessage({ResultQuantity::V, kNaN}),
              "v liegt außerhalb der Berechnungsgrenzen: (nicht berechenbar)[m/s]");
    EXPECT_EQ(messages::LimitBreachMessage({ResultQuantity::K, 0.06}),
              "k liegt außerhalb der Berechnungsgrenzen: (60.000000)[mm]");
    EXPECT_EQ(messages::LimitBreachMessage({ResultQuantity::Di, 0.04}),
              "di liegt außerhalb der Berechnungsgrenzen: (40.000000)[mm]");
}

// No message shows nan, inf or a number longer than a message line holds.
TEST(MessageTextsTest, ValuesThatCannotBeComputedOrDoNotFitAreSaidSo) {
    using hydraulics::InputCheck;
    using hydraulics::ResultQuantity;
    const struct {
        std::string message;
        const char* expected;
    } cases[] = {
        {messages::LimitBreachMessage({ResultQuantity::Di, -kInf}),
         "di liegt außerhalb der Berechnungsgrenzen: (nicht berechenbar)[mm]"},
        {messages::LimitBreachMessage({ResultQuantity::K, -kNaN}),
         "k liegt außerhalb der Berechnungsgrenzen: (nicht berechenbar)[mm]"},
        {messages::LimitBreachMessage({ResultQuantity::V, 1e300}),
         "v liegt außerhalb der Berechnungsgrenzen: (1.000000e+300)[m/s]"},
        {messages::InputCheckMessage({InputCheck::G, kInf}), "Der Wert für g ist mit <nicht berechenbar> ungültig"},
        {messages::InputCheckMessage({InputCheck::Re, -1e200}), "Der Wert für Re ist mit <-1.000000e+200> ungültig"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.message, c.expected);
}

TEST(MessageTextsTest, EveryEntryHasATextOfItsOwn) {
    std::set<std::string> texts;
    for (int id = 0; id < static_cast<int>(messages::MessageId::Count); ++id) {
        const std::string text = messages::Text(static_cast<messages::MessageId>(id));
        EXPECT_FALSE(text.empty()) << id;
        EXPECT_TRUE(texts.insert(text).second) << text;
    }
}

}  // namespace
