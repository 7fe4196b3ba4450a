// What a window is built from: control kinds, numbered properties, events
// with their arguments, and the descriptions of windows and controls.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace kameng {

enum class Kind {
    Window,            // 窗口
    Button,            // 按钮
    Label,             // 标签
    EditBox,           // 编辑框
    Timer,             // 时钟
    StatusBar,         // 状态条
    HyperLink,         // 超级链接框
    Browser,           // 超文本浏览框
    TransparentLabel,  // 透明标签
};

// Property numbers. 0 to 7 belong to every kind; a kind's own start at 8.
namespace prop {
inline constexpr int Left = 0;
inline constexpr int Top = 1;
inline constexpr int Width = 2;
inline constexpr int Height = 3;
inline constexpr int Tag = 4;
inline constexpr int Visible = 5;
inline constexpr int Disabled = 6;
inline constexpr int MousePointer = 7;

// 窗口
inline constexpr int Border = 9;        // 0 none, 1 resizable, 2 fixed
inline constexpr int WindowState = 18;  // 0 normal, 1 centred, 2 minimised, 3 maximised
inline constexpr int AlwaysOnTop = 29;  // 1 on, anything else off

// 编辑框, 标签 (and 按钮, 超级链接框, 透明标签), 时钟
inline constexpr int Text = 8;
inline constexpr int Caption = 8;
inline constexpr int Period = 8;  // ms; below 0 is 0; 0 stops

// 超文本浏览框
inline constexpr int TextSize = 8;       // 字体大小 0..4
inline constexpr int Offline = 9;        // 离线浏览
inline constexpr int Silent = 10;        // 静默
inline constexpr int Address = 11;       // 地址
inline constexpr int StatusText = 12;    // 状态条文本, read only
inline constexpr int Title = 13;         // 标题, read only
inline constexpr int DesignPreview = 14; // 允许设计时预览, design time only
}  // namespace prop

namespace border {
inline constexpr int None = 0;
inline constexpr int Resizable = 1;
inline constexpr int Fixed = 2;
}  // namespace border

namespace window_state {
inline constexpr int Normal = 0;
inline constexpr int Centred = 1;
inline constexpr int Minimised = 2;
inline constexpr int Maximised = 3;
}  // namespace window_state

// A property value: a number or a UTF-8 text. Reading a number as a text
// gives its decimal form; reading a text as a number parses a leading
// decimal integer (0 when there is none).
class Value {
public:
    Value() : v_(0) {}
    Value(int n) : v_(n) {}
    Value(bool b) : v_(b ? 1 : 0) {}
    Value(std::string s) : v_(std::move(s)) {}
    Value(std::string_view s) : v_(std::string(s)) {}
    Value(const char* s) : v_(std::string(s ? s : "")) {}

    bool isText() const { return std::holds_alternative<std::string>(v_); }
    int number() const {
        if (auto* n = std::get_if<int>(&v_)) return *n;
        const auto& s = std::get<std::string>(v_);
        long long r = 0;
        std::size_t i = 0;
        bool negative = false;
        if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
        for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
            r = r * 10 + (s[i] - '0');
            if (r > 2147483648LL) break;
        }
        if (negative) r = -r;
        if (r > 2147483647LL) r = 2147483647LL;
        if (r < -2147483648LL) r = -2147483648LL;
        return static_cast<int>(r);
    }
    std::string text() const {
        if (auto* s = std::get_if<std::string>(&v_)) return *s;
        return std::to_string(std::get<int>(v_));
    }
    bool operator==(const Value&) const = default;

private:
    std::variant<int, std::string> v_;
};

// A control is addressed by its window and its name in the window's
// description; an empty name addresses the window itself.
struct ControlId {
    std::string window;
    std::string name;

    ControlId(std::string_view w, std::string_view n = {}) : window(w), name(n) {}
    ControlId(const char* w, const char* n = "") : window(w), name(n) {}
    bool isWindow() const { return name.empty(); }
    bool operator==(const ControlId&) const = default;
};

