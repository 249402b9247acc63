// The engine's read-only view of the option controls.
//
// Every option lives in a control addressed by its form name; the engine reads
// it at the moment it needs the value and never caches a reading. The desktop
// program answers these readings from its live widgets, the command line from
// a fixed set of values (FixedOptions).
#pragma once

#include <string>

namespace vorlith {

class OrganizerOptions {
public:
    virtual ~OrganizerOptions() = default;
    // Text of an edit box, as typed or as last written by a handler.
    virtual std::string ReadText(const std::string& control) const = 0;
    // 1 when a radio button or check box is checked, 0 otherwise.
    virtual int ReadChecked(const std::string& control) const = 0;
    // Selected item of a combo box, from 0; -1 when none is selected.
    virtual int ReadSelectedIndex(const std::string& control) const = 0;
    // Text of a combo box item; empty when `index` is out of range.
    virtual std::string ReadItemText(const std::string& control, int index) const = 0;
};

}  // namespace vorlith
