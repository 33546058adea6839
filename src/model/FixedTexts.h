#pragma once

// Texts shown as they are whatever the language: the About dialog speaks Chinese only, the
// toolbar's buttons are told apart by Chinese keys, and the one Chinese caption without spaces
// that may take two lines has its break here.
namespace rotaline::fixed {

inline constexpr const char* AboutCaption = "关于 ";
inline constexpr const char* AboutVersion = "版本 %1.%2.%3";
inline constexpr const char* AboutTitle = "无刷马达电子调速器设置软件";
inline constexpr const char* AboutDescription =
    "    本软件是专为本公司生产的普通飞机、直升飞机、船、车用系列无刷马达电子调速成器的电脑设置用";
inline constexpr const char* AboutDesigner = "设计人：Rotaline 开发组";
inline constexpr const char* AboutDisclaimer = "本软件按现状提供，使用前请确认调速器型号与设置。";
inline constexpr const char* AboutSystemInformation = "系统信息(&S)...";
inline constexpr const char* SystemInformationMissing = "此时系统信息不可用";

inline constexpr const char* OpenKey = "打开";
inline constexpr const char* SaveKey = "保存";
inline constexpr const char* HelpKey = "帮助";

// A caption without spaces and the characters of its first line: Chinese is broken between
// words, never inside one.
struct WordBreak {
    const char* caption;
    int firstLine;
};
inline constexpr WordBreak WordBreaks[] = {{"恢复工厂默认值", 4}};

}  // namespace rotaline::fixed
