#include "catalogue/RoughnessChoices.h"

const std::vector<RoughnessChoice>& RoughnessChoices() {
    static const std::vector<RoughnessChoice> choices{
        {"k  - manuelle Eingabe", 0.1},
        {"kb - Transportkanäle ohne Schacht: 0.25", 0.25},
        {"kb - Transportkanäle mit Schacht: 0.5", 0.5},
        {"kb - Sammelkanäle mit Schacht: 0.75", 0.75},
        {"kb - Sammelkanäle mit Sonderschächten: 1.5", 1.5},
        {"ki - Fern- und Zubringerleitung: 0.1", 0.1},
        {"ki - Hauptleitung: 0.4", 0.4},
        {"ki - Vermaschtes Netz: 1.0", 1.0},
    };
    return choices;
}
