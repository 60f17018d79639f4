#pragma once
// The evaluation of one runner of the race on screen: its recent runs, running
// style and distance change from the horse record, the entry record's fields,
// and the points and type from the course parameters.
#include <expected>
#include <string>
#include <string_view>

#include "core/data/race_summary.hpp"
#include "core/data/text_helpers.hpp"
#include "core/engine/course_params.hpp"
#include "core/engine/runner.hpp"

namespace orvane {

// The runner from its horse record; the race gives its surface, distance and
// date. Fails only when a past run's corner position is not a number.
std::expected<TBachu, ConversionError> EvaluatePastRuns(std::string_view horseLine, const RaceSummary& race);

// WeightText (empty when the field holds no number), Jockey and Rating.
void ApplyEntry(TBachu& runner, std::string_view entryLine);

// WinPoints, ReturnPoints, TotalPoints and TypeClass from loaded parameters;
// a runner without style or without distance change gets 0 points.
void ApplyPoints(TBachu& runner, const CourseParams& params);

// SS, S, M, D or empty, from win points W and return points R.
std::string TypeClassOf(double win, double ret);

// Sex and age padded to 6 bytes, then the coat colour padded to 6 bytes.
std::string SexAgeCoat(std::string_view entryLine, std::string_view horseLine);

}  // namespace orvane
