// The project header of a calculation: who calculated what for which job. Kept with the record,
// stored in calculation files and printed on the design sheet; every text is UTF-8, empty when not given.
#pragma once

#include <string>

struct ProjectHeader {
    std::string project;   // "Projekt"
    std::string section;   // "Abschnitt"
    std::string engineer;  // "Bearbeiter"
    std::string remark;    // "Bemerkung"

    bool operator==(const ProjectHeader& other) const {
        return project == other.project && section == other.section && engineer == other.engineer &&
               remark == other.remark;
    }
    bool operator!=(const ProjectHeader& other) const { return !(*this == other); }
};
