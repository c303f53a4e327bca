#pragma once
// The fixed texts of the wizard, in one place. Code page 936 in the binary.

namespace texts {

inline constexpr const char* applicationTitle = "zarnikfonts_setup_win_1000";
inline constexpr const char* windowCaption = "Zarnik字库安装向导";

// Bare line feeds: the box shows four lines.
inline constexpr const char* closeConfirmation =
    "安装尚未完成。\n如果您现在退出，字库将不会安装。\n您可以稍后运行安装向导来完成安装。\n"
    "您希望退出汉字字库安装向导吗？";
inline constexpr const char* closeConfirmationCaption = "提示";

// Opened by its bare name, from the current directory.
inline constexpr const char* licenceFile = "license.lic";
// The fonts always go here; the box only shows it.
inline constexpr const char* targetFolder = "C:\\Windows\\Fonts";

inline constexpr const char* headerNumber = "序号";
inline constexpr const char* headerName = "字体名称";
inline constexpr const char* headerPreview = "字体预览";

} // namespace texts
