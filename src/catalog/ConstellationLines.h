#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace quenaro {

/// One vertex of a constellation figure (J2000).
struct ConstellationVertex {
    float rightAscensionHours;  ///< as written in the file, normally [0, 24)
    float declinationDegrees;   ///< north positive, normally [−90, 90]
};

/// Vertices joined in order by straight chords; always at least two.
using ConstellationPolyline = std::vector<ConstellationVertex>;

/// Reads constellation lines: an XML property list whose top level is an array of polylines, each
/// an array of numbers laid out flat as right ascension (hours), declination (degrees), right
/// ascension, …, every number read by catalogNumber (numbers or numeric strings). Faults within a
/// polyline never join what they separate: a value that is not a finite number breaks the
/// polyline in two at its vertex (the vertex is left out); an odd last value is ignored; a
/// polyline, or a piece of one, of fewer than two vertices draws nothing and is left out; an entry
/// that is not an array is left out. One line of the diagnostic log counts each kind of fault.
/// Failure (the file refused or not well-formed: see parseXmlPropertyList; or its top level not
/// an array): one line "<sourceName> <problem>" in the diagnostic log, and nullopt.
std::optional<std::vector<ConstellationPolyline>> readConstellationLines(
    std::string_view propertyList, std::string_view sourceName);

}  // namespace quenaro
