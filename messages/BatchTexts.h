// The texts of quellrix-batch: its help, what it says on the command line (after "quellrix-batch: ")
// and the Status column's texts of a row that is not calculated. A text with "%s" is filled with
// Filled(id, {...}); the progress texts are printf formats.
#pragma once

#include "messages/TextTable.h"

namespace messages {

enum class BatchText {
    Help,
    SeeHelp,
    // the call
    UnexpectedArgument,  // the argument
    MoreThanOneInput,
    UnknownOption,       // the option
    OptionWithoutValue,  // the option
    DecimalOption,
    DelimiterOption,
    ThreadsOption,
    DelimiterIsDecimal,
    OptionNotNumber,     // the option's name, its value
    ClassOptionUnknown,  // the value
    DnOptionUnknown,     // the value
    NoPipeClass,
    // input and output
    InputIsOutput,
    InputUnreadable,   // the system's reason
    OutputUnwritable,  // the system's reason
    HeaderTooLong,
    HeaderTooManyColumns,
    HeaderNotUtf8,
    HeaderQuotes,
    ColumnTwice,  // the column
    ProgressShare,
    ProgressRows,
    // the Status of a row: its record
    EmptyRow,
    QuoteOpen,
    TextAfterQuote,
    QuoteInField,
    FieldCount,  // fields given, fields of the header
    OneColumnMissing,
    ColumnsMissing,
    RowTooLong,
    RowTooManyFields,
    NotComputed,
    // the Status of a row: its cells
    ColumnLike,  // the header's name, the known name it resembles
    Cell,        // the column, the cell, what is wrong with it (one of the Cell... texts below)
    CellNotSought,
    CellNotFilling,
    CellClassUnknown,
    CellDnNotInClass,  // the class
    CellDnWithoutClasses,
    CellNotRoughness,  // the last number
    CellNotNumber,
    CellNotNonNegative,
    ColumnComputed,       // the column, the sought parameter
    KOnlyManual,          // the number of the manual roughness
    PartialOnly,          // the column
    PartialOne,           // the column
    AdjustmentCancelled,  // the column
    Count
};

const char* Text(BatchText id);

}  // namespace messages
