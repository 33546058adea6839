#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace rotaline {

struct Parameter;

// A text in both languages of the interface.
struct Bilingual {
    const char* english;
    const char* chinese;

    QString in(bool chinese) const { return QString::fromUtf8(chinese ? this->chinese : english); }
};

namespace texts {

inline constexpr const char* CrLf = "\r\n";
inline constexpr const char* LoadNote = "Load File:";
inline constexpr Bilingual PortInvalidNote{" port is invalid !", "口是无效的！"};
inline constexpr Bilingual InvalidPortFirst{" is invalild ! ", "是无效的 ！ "};
inline constexpr Bilingual InvalidPortSecond{"Please slect other COM port !", "请选取别的COM口!"};
// The settings store: %1 its file, %2 why.
inline constexpr Bilingual SettingsUnread{
    "Rotaline cannot read its settings file %1:\r\n%2\r\nIt starts without its recent files and "
    "adapter assignments, and leaves the file as it is.",
    "Rotaline 无法读取设置文件 "
    "%1：\r\n%2\r\n程序将不带最近文件和适配器分配启动，并且不改动该文件。"};
inline constexpr Bilingual SettingsNotKept{
    "Rotaline cannot keep its settings in %1:\r\n%2\r\nThe recent files and adapter assignments "
    "last until you quit.",
    "Rotaline 无法把设置保存到 %1：\r\n%2\r\n最近文件和适配器分配只在本次运行中有效。"};

// The journal of what was sent: %1 its file and why.
inline constexpr Bilingual JournalNotKept{
    "Rotaline cannot write its journal of what was sent:\r\n%1\r\nProgramming goes on; File > "
    "History lacks what is sent until the journal can be written again.",
    "Rotaline 无法写入发送记录：\r\n%1\r\n编程照常进行；在记录恢复写入之前，“文件 > "
    "历史记录”中没有这段时间发送的内容。"};

}  // namespace texts

// A text of the tables, which are UTF-8.
inline QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The entry of the port list for port `number` (1..PortCount).
inline QString portName(int number) {
    return QStringLiteral("COM%1").arg(number);
}

// The models of an ESC type, in list order.
QStringList modelNames(int type, bool chinese);
// The entries of the list that writes a parameter, in a language: the cell count's before any
// model is chosen, the others' as the parameter table gives them.
QStringList listEntries(const Parameter& parameter, bool chinese);

}  // namespace rotaline
