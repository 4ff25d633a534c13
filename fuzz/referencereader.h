#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace kirvano::fuzz {

// A second reading of the settings file's five fields, written as plainly
// as possible on bytes, to check the real reader against:
//  - spaces in front of a field are skipped;
//  - a field that begins with a double quote runs to the next double quote,
//    or to the end of the data when there is none; what follows the closing
//    quote up to the next comma or line end is dropped;
//  - any other field runs to the next comma, CR or LF;
//  - the comma, CR LF, CR or LF that ends a field is consumed with it;
//  - the end of the data before a field has started fails the read.
using ReferenceFields = std::array<std::string, 5>;

std::optional<ReferenceFields> referenceFields(std::string_view data);

} // namespace kirvano::fuzz
