#pragma once
// A canvas that writes each drawing call down as a line and keeps track of contexts, brushes and
// selections, so that a test sees what a row drew and whether all made for it was given back.
#include "tests/native/doubles.h"
#include "tray/canvas.h"

#include <cstdio>
#include <map>
#include <utility>

namespace corvane::testing {

class RecordingCanvas : public Canvas {
public:
    explicit RecordingCanvas(const FakeShellIcons& icons) : icons_(icons) {} // tells live icons
    DeviceContextRef RequestDC() { return Add({.request = true}); } // as a draw request brings it
    DeviceContextRef GetDC(WindowRef window) override { return Add({.window = window}); }
    void ReleaseDC(WindowRef window, DeviceContextRef dc) override {
        Check(Find(dc).window == window, "ReleaseDC of another window's context");
        contexts_.erase(RawOf(dc));
    }
    DeviceContextRef CreateCompatibleDC(DeviceContextRef dc) override { return Find(dc), Add({}); }
    void DeleteDC(DeviceContextRef dc) override {
        Check(Find(dc) == Context{}, "DeleteDC of a context not made, or with an object in it");
        contexts_.erase(RawOf(dc));
    }
    // The menu font at a DPI, which measures that much larger than at 96 (the stock font: 0).
    FontRef MenuFont(int dpi) override { return RefOf<FontRef>(kStockFont + dpi); }
    Extent TextExtent(DeviceContextRef dc, std::string_view text) override {
        const Context& c = Find(dc);
        Check(c.window == kWindow, "TextExtent outside the window's own context");
        Extent extent{0, fontHeight * c.FontDpi() / 96};
        for (char ch : text) // as in a proportional font
            extent.cx += (ch == 'i' || ch == 'l' ? 3 : ch == 'M' ? 11 : 7) * c.FontDpi();
        return {extent.cx / 96, extent.cy};
    }
    Color SetTextColor(DeviceContextRef dc, Color c) override {
        return std::exchange(Find(dc).text, c);
    }
    Color SetBkColor(DeviceContextRef dc, Color c) override {
        return std::exchange(Find(dc).background, c);
    }
    Color GetSysColor(int index) override { return static_cast<Color>(index); } // names the colour
    BrushRef CreateSolidBrush(Color color) override {
        brushes_[kFirstBrush + made_] = color;
        return RefOf<BrushRef>(kFirstBrush + made_++);
    }
    void DeleteSolidBrush(BrushRef brush) override {
        for (const auto& [dc, context] : contexts_)
            Check(context.brush != ObjectOf(brush), "DeleteObject of a brush still selected");
        Check(brushes_.erase(RawOf(brush)) == 1, "DeleteObject of a brush not alive");
    }
    GdiObjectRef SelectObject(DeviceContextRef dc, GdiObjectRef object) override {
        Context& c = Find(dc);
        const bool brush = RawOf(object) >= kFirstBrush || object == Context{}.brush;
        const bool font = RawOf(object) >= kStockFont;
        return std::exchange(font ? c.font : brush ? c.brush : c.bitmap, object);
    }
    void Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) override {
        const auto brush = brushes_.find(RawOf(Find(dc).brush));
        Draw("rect %d,%d,%d,%d fill %x", left, top, right, bottom,
             brush == brushes_.end() ? 0xBAD : brush->second);
    }
    void BitBlt(DeviceContextRef, int x, int y, int width, int height, DeviceContextRef source,
                int sourceX, int sourceY, std::uint32_t rop) override {
        Draw("blit %lx from %d,%d,%d,%d to %d,%d,%d,%d rop %x", RawOf(Find(source).bitmap), sourceX,
             sourceY, width, height, x, y, width, height, rop);
    }
    void DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width, int height,
                    std::uint32_t flags) override {
        Find(dc);
        Check(icons_.liveIcons.count(RawOf(icon)), "DrawIconEx of an icon not alive");
        // A system image list icon shows its list: 16 or 32.
        Draw("icon %lx at %d,%d,%d,%d flags %u", RawOf(icon) >> 12, x, y, width, height, flags);
    }
    void ExtTextOutUtf8(DeviceContextRef dc, int x, int y, std::uint32_t options, const Rect* r,
                        std::string_view text) override {
        const Context& c = Find(dc);
        Draw("text '%.*s' at %d,%d options %u in %d,%d,%d,%d colours %u/%u font %d",
             static_cast<int>(text.size()), text.data(), x, y, options, r->left, r->top, r->right,
             r->bottom, c.text, c.background, c.FontDpi());
    }

    // What the real system would refuse, or what is left alive or changed: empty when all is well.
    std::string Problems() const {
        std::string out = faults_ + (brushes_.empty() ? "" : "a brush is alive; ");
        for (const auto& [dc, context] : contexts_)
            if (!(context == Context{.request = true}))
                out += "a context not given back or not as it came; ";
        return out;
    }

    int fontHeight = 16;
    std::vector<std::string> drawn; // a line a drawing call

private:
    static constexpr std::uintptr_t kFirstBrush = 0xB000, kStockFont = 0xF000;
    struct Context {
        Color text = 0x010101, background = 0xFEFEFE;
        GdiObjectRef brush{0xB0}, bitmap{0xB1}, font{kStockFont}; // the stock objects
        int FontDpi() const { return static_cast<int>(RawOf(font) - kStockFont); }
        WindowRef window{};
        bool request = false;
        bool operator==(const Context&) const = default;
    };
    template <class... Args> void Draw(const char* format, Args... args) {
        char line[200];
        std::snprintf(line, sizeof line, format, args...);
        drawn.push_back(line);
    }
    void Check(bool ok, const char* fault) {
        if (!ok)
            faults_ += std::string(fault) + "; ";
    }
    Context& Find(DeviceContextRef dc) {
        Check(contexts_.count(RawOf(dc)), "a call on a context not alive");
        return contexts_[RawOf(dc)];
    }
    DeviceContextRef Add(Context context) {
        contexts_[0xD000 + made_] = context;
        return RefOf<DeviceContextRef>(0xD000 + made_++);
    }

    const FakeShellIcons& icons_;
    std::map<std::uintptr_t, Context> contexts_; // the live ones
    std::map<std::uintptr_t, Color> brushes_;    // the live ones
    std::string faults_;
    std::uintptr_t made_ = 0;
};

} // namespace corvane::testing
