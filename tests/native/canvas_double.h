#pragma once
// A canvas that records every drawing call with the state of the context at
// that moment, and counts the objects that are alive, so that tests can check
// both what was drawn and that everything made for a row was released.
#include "tests/native/doubles.h"
#include "tray/canvas.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace corvane::testing {

class RecordingCanvas : public Canvas {
public:
    // icons, when given, tells whether a drawn icon was still alive.
    explicit RecordingCanvas(CallLog& log, const FakeShellIcons* icons = nullptr);

    DeviceContextRef GetDC(WindowRef window) override;
    void ReleaseDC(WindowRef window, DeviceContextRef dc) override;
    DeviceContextRef CreateCompatibleDC(DeviceContextRef dc) override;
    void DeleteDC(DeviceContextRef dc) override;
    Extent TextExtent(DeviceContextRef dc, std::string_view text) override;
    Color SetTextColor(DeviceContextRef dc, Color color) override {
        return SetColor(dc, &Context::text, color, "SetTextColor");
    }
    Color SetBkColor(DeviceContextRef dc, Color color) override {
        return SetColor(dc, &Context::background, color, "SetBkColor");
    }
    Color GetSysColor(int index) override { return SysColor(index); }
    BrushRef CreateSolidBrush(Color color) override;
    void DeleteSolidBrush(BrushRef brush) override;
    GdiObjectRef SelectObject(DeviceContextRef dc, GdiObjectRef object) override;
    void Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) override;
    void BitBlt(DeviceContextRef dest, int x, int y, int width, int height, DeviceContextRef source,
                int sourceX, int sourceY, std::uint32_t rop) override;
    void DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width, int height,
                    std::uint32_t flags) override;
    void ExtTextOutAnsi(DeviceContextRef dc, int x, int y, std::uint32_t options, const Rect* rect,
                        std::string_view text) override;

    // A context that the system hands over with a draw request.
    DeviceContextRef RequestDC();

    // What GetSysColor answers: a distinct value for every index.
    static Color SysColor(int index) { return 0xC00000u + static_cast<Color>(index); }
    static constexpr Color kInitialText = 0x010101;
    static constexpr Color kInitialBackground = 0xFEFEFE;
    static constexpr GdiObjectRef kStockBrush = static_cast<GdiObjectRef>(0xB0);
    static constexpr GdiObjectRef kStockBitmap = static_cast<GdiObjectRef>(0xB1);

    struct Context {
        Color text = kInitialText;
        Color background = kInitialBackground;
        GdiObjectRef brush = kStockBrush;
        GdiObjectRef bitmap = kStockBitmap;
        DeviceContextRef compatibleWith = DeviceContextRef::None;
        WindowRef window = WindowRef::None; // for a window's context
    };
    struct RectangleCall {
        DeviceContextRef dc;
        Rect rect;
        Color fill;
    };
    struct BlitCall {
        DeviceContextRef dest;
        int x, y, width, height;
        DeviceContextRef source;
        int sourceX, sourceY;
        std::uint32_t rop;
        GdiObjectRef sourceBitmap;
        DeviceContextRef sourceCompatibleWith;
    };
    struct IconCall {
        DeviceContextRef dc;
        int x, y;
        IconRef icon;
        int width, height;
        std::uint32_t flags;
        bool iconAlive;
    };
    struct TextCall {
        DeviceContextRef dc;
        int x, y;
        std::uint32_t options;
        bool hasRect;
        Rect rect;
        std::string text;
        Color textColor, background;
    };

    // Font widths: narrow and wide letters differ, as in a proportional font.
    int fontHeight = 16;
    static int CharWidth(char c);

    std::map<std::uintptr_t, Context> contexts; // every live context
    std::map<std::uintptr_t, Color> liveBrushes;
    std::vector<RectangleCall> rectangles;
    std::vector<BlitCall> blits;
    std::vector<IconCall> iconCalls;
    std::vector<TextCall> texts;
    std::vector<std::string> measured;
    std::vector<std::string> faults; // calls the real system would refuse or leak on
    int windowDCsTaken = 0;
    int memoryDCsMade = 0;
    int brushesMade = 0;

    // Nothing made is left alive, and every request context is as it came.
    bool Clean() const;
    std::string Describe() const;

private:
    Color SetColor(DeviceContextRef dc, Color Context::*which, Color color, const char* call);
    bool IsBrush(GdiObjectRef object) const;
    Context* Find(DeviceContextRef dc, const char* call);

    CallLog& log_;
    const FakeShellIcons* icons_;
    std::set<std::uintptr_t> requestDCs_;
    std::set<std::uintptr_t> brushesEver_;
    std::uintptr_t next_ = 0xD000;
};

} // namespace corvane::testing
