// Every numeric field of the record by its path, as `show` names and nests it
// ("QallVesic", "Square.Mu1", "Continuous.LoadCases[0].OTSafety"), resolved once, read from any record.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class TPMData;

enum class TFieldType { Real, Double, Int32, Byte };

struct TRecordField {
    std::string Path;
    TFieldType Type = TFieldType::Real;
    std::ptrdiff_t Offset = 0;  // from the start of the record
    bool Input = false;
};

// In the order `show` prints them; texts, the logo and other non-numeric fields are not listed.
const std::vector<TRecordField>& RecordFields();
const TRecordField* FindRecordField(const std::string& path);

// The field's value in a record: the shortest text that reads back as the value `show` writes
// (NaN and infinities are null).
std::string FieldText(const TPMData& record, const TRecordField& field);
// The field's value as a number (integers converted).
long double FieldValue(const TPMData& record, const TRecordField& field);
