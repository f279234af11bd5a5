#pragma once
// The analysis written out for a person (text) or a program (JSON).

#include <ostream>

#include "cli/analysis.h"

namespace cli {

// The tests with their readings, each number's deviation, the gaps, the runs, the columns
// table and the closing note; with `color`, marked column counts are green.
void WriteAnalysisText(const TAnalysis& analysis, std::ostream& out, bool color);

// The same data as one JSON object. An unreliable test has a null p_value.
void WriteAnalysisJson(const TAnalysis& analysis, std::ostream& out);

}  // namespace cli
