// Names of MainWindow and its controls, as its description gives them.
#pragma once

#include "platform/description.h"

namespace kameng::main_window {

inline constexpr char window[] = "MainWindow";

inline constexpr char serviceButton[] = "按钮5";     // 在线客服
inline constexpr char radioButton[] = "按钮4";       // 电台听歌
inline constexpr char auxBrowser[] = "超文本浏览框2";
inline constexpr char statsTimer[] = "时钟2";
inline constexpr char yesterdayCount[] = "标签6";
inline constexpr char todayCount[] = "标签5";
inline constexpr char yesterdayCaption[] = "标签4";
inline constexpr char todayCaption[] = "标签3";
inline constexpr char refreshButton[] = "按钮3";     // 刷新
inline constexpr char microblogLink[] = "超级链接框1";
inline constexpr char hintTimer[] = "时钟1";
inline constexpr char hintBar[] = "标签2";
inline constexpr char fullScreenButton[] = "按钮2";  // 全屏(F11)
inline constexpr char statusBar[] = "状态条1";
inline constexpr char homeButton[] = "按钮1";        // 主页(&G)
inline constexpr char addressBox[] = "编辑框1";
inline constexpr char addressLabel[] = "标签1";
inline constexpr char browser[] = "超文本浏览框1";

inline ControlId control(const char* name) { return ControlId{window, name}; }
inline ControlId self() { return ControlId{window}; }

}  // namespace kameng::main_window
