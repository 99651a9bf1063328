// Everything a calculation consists of: what the form shows (every field with its flags, the three
// lists, the sought parameter, the filling mode, which partial-filling value the user gave), the
// record's values and the project header. What a calculation file holds, and what tells a changed
// calculation from the one last saved.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "hydraulics/Calculations.h"
#include "record/ProjectHeader.h"

struct FieldState {
    int id = 0;
    std::string text;
    bool enabled = true;
    bool valid = true;
    bool resultMark = false;

    bool operator==(const FieldState& other) const {
        return id == other.id && text == other.text && enabled == other.enabled && valid == other.valid &&
               resultMark == other.resultMark;
    }
};

// A drop-down list: the text of its text field, and whether that is the selected entry's.
struct ListState {
    std::string text;
    bool selected = false;
    bool enabled = true;

    bool operator==(const ListState& other) const {
        return text == other.text && selected == other.selected && enabled == other.enabled;
    }
};

struct FormState {
    std::vector<FieldState> fields;  // every number field, in tab order
    ListState pipeClass, dn, roughness;
    std::vector<std::string> dnEntries;  // the DN list's entries: those of the class last picked
    int soughtTab = 0;                   // position of the selected sought-parameter tab, 0 to 3
    bool fullFilling = true;
    std::optional<hydraulics::PartialQuantity> partialGiven;

    bool operator==(const FormState& other) const {
        return fields == other.fields && pipeClass == other.pipeClass && dn == other.dn &&
               dnEntries == other.dnEntries && roughness == other.roughness && soughtTab == other.soughtTab &&
               fullFilling == other.fullFilling && partialGiven == other.partialGiven;
    }
};

// The record's members, in SI units.
struct RecordValues {
    double surfaceWidth = 0, vt = 0, ht = 0, Qt = 0;
    bool calculated = false;
    double Re = 0, k = 0, Di = 0, g = 0, v = 0, ny = 0, Q = 0, I = 0, rho = 0, T = 0, lambda = 0;
    int sought = 0;
    bool fullFilling = true;

    bool operator==(const RecordValues& other) const;
};

struct CalculationState {
    FormState form;
    RecordValues record;
    ProjectHeader header;

    bool operator==(const CalculationState& other) const {
        return form == other.form && record == other.record && header == other.header;
    }
    bool operator!=(const CalculationState& other) const { return !(*this == other); }
};

class CPlenwickDoc;

RecordValues RecordValuesOf(const CPlenwickDoc& record);
// Stores the values in the record as they are (the viscosity as given, not derived).
void StoreRecordValues(CPlenwickDoc& record, const RecordValues& values);
