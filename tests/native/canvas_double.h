#pragma once
// A canvas that writes every drawing call down as one line, and keeps track
// of contexts, brushes and selections, so that a test sees both what a row
// drew and whether everything made for it was given back.
#include "tests/native/doubles.h"
#include "tray/canvas.h"

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace corvane::testing {

class RecordingCanvas : public Canvas {
public:
    // icons tells whether a drawn icon is still alive.
    explicit RecordingCanvas(const FakeShellIcons& icons) : icons_(icons) {}

    // A context that the system hands over with a draw request.
    DeviceContextRef RequestDC() { return Add({.request = true}); }

    DeviceContextRef GetDC(WindowRef window) override { return Add({.window = window}); }
    void ReleaseDC(WindowRef window, DeviceContextRef dc) override {
        if (Find(dc).window != window || window == WindowRef::None)
            Fault("ReleaseDC of a context that is not this window's");
        contexts_.erase(RawOf(dc));
    }
    DeviceContextRef CreateCompatibleDC(DeviceContextRef dc) override {
        Find(dc);
        return Add({.compatibleWith = dc});
    }
    void DeleteDC(DeviceContextRef dc) override {
        const Context& c = Find(dc);
        if (c.compatibleWith == DeviceContextRef::None || c.brush != Context{}.brush ||
            c.bitmap != Context{}.bitmap)
            Fault("DeleteDC of a context not made, or with an object still selected");
        contexts_.erase(RawOf(dc));
    }
    Extent TextExtent(DeviceContextRef dc, std::string_view text) override {
        if (Find(dc).window != kWindow)
            Fault("TextExtent outside the window's own context");
        measured.emplace_back(text);
        Extent extent{0, fontHeight};
        for (char c : text)
            extent.cx += c == 'i' || c == 'l' ? 3 : c == 'M' ? 11 : 7; // as a proportional font
        return extent;
    }
    Color SetTextColor(DeviceContextRef dc, Color color) override {
        return std::exchange(Find(dc).text, color);
    }
    Color SetBkColor(DeviceContextRef dc, Color color) override {
        return std::exchange(Find(dc).background, color);
    }
    // The index itself, so that a drawn line names the system colour.
    Color GetSysColor(int index) override { return static_cast<Color>(index); }
    BrushRef CreateSolidBrush(Color color) override {
        brushes_[kFirstBrush + next_] = color;
        return RefOf<BrushRef>(kFirstBrush + next_++);
    }
    void DeleteSolidBrush(BrushRef brush) override {
        for (const auto& [dc, context] : contexts_)
            if (context.brush == ObjectOf(brush))
                Fault("DeleteObject of a brush still selected");
        if (!brushes_.erase(RawOf(brush)))
            Fault("DeleteObject of a brush that is not alive");
    }
    GdiObjectRef SelectObject(DeviceContextRef dc, GdiObjectRef object) override {
        const bool brush = RawOf(object) >= kFirstBrush || object == Context{}.brush;
        return std::exchange(brush ? Find(dc).brush : Find(dc).bitmap, object);
    }
    void Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) override {
        const auto brush = brushes_.find(RawOf(Find(dc).brush));
        drawn.push_back("rect " + Box(left, top, right, bottom) + " fill " +
                        (brush == brushes_.end() ? "none" : Hex(brush->second)));
    }
    void BitBlt(DeviceContextRef dest, int x, int y, int width, int height, DeviceContextRef source,
                int sourceX, int sourceY, std::uint32_t rop) override {
        Find(dest);
        if (Find(source).compatibleWith != dest)
            Fault("BitBlt from a context not made for the destination");
        drawn.push_back("blit " + Hex(RawOf(Find(source).bitmap)) + " from " +
                        Box(sourceX, sourceY, width, height) + " to " + Box(x, y, width, height) +
                        " rop " + Hex(rop));
    }
    void DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width, int height,
                    std::uint32_t flags) override {
        Find(dc);
        if (!icons_.liveIcons.count(RawOf(icon)))
            Fault("DrawIconEx of an icon that is not alive");
        // A system image list icon shows its list: 16 or 32.
        drawn.push_back("icon " + Hex(RawOf(icon) >> 12) + " at " + Box(x, y, width, height) +
                        " flags " + std::to_string(flags));
    }
    void ExtTextOutAnsi(DeviceContextRef dc, int x, int y, std::uint32_t options, const Rect* rect,
                        std::string_view text) override {
        const Context& c = Find(dc);
        drawn.push_back("text '" + std::string(text) + "' at " + std::to_string(x) + "," +
                        std::to_string(y) + " options " + std::to_string(options) + " in " +
                        (rect ? Box(rect->left, rect->top, rect->right, rect->bottom) : "-") +
                        " colours " + std::to_string(c.text) + "/" + std::to_string(c.background));
    }

    // What the real system would refuse, or what is left alive or changed;
    // empty when all is well.
    std::string Problems() const {
        std::string out = faults_ + (brushes_.empty() ? "" : "a brush is alive; ");
        for (const auto& [dc, context] : contexts_)
            if (!(context == Context{.request = true}))
                out += "context " + Hex(dc) + " not given back or not as it came; ";
        return out;
    }

    int fontHeight = 16;
    std::vector<std::string> drawn;    // one line a drawing call
    std::vector<std::string> measured; // texts measured in the window's context

private:
    static constexpr std::uintptr_t kFirstBrush = 0xB000;
    struct Context {
        Color text = 0x010101, background = 0xFEFEFE;
        GdiObjectRef brush{0xB0}, bitmap{0xB1}; // the stock objects
        DeviceContextRef compatibleWith{};
        WindowRef window{};
        bool request = false;
        bool operator==(const Context&) const = default;
    };
    static std::string Box(int a, int b, int c, int d) {
        return std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + "," +
               std::to_string(d);
    }
    static std::string Hex(std::uintptr_t n) {
        char text[20];
        std::snprintf(text, sizeof text, "%lx", static_cast<unsigned long>(n));
        return text;
    }
    void Fault(const std::string& what) { faults_ += what + "; "; }
    Context& Find(DeviceContextRef dc) {
        if (!contexts_.count(RawOf(dc)))
            Fault("a call on a context that is not alive");
        return contexts_[RawOf(dc)];
    }
    DeviceContextRef Add(Context context) {
        contexts_[0xD000 + next_] = context;
        return RefOf<DeviceContextRef>(0xD000 + next_++);
    }

    const FakeShellIcons& icons_;
    std::map<std::uintptr_t, Context> contexts_; // the live ones
    std::map<std::uintptr_t, Color> brushes_;    // the live ones
    std::string faults_;
    std::uintptr_t next_ = 0;
};

} // namespace corvane::testing
