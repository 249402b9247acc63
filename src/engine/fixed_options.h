// OrganizerOptions over a fixed set of values, starting from the initial
// state of the main window's controls. Used by the command line and tests.
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "organizer_options.h"

namespace vorlith {

class FixedOptions final : public OrganizerOptions {
public:
    FixedOptions();  // the initial values of every option control

    void SetText(std::string_view control, std::string text);
    // Checks `control`; a radio button unchecks its partner, as in the window.
    void Check(std::string_view control);
    void Select(std::string_view control, int index);

    std::string ReadText(const std::string& control) const override;
    int ReadChecked(const std::string& control) const override;
    int ReadSelectedIndex(const std::string& control) const override;
    std::string ReadItemText(const std::string& control, int index) const override;

private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, int, std::less<>> checked_;
    std::map<std::string, int, std::less<>> selected_;
};

}  // namespace vorlith
