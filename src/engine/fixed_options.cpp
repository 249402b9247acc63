#include "fixed_options.h"

#include <span>
#include <utility>

#include "control_names.h"

namespace vorlith {

namespace {

std::span<const std::string_view> ItemsOf(std::string_view control) {
    if (control == controls::kExtension) return controls::kExtensionItems;
    if (control == controls::kNameFormat) return controls::kNameFormatItems;
    if (control == controls::kFolderLayout) return controls::kFolderLayoutItems;
    return {};
}

std::string_view PartnerOf(std::string_view control) {
    static constexpr std::pair<std::string_view, std::string_view> kPairs[] = {
        {controls::kCopy, controls::kMove},
        {controls::kOverwrite, controls::kRename},
        {controls::kSubfoldersYes, controls::kSubfoldersNo},
    };
    for (auto [a, b] : kPairs) {
        if (control == a) return b;
        if (control == b) return a;
    }
    return {};
}

}  // namespace

FixedOptions::FixedOptions() {
    texts_.emplace(controls::kSourceFolder, controls::kSourcePlaceholder);
    texts_.emplace(controls::kDestinationFolder, controls::kDestinationPlaceholder);
    texts_.emplace(controls::kCustomExtension, "");
    texts_.emplace(controls::kNamePrefix, "");
    for (auto name : {controls::kMove, controls::kOverwrite, controls::kSubfoldersYes}) checked_.emplace(name, 1);
    for (auto name : {controls::kCopy, controls::kRename, controls::kSubfoldersNo, controls::kStayOnTop})
        checked_.emplace(name, 0);
    for (auto name : {controls::kExtension, controls::kNameFormat, controls::kFolderLayout}) selected_.emplace(name, 0);
}

void FixedOptions::SetText(std::string_view control, std::string text) {
    texts_.insert_or_assign(std::string(control), std::move(text));
}

void FixedOptions::Check(std::string_view control) {
    checked_.insert_or_assign(std::string(control), 1);
    if (auto partner = PartnerOf(control); !partner.empty()) checked_.insert_or_assign(std::string(partner), 0);
}

void FixedOptions::Select(std::string_view control, int index) {
    selected_.insert_or_assign(std::string(control), index);
}

std::string FixedOptions::ReadText(const std::string& control) const {
    auto it = texts_.find(control);
    return it == texts_.end() ? std::string() : it->second;
}

int FixedOptions::ReadChecked(const std::string& control) const {
    auto it = checked_.find(control);
    return it == checked_.end() ? 0 : it->second;
}

int FixedOptions::ReadSelectedIndex(const std::string& control) const {
    auto it = selected_.find(control);
    return it == selected_.end() ? -1 : it->second;
}

std::string FixedOptions::ReadItemText(const std::string& control, int index) const {
    auto items = ItemsOf(control);
    if (index < 0 || static_cast<size_t>(index) >= items.size()) return {};
    return std::string(items[static_cast<size_t>(index)]);
}

}  // namespace vorlith
