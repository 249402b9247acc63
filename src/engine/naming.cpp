#include "naming.h"

#include "ascii_case.h"
#include "control_names.h"

namespace vorlith {

namespace {

size_t CharacterLength(unsigned char lead) {
    if (lead >= 0xC0 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    return 1;
}

}  // namespace

std::string ReplaceAll(std::string_view text, std::string_view token, std::string_view replacement) {
    if (text.empty() || token.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t pos = 0;
    while (text.size() - pos >= token.size()) {
        if (EqualIgnoringAsciiCase(text.substr(pos, token.size()), token)) {
            out += replacement;
            pos += token.size();
        } else {
            size_t length = std::min(CharacterLength(static_cast<unsigned char>(text[pos])), text.size() - pos);
            out.append(text, pos, length);
            pos += length;
        }
    }
    out.append(text, pos);
    return out;
}

std::string MakeDateStamp(std::string_view nameTemplate, DateValue value) {
    static constexpr std::pair<std::string_view, DatePartCode> kTokens[] = {
        {"年", kYear}, {"月", kMonth}, {"日", kDay}, {"时", kHour}, {"分", kMinute}, {"秒", kSecond}};
    std::string replacements[6];
    for (size_t i = 0; i < 6; ++i) replacements[i] = IntText(DatePart(value, kTokens[i].second));
    std::string stamp(nameTemplate);
    for (size_t i = 0; i < 6; ++i) stamp = ReplaceAll(stamp, kTokens[i].first, replacements[i]);
    return stamp;
}

void NameFile(JobContext& job, DateValue fileDate) {
    const std::string formatControl(controls::kNameFormat);
    const std::string nameTemplate =
        job.options.ReadItemText(formatControl, job.options.ReadSelectedIndex(formatControl));
    const std::string stamp = MakeDateStamp(nameTemplate, fileDate);
    std::string name = job.options.ReadText(std::string(controls::kNamePrefix));
    name.append(stamp).append(".").append(job.texts.ExtensionText);
    job.texts.TargetFileName = std::move(name);
}

}  // namespace vorlith
