// The record as JSON: keys are the record's field names, nesting follows its groups.
#pragma once

#include <string>

class TPMData;

// A number as the record's JSON writes it: enough digits to round-trip a Real; NaN and infinities are null.
std::string JsonNumberText(long double v);
// A text as a JSON string literal.
std::string JsonQuotedText(const std::string& text);

// Every field, inputs and results; numbers carry enough digits to round-trip; NaN is null.
// A non-empty `error` adds an "error" member.
std::string RecordToJson(TPMData& data, const std::string& error = {});

// Sets the input fields present in `json` on a record; result fields are ignored,
// an unknown field or a wrong type raises an error naming the field.
void InputsFromJson(TPMData& data, const std::string& json);
