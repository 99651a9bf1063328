#include "help/HelpPage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kPage(help::HelpPageText());

TEST(HelpPage, IsPureAsciiWithEveryLineEndingInCrLf) {
    ASSERT_GE(kPage.size(), 2u);
    EXPECT_EQ(kPage.substr(kPage.size() - 2), "\r\n");
    for (size_t i = 0; i < kPage.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(kPage[i]);
        ASSERT_TRUE(c < 0x80 && c != 0) << "byte " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && kPage[i - 1] == '\r') << "bare LF at byte " << i;
        }
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < kPage.size() && kPage[i + 1] == '\n') << "bare CR at byte " << i;
        }
    }
    EXPECT_NE(kPage.find("charset=windows-1252"), std::string::npos);
}

TEST(HelpPage, HeadBodyAndFrameAsTheyMustBe) {
    for (const char* part : {
             "<title>Hilfe zu Quellrix - Version 1.0</title>",
             "<body text=\"#000000\" bgcolor=\"#FFFFFF\" link=\"#FF0000\" alink=\"#FF0000\" "
             "vlink=\"#FF0000\">\r\n"
             "<font face=\"Arial\">\r\n<h1><b>Hilfe zu Quellrix - Version 1.0</b></h1>",
             "<hr noshade size=\"1\">\r\n</font>\r\n</body>\r\n</html>\r\n",
             "<u>Hinweis:</u>",
             "<font color=\"#FF0000\">rot</font>",
             "<u>Beispiel:</u>",
         }) {
        EXPECT_NE(kPage.find(part), std::string::npos) << part;
    }
}

TEST(HelpPage, EverySectionHasItsLinkAnchorAndHeading) {
    const struct {
        const char *text, *anchor, *heading;
    } sections[] = {
        {"Globale Daten", "Global", "Globale Daten:"},
        {"Gesuchte Parameter", "Gesucht", "Gesuchte Parameter:"},
        {"Rohrparameter", "Rohr", "Rohrparameter:"},
        {"Rauhigkeitsparameter", "Rauh", "Rauhigkeitsparameter:"},
        {"Parameter", "Para", "Parameter:"},
        {"Verwendete mathematische und physikalische Ans&auml;tze", "Ansatz",
         "Verwendete mathematische und physikalische Ans&auml;tze"},
        {"Flie&szlig;zustand bei Teilf&uuml;llung", "Froude", "Flie&szlig;zustand bei Teilf&uuml;llung:"},
        {"Wandschubspannung und Ablagerungsfreiheit", "Schub", "Wandschubspannung und Ablagerungsfreiheit:"},
        {"Verlusth&ouml;he einer Druckleitung", "Verlust", "Verlusth&ouml;he einer Druckleitung:"},
        {"Innendurchmesser aus Q, J und k", "DiQJk", "Innendurchmesser aus Q, J und k:"},
        {"Bemessungstabelle", "Tabelle", "Bemessungstabelle:"},
        {"Teilf&uuml;llungskurven", "Kurven", "Teilf&uuml;llungskurven:"},
        {"Berechnungsdateien", "Dateien", "Berechnungsdateien:"},
        {"Bericht, Bemessungsblatt und Ergebnisse", "Drucken", "Bericht, Bemessungsblatt und Ergebnisse:"},
        {"Stapelrechnung mit quellrix-batch", "Stapel", "Stapelrechnung mit quellrix-batch:"},
        {"Bedienung mit der Tastatur", "Tasten", "Bedienung mit der Tastatur:"},
    };
    size_t previousHeading = 0;
    for (const auto& s : sections) {
        const std::string link = std::string("<li><a href=\"#") + s.anchor + "\">" + s.text + "</a></li>";
        const std::string heading =
            std::string("<b><u><a name=\"") + s.anchor + "\">" + s.heading + "</a></u></b>";
        EXPECT_NE(kPage.find(link), std::string::npos) << link;
        const size_t at = kPage.find(heading);
        ASSERT_NE(at, std::string::npos) << heading;
        EXPECT_GT(at, previousHeading) << "sections out of order at " << s.anchor;
        previousHeading = at;
    }
}

