// SPDX-License-Identifier: GPL-3.0-or-later
// A configuration as text, one line per field in the editor's own terms and
// texts ("port 2 name = Office"), and the difference of two of them. The
// lines come from walking the layout's field table element by element with
// the image accessors, the encodings and the text table, so each value reads
// as the editor shows it.
#pragma once

#include "configuration.h"

#include <QString>

#include <string>
#include <vector>

namespace ql310::cli {

enum class Part { Table, Setting, LineParams };
const char* partName(Part part);

struct DumpLine {
    std::string key;
    QString value;
};

// One element of a field (a port's name, an LCR entry's flags byte) and the
// lines it shows. The two hour bytes of an LCR entry both show its "hours".
struct Element {
    Part part;
    int offset;
    int width;
    std::vector<DumpLine> lines;
};

std::vector<Element> describe(Configuration& config);

// Every line once, in the order of the field table.
std::vector<DumpLine> dumpLines(const std::vector<Element>& elements);

// A stretch of bytes that no field covers.
struct Area {
    Part part;
    int first;
    int last;
};
std::vector<Area> uninterpretedAreas(const std::vector<Element>& elements);

// What differs between two configurations: the lines, then the bytes that
// no line shows, counted per uninterpreted area and per field element.
struct Difference {
    std::vector<std::pair<DumpLine, DumpLine>> lines; // a's line, b's line
    struct Hidden {
        std::string where;
        int bytes;
    };
    std::vector<Hidden> hidden;
    bool empty() const { return lines.empty() && hidden.empty(); }
};
Difference difference(Configuration& a, Configuration& b);

// "key = value" lines; a control character in a value is written as \xNN.
std::string dumpText(const std::vector<DumpLine>& lines);
std::string dumpJson(const std::vector<DumpLine>& lines);
std::string differenceText(const Difference& d);

} // namespace ql310::cli
