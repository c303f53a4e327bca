#pragma once
// The two forms of a check report: a stable, line-oriented text (code page
// 936, as the package's own texts are) and JSON (UTF-8).
//
// The text form, one record a line, fields after the first separated by tabs:
//   package <TAB> folder
//   font-file <TAB> position <TAB> name              in the wizard's order
//   FontFileCount <TAB> n
//   catalogue-entries <TAB> n
//   row <TAB> row <TAB> number <TAB> title <TAB> file <TAB> preview <TAB> WxH|none
//   filling <TAB> complete
//   filling <TAB> stops <TAB> reason <TAB> entry <TAB> file <TAB> message
//   FontSelection <TAB> line
//   required-space <TAB> text | not-formed
//   warning <TAB> code <TAB> message
//   status <TAB> clean | warnings <TAB> n | unreadable
#include "tools/fontpack/check_report.h"

#include <string>

namespace fontpack {

std::string formatText(const CheckReport& report);
std::string formatJson(const CheckReport& report);

} // namespace fontpack
