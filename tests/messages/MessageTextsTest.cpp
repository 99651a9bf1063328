#include "messages/MessageTexts.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <utility>

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
        {100000, kNaN, 0.1,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nicht berechenbar, di: 100, Counter: 100"},
        {100000, kInf, 0.1,
         "Fehler: Lambda konvergiert nicht!  Re: 100000, K: nicht berechenbar, di: 100, Counter: 100"},
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

TEST(MessageTextsTest, ChecksBesideTheFrictionLawInOneLineWithDecimalCommas) {
    hydraulics::FlowState nearCritical;
    nearCritical.froude = 0.970853;
    nearCritical.regime = hydraulics::FlowRegime::NearCritical;
    nearCritical.critical.h = 0.0316;
    hydraulics::FlowState subcritical = nearCritical;
    subcritical.froude = 0.5;
    subcritical.regime = hydraulics::FlowRegime::Subcritical;
    hydraulics::LineLoss loss;
    loss.friction = 3;
    loss.local = 0.186422;
    loss.total = 3.186422;
    hydraulics::MissingFlowDiameterInputs missing;
    missing.inputs[0] = hydraulics::FlowDiameterInput::J;
    missing.inputs[1] = hydraulics::FlowDiameterInput::K;
    missing.count = 2;
    const std::pair<std::string, std::string> cases[] = {
        {messages::FlowStateMessage(nearCritical),
         "Fließzustand nahe kritisch: Fr = 0,97, Grenztiefe hc = 31,6 mm; Fr zwischen 0,86 und 1,13: "
         "unruhiger, instabiler Wasserspiegel"},
        {messages::FlowStateMessage(subcritical),
         "Fließzustand strömend: Fr = 0,50, Grenztiefe hc = 31,6 mm"},
        {messages::SelfCleansingMessage(hydraulics::CheckSelfCleansing(0.959)),
         "Wandschubspannung τ = 0,96 N/m² ≥ τmin = 0,87 N/m²: Ablagerungsfreiheit erfüllt"},
        {messages::SelfCleansingMessage(hydraulics::CheckSelfCleansing(0.5, 1.0)),
         "Wandschubspannung τ = 0,50 N/m² < τmin = 1,00 N/m²: Ablagerungen möglich"},
        {messages::LineLossMessage(loss),
         "Verlusthöhe hv = J · L + Σζ · v²/(2g) = 3,000 m + 0,186 m = 3,186 m"},
        {messages::LineInputMessage({hydraulics::LineInput::LossSum, -0.5}),
         "Der Wert für Σζ ist mit <-0.500000> ungültig"},
        {messages::FlowDiameterMissingMessage(missing),
         "Di kann nicht errechnet werden. Es sind nicht genügend Werte vorgegeben!\n"
         "Für di aus Q, J und k nach Colebrook-White fehlen Werte: J, k"},
        {messages::FlowRegimeName(hydraulics::FlowRegime::Supercritical), "schießend"},
    };
    for (const auto& [message, expected] : cases) EXPECT_EQ(message, expected);
    for (hydraulics::Fitting fitting : hydraulics::Fittings())
        EXPECT_STRNE(messages::FittingName(fitting), "");
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
        {messages::InputCheckMessage({InputCheck::G, kInf}),
         "Der Wert für g ist mit <nicht berechenbar> ungültig"},
        {messages::InputCheckMessage({InputCheck::Re, -1e200}),
         "Der Wert für Re ist mit <-1.000000e+200> ungültig"},
        {messages::InputCheckMessage({InputCheck::I, 5e-5}), "Der Wert für I ist mit <5e-05> ungültig"},
        {messages::InputCheckMessage({InputCheck::I, -1.23456e-7}),
         "Der Wert für I ist mit <-1.235e-07> ungültig"},
        {messages::InputCheckMessage({InputCheck::I, 0}), "Der Wert für I ist mit <0.000> ungültig"},
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