TEST(HelpPage, QuotedSentencesListItemsAndFormulaLines) {
    const char* quoted[] = {
        "Das Ihnen vorliegende Programm Quellrix in der Version 1.0 ist ein Programm, das nach ATV-DVWK "
        "Arbeitsblatt 110 (ATV-DVWK A110) station&auml;re Str&ouml;mungen in kreisrunden geraden "
        "Rohrleitungen "
        "berechnet.",
        "Mittels der globalen Daten werden die elementaren Randbedingungen f&uuml;r eine Berechnung erfragt:",
        "<li>Vollf&uuml;llung / Teilf&uuml;llung</li>",
        "<li>Fluidtemperatur t</li>",
        "<li>Fluiddichte &rho;</li>",
        "<li>Erdbeschleunigung g</li>",
        "<li>Kinematische Z&auml;higkeit &nu;</li>",
        "In diesem Bereich k&ouml;nnen Sie w&auml;hlen, welche Parameter berechnet werden sollen:",
        "<li>Energieliniengef&auml;lle J</li>",
        "<li>Str&ouml;mungsgeschwindigkeit v und Durchfluss Q</li>",
        "<li>Rauheit k</li>",
        "<li>Innendurchmesser d<sub>i</sub></li>",
        "Innerhalb des Programmes sind s&auml;mtliche Parameter f&uuml;r Gussrohre hinterlegt:",
        "<li>Wanddickenklasse K</li>",
        "<li>Nenndurchmesser DN</li>",
        "<li>Au&szlig;endurchmesser d<sub>a</sub> in mm</li>",
        "<li>Zementm&ouml;rtelauskleidung ZMA in mm</li>",
        "<li>Wanddickenst&auml;rke s in mm</li>",
        "<li>Innendurchmesser d<sub>i</sub> in mm</li>",
        "<li>k<sub>i</sub> = 0,1 mm f&uuml;r Fern- und Zubringerleitungen</li>",
        "<li>k<sub>i</sub> = 0,4 mm f&uuml;r Hauptleitungen</li>",
        "<li>k<sub>i</sub> = 1,0 mm f&uuml;r neue Netze und vermaschte Netze</li>",
        "<li>k<sub>b</sub> = 0,25 mm f&uuml;r Transportkan&auml;le ohne Schacht</li>",
        "<li>k<sub>b</sub> = 0,5 mm f&uuml;r Transportkan&auml;le mit Schacht</li>",
        "<li>k<sub>b</sub> = 0,75 mm f&uuml;r Sammelkan&auml;le mit Schacht</li>",
        "<li>k<sub>b</sub> = 1,5 mm f&uuml;r Sammelkan&auml;le mit Sondersch&auml;chten</li>",
        "Soll der k-Wert berechnet werden, erfolgt die Ergebnisausgabe im Feld k.",
        "Folgende Parameter werden je nach Wahl berechnet:",
        "<li>Gef&auml;lle J in m/km</li>",
        "<li>Flie&szlig;geschwindigkeit v<sub>v</sub> in m/s</li>",
        "<li>Durchfluss Q<sub>v</sub> in l/s</li>",
        "<li>Durchfluss Q<sub>v</sub> in m&sup3;/h</li>",
        "<li>Fl&auml;che A<sub>v</sub> in m&sup2;</li>",
        "<li>Reynoldszahl Re</li>",
        "<li>Lambda</li>",
        "<li>Wasserspiegelbreite in mm</li>",
        "<li>Durchfluss Q<sub>t</sub> in l/s</li>",
        "<li>Durchfluss Q<sub>t</sub> in m&sup3;/h</li>",
        "<li>F&uuml;llh&ouml;he h<sub>t</sub> in mm</li>",
        "<li>Flie&szlig;geschwindigkeit v<sub>t</sub> in m/s</li>",
        "<li>Kontinuit&auml;tsgleichung</li>",
        "<li>Rohrreibungsverluste nach dem allgemeinen Widerstandsgesetz von Darcy-Weisbach</li>",
        "<li>Widerstandsbeiwert &lambda;</li>",
        "<li>Verh&auml;ltnisse bei Teilf&uuml;llung</li>",
        "Q = v * A in m&sup3;/s",
        "h<sub>v</sub> = &lambda; * (l/d) * (v<sup>2</sup> / 2*g) in m",
        "J = (&lambda; /d) * (v<sup>2</sup> / 2*g) in m/km bzw. &permil;",
        "Re = v * d / &nu;",
        "1 / &radic; &lambda; = -2 * lg ( (2,51/(Re*&radic; &lambda;)) + (k /(3,71*d)) )",
        "r<sub>hy</sub> = d<sub>i</sub> / 4",
        "v<sub>T</sub> / v<sub>v</sub> = (r<sub>hy,T</sub> / r<sub>hy,v</sub>)<sup>0,625</sup>",
        "Q<sub>T</sub> / Q<sub>v</sub> = A<sub>T</sub> / A<sub>v</sub> * v<sub>T</sub> / v<sub>v</sub>",
    };
    for (const char* text : quoted) EXPECT_NE(kPage.find(text), std::string::npos) << text;
}

// Symbols stand as themselves (entities every browser shows), never as letters of a symbol font, and
// words are spelt right.
TEST(HelpPage, SymbolsAsThemselvesAndNoMisspelling) {
    EXPECT_NE(kPage.find("Re = v * d / &nu;"), std::string::npos);
    EXPECT_NE(kPage.find("in m/km bzw. &permil;"), std::string::npos);
    for (const char* wrong :
         {"face=\"Symbol\"", "&deg;&deg;", "Programm, dass", "Weissbach", "Aussen", "Wanddickenklasse k<"})
        EXPECT_EQ(kPage.find(wrong), std::string::npos) << wrong;
}

}  // namespace
