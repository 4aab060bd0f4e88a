// The PostScript job printed when no input file is named: one page with a frame, a title and a
// filled circle.
#pragma once

#include <string_view>

inline constexpr std::string_view kSampleJobName = "sample.ps";

inline constexpr std::string_view kSampleJob =
    "%!PS-Adobe-3.0\n"
    "%%Title: sample.ps\n"
    "%%BoundingBox: 0 0 595 842\n"
    "%%Pages: 1\n"
    "%%EndComments\n"
    "%%Page: 1 1\n"
    "2 setlinewidth\n"
    "newpath 72 72 moveto 523 72 lineto 523 770 lineto 72 770 lineto closepath stroke\n"
    "/Helvetica findfont 28 scalefont setfont\n"
    "110 700 moveto (Roll printer test page) show\n"
    "0.1 0.3 0.8 setrgbcolor\n"
    "newpath 297 400 120 0 360 arc fill\n"
    "showpage\n"
    "%%EOF\n";
