// Form names of the option controls and their item lists, shared by the
// engine, the command line and the main window.
#pragma once

#include <array>
#include <string_view>

namespace vorlith::controls {

inline constexpr std::string_view kSourceFolder = "编辑框1";
inline constexpr std::string_view kDestinationFolder = "编辑框2";
inline constexpr std::string_view kExtension = "组合框_后缀名称";
inline constexpr std::string_view kCustomExtension = "编辑框_自定义后缀";
inline constexpr std::string_view kCopy = "复制框";
inline constexpr std::string_view kMove = "移动框";
inline constexpr std::string_view kOverwrite = "覆盖框";
inline constexpr std::string_view kRename = "重命名框";
inline constexpr std::string_view kSubfoldersYes = "是框";
inline constexpr std::string_view kSubfoldersNo = "否框";
inline constexpr std::string_view kNameFormat = "组合框_照片名称方式";
inline constexpr std::string_view kNamePrefix = "照片名称头";
inline constexpr std::string_view kFolderLayout = "组合框_目录整理方式";
inline constexpr std::string_view kStayOnTop = "置顶框";

inline constexpr std::string_view kSourcePlaceholder = "源文件路径";
inline constexpr std::string_view kDestinationPlaceholder = "保存照片路径";

inline constexpr std::array<std::string_view, 8> kExtensionItems = {
    "JPG", "BMP", "GIF", "MOV", "AVI", "MP4", "3GP", "自定义"};
inline constexpr int kCustomExtensionIndex = 7;

inline constexpr std::array<std::string_view, 5> kNameFormatItems = {
    "年月日时分秒", "年-月-日 时：分：秒", "年_月_日_时_分_秒", "年-月-日-时-分-秒", "时-分-秒"};

inline constexpr std::array<std::string_view, 6> kFolderLayoutItems = {
    "(主)2014年 (二级)12月 (三级)29日",
    "(主)2014年 (二级)12月",
    "(主)2014年",
    "(主)2014 (二级)12 (三级)29",
    "(主)2014 (二级)12",
    "(主)2014"};

}  // namespace vorlith::controls
