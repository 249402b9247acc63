// The texts the engine shows or writes, in one place.
#pragma once

#include <string_view>

namespace vorlith::messages {

inline constexpr std::string_view kDone = "处理完成！";
inline constexpr std::string_view kCompletedPrefix = "照片整理完成！共计： ";
inline constexpr std::string_view kCompletedFailedInfix = " 张，其中失败 ";
inline constexpr std::string_view kUnit = " 张";
inline constexpr std::string_view kFoldersUnreadable = " 个目录无法读取";
inline constexpr std::string_view kLogFailed = "，日志写入失败";
inline constexpr std::string_view kCaptionPrefix = "第 ";
inline constexpr std::string_view kAlreadyInPlace = " （已在目标位置）";
inline constexpr std::string_view kFailedOpen = " （失败：";
inline constexpr std::string_view kFailedClose = "）";
inline constexpr std::string_view kArrow = "--→";
inline constexpr std::string_view kCustomExtensionMissing = "请填写您自定义后缀的名称！！";
inline constexpr std::string_view kUnsafeNamePart = "名称头或后缀名称含有非法字符！";

}  // namespace vorlith::messages
