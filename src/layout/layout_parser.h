// Parses layout text into a tree. The text is UTF-8:
//
//   object ParallelPortForm: TParallelPortForm     // a comment runs to the end of the line
//     Caption = "Parallel-Port Status/Control"     // strings: "..." with \" \\ \n \r \t \xHH \uXXXX
//     Left = 155                                   // integers: -12, 0x80000005
//     BorderStyle = bsDialog                       // identifiers: enums, True/False, clBtnFace
//     Font.Style = [fsBold, fsItalic]              // sets; nested paths
//     Lines = ("first" "second")                   // lists of strings, integers or identifiers
//     Hint = "long texts are " + "joined with +"
//     object Button_OK: TXPBitBtn                  // child objects, nested to any sensible depth
//     end
//   end
//
// Any fault raises EReadError with the resource name and the line.
#pragma once

#include <string_view>

#include "layout/layout_tree.h"

namespace pp::layout {

// Objects nested deeper than this are refused (a hostile resource must not exhaust the stack).
inline constexpr int kMaxNesting = 64;

ObjectNode ParseLayout(std::string_view text, std::string_view resource);

}  // namespace pp::layout
