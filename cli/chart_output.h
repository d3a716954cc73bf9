#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/cast_result.h"

namespace meihua::cli {

/// A JSON string literal of UTF-8 text, quotes included, with the characters JSON requires
/// escaped.
std::string JsonString(std::string_view text);

/// Extra members of a chart object, each a name and an already-encoded JSON value.
using JsonMembers = std::vector<std::pair<std::string, std::string>>;

/// One line of JSON for a chart: {"method":..., extra members..., "upper":...,
/// "lower":..., "movingLine":..., "hexagrams":{"main":{"name":...,"lines":"100010"},...}}.
/// `lines` runs from line 1 (bottom) to line 6.
std::string ChartJson(std::string_view method, const CastResult& chart,
                      const JsonMembers& extra = {});

/// The chart for a person: the three numbers, then the five hexagrams side by side, named
/// and drawn top line first, with ◎ beside the moving line of the main hexagram.
std::string ChartText(const CastResult& chart);

}  // namespace meihua::cli
