// Date stamps and target file names.
#pragma once

#include <string>
#include <string_view>

#include "date_value.h"
#include "job_context.h"

namespace vorlith {

// `text` with every occurrence of `token` replaced, left to right, never
// overlapping. A match starts only at the first byte of a UTF-8 character;
// ASCII letters match regardless of case. An empty text or token gives a copy.
std::string ReplaceAll(std::string_view text, std::string_view token, std::string_view replacement);

// The template with 年 月 日 时 分 秒 replaced by the unpadded fields of `value`.
std::string MakeDateStamp(std::string_view nameTemplate, DateValue value);

// Sets TargetFileName for a file last written at `fileDate` (its
// FileWriteTime): prefix + date stamp in the chosen name format + "." +
// ExtensionText.
void NameFile(JobContext& job, DateValue fileDate);

}  // namespace vorlith