enum class Event {
    // 窗口
    Created,
    Moved,
    SizeChanged,
    WillBeDestroyed,
    // 按钮
    Clicked,
    // 标签
    LeftMousePressed,
    // 时钟
    Tick,
    // 超文本浏览框, numbered 0..9
    BeforeNavigate,      // 0 即将跳转 (may cancel)
    NavigateComplete,    // 1 跳转完毕
    DownloadBegin,       // 2 载入开始
    ProgressChange,      // 3 载入进度改变
    DownloadComplete,    // 4 载入完毕
    DocumentComplete,    // 5 已就绪
    StatusTextChange,    // 6 状态文本被改变
    TitleChange,         // 7 标题被改变
    CommandStateChange,  // 8 命令状态被改变
    NewWindow,           // 9 即将打开新窗口 (may cancel)
};

constexpr Event browserEvent(int number) {
    return static_cast<Event>(static_cast<int>(Event::BeforeNavigate) + number);
}
constexpr int browserEventNumber(Event e) {
    return static_cast<int>(e) - static_cast<int>(Event::BeforeNavigate);
}

// Arguments of an event; a handler reads the fields its event fills.
struct EventArgs {
    // 标签 left mouse pressed: place in the label, and key_state bits
    int x = 0, y = 0, keyState = 0;
    // browser 3: progress * 100 / maximum (100 when the maximum is 0)
    int percent = 0;
    // browser 8: 0 forward, 1 back; whether it is enabled
    int command = 0;
    bool enabled = false;
    // browser 0, 1, 5 and 9: the address the event carries (for 9 the new
    // window's own target where the control knows it, else empty)
    std::string address;
    // browser 0 and 9: a handler sets it to cancel ("returns false")
    bool cancel = false;
};

// Bits of EventArgs::keyState: the modifier keys held during a mouse press.
namespace key_state {
inline constexpr int Ctrl = 1;
inline constexpr int Shift = 2;
inline constexpr int Alt = 4;
}  // namespace key_state

using Handler = std::function<void(EventArgs&)>;

struct Handlers {
    std::vector<std::pair<Event, Handler>> list;

    Handlers& on(Event e, Handler h) {
        list.emplace_back(e, std::move(h));
        return *this;
    }
    const Handler* find(Event e) const {
        for (const auto& [event, handler] : list)
            if (event == e) return &handler;
        return nullptr;
    }
};

struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct Font {
    std::string face;   // "宋体"; empty: the system's default GUI font
    int height = 0;     // negative: character height in pixels
    int weight = 400;
    bool underline = false;
    int charset = 0;    // 134: GB2312
};

enum class Align { Left, Centre, Right };
// Mouse pointers, as property 7 numbers them.
enum class Pointer { Default = 0, Hand = 1 };

struct ControlDescription {
    std::string name;
    Kind kind = Kind::Label;
    Rect rect;
    bool shown = true;
    bool tabStop = false;

    // 按钮, 标签, 透明标签, 超级链接框: caption; 编辑框: text
    std::string text;
    std::optional<Rgb> textColour;      // default: black / the link's normal colour
    std::optional<Rgb> background;      // default: the button-face colour
    Align align = Align::Left;          // 标签, 透明标签
    std::optional<Font> font;
    Pointer pointer = Pointer::Default;

    // 时钟
    int period = 0;

    // 状态条: widths of its parts
    std::vector<int> statusParts;

    // 超级链接框
    bool linkIsEmail = false;
    std::string linkAddress;
    std::string emailAddress;
    std::optional<Rgb> hoverColour;
    std::optional<Rgb> visitedColour;

    // 超文本浏览框
    int textSize = 2;
    bool offline = false;
    bool silent = false;
    std::string address;

    Handlers handlers;
};

struct WindowDescription {
    std::string name;   // "MainWindow"
    std::string title;
    Rect rect;          // outer rectangle
    int border = border::Fixed;
    bool centred = false;  // placed centred on the primary screen when shown
    bool minimiseBox = true;
    bool maximiseBox = true;
    bool controlBox = true;
    bool movable = true;
    bool escCloses = false;
    bool showInTaskbar = true;
    bool alwaysOnTop = false;
    bool visible = true;
    std::vector<ControlDescription> controls;  // front to back
    Handlers handlers;
};

}  // namespace kameng
