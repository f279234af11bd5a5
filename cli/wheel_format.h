#pragma once
// The wheel's part of the analysis written out for a person or a program. Every sentence the
// wheel section says is in wheel_format.cpp.

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "cli/wheel_analysis.h"

namespace cli {

void WriteWheelText(const TWheelAnalysis& wheel, std::ostream& out);
nlohmann::ordered_json WheelJson(const TWheelAnalysis& wheel);

// One line for a person on the hottest arc of one width: what its two p-values say.
std::string ArcReading(const TArcFinding& arc);
// A p-value's finding at the 5 % level about `what` ("the distances").
std::string Finding(const std::string& what, double p);

}  // namespace cli
