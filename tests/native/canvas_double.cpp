#include "tests/native/canvas_double.h"

#include <sstream>
#include <utility>

namespace corvane::testing {

RecordingCanvas::RecordingCanvas(CallLog& log, const FakeShellIcons* icons)
    : log_(log), icons_(icons) {}

int RecordingCanvas::CharWidth(char c) {
    switch (c) {
    case 'i':
    case 'l':
    case '.':
        return 3;
    case 'W':
    case 'M':
        return 11;
    default:
        return 7;
    }
}

RecordingCanvas::Context* RecordingCanvas::Find(DeviceContextRef dc, const char* call) {
    const auto found = contexts.find(RawOf(dc));
    if (found == contexts.end()) {
        faults.push_back(std::string(call) + " on a context that is not alive");
        return nullptr;
    }
    return &found->second;
}

bool RecordingCanvas::IsBrush(GdiObjectRef object) const {
    return object == kStockBrush || brushesEver_.count(RawOf(object)) != 0;
}

DeviceContextRef RecordingCanvas::RequestDC() {
    const std::uintptr_t dc = next_++;
    contexts[dc] = Context{};
    requestDCs_.insert(dc);
    return RefOf<DeviceContextRef>(dc);
}

DeviceContextRef RecordingCanvas::GetDC(WindowRef window) {
    const std::uintptr_t dc = next_++;
    Context context;
    context.window = window;
    contexts[dc] = context;
    ++windowDCsTaken;
    log_.push_back("get dc");
    return RefOf<DeviceContextRef>(dc);
}

void RecordingCanvas::ReleaseDC(WindowRef window, DeviceContextRef dc) {
    const Context* context = Find(dc, "ReleaseDC");
    if (!context)
        return;
    if (context->window != window || context->window == WindowRef::None)
        faults.push_back("ReleaseDC of a context that is not this window's");
    contexts.erase(RawOf(dc));
    log_.push_back("release dc");
}

DeviceContextRef RecordingCanvas::CreateCompatibleDC(DeviceContextRef dc) {
    if (!Find(dc, "CreateCompatibleDC"))
        return DeviceContextRef::None;
    const std::uintptr_t memory = next_++;
    Context context;
    context.compatibleWith = dc;
    contexts[memory] = context;
    ++memoryDCsMade;
    return RefOf<DeviceContextRef>(memory);
}

void RecordingCanvas::DeleteDC(DeviceContextRef dc) {
    const Context* context = Find(dc, "DeleteDC");
    if (!context)
        return;
    if (context->compatibleWith == DeviceContextRef::None)
        faults.push_back("DeleteDC of a context that was not made");
    if (context->bitmap != kStockBitmap || context->brush != kStockBrush)
        faults.push_back("DeleteDC with an object still selected");
    contexts.erase(RawOf(dc));
}

Extent RecordingCanvas::TextExtent(DeviceContextRef dc, std::string_view text) {
    if (!Find(dc, "GetTextExtentPoint32"))
        return {};
    measured.emplace_back(text);
    Extent extent{0, fontHeight};
    for (char c : text)
        extent.cx += CharWidth(c);
    return extent;
}

Color RecordingCanvas::SetColor(DeviceContextRef dc, Color Context::*which, Color color,
                                const char* call) {
    Context* context = Find(dc, call);
    return context ? std::exchange(context->*which, color) : 0xFFFFFFFF;
}

BrushRef RecordingCanvas::CreateSolidBrush(Color color) {
    const std::uintptr_t brush = next_++;
    liveBrushes[brush] = color;
    brushesEver_.insert(brush);
    ++brushesMade;
    return RefOf<BrushRef>(brush);
}

void RecordingCanvas::DeleteSolidBrush(BrushRef brush) {
    if (!liveBrushes.erase(RawOf(brush)))
        faults.push_back("DeleteObject of a brush that is not alive");
    for (const auto& [dc, context] : contexts)
        if (RawOf(context.brush) == RawOf(brush))
            faults.push_back("DeleteObject of a brush still selected");
}

GdiObjectRef RecordingCanvas::SelectObject(DeviceContextRef dc, GdiObjectRef object) {
    Context* context = Find(dc, "SelectObject");
    if (!context || object == GdiObjectRef::None)
        return GdiObjectRef::None;
    GdiObjectRef& slot = IsBrush(object) ? context->brush : context->bitmap;
    if (IsBrush(object) && object != kStockBrush && !liveBrushes.count(RawOf(object)))
        faults.push_back("SelectObject of a deleted brush");
    const GdiObjectRef previous = slot;
    slot = object;
    return previous;
}

void RecordingCanvas::Rectangle(DeviceContextRef dc, int left, int top, int right, int bottom) {
    const Context* context = Find(dc, "Rectangle");
    if (!context)
        return;
    const auto brush = liveBrushes.find(RawOf(context->brush));
    rectangles.push_back(RectangleCall{dc, Rect{left, top, right, bottom},
                                       brush == liveBrushes.end() ? 0xFFFFFFFF : brush->second});
    log_.push_back("rectangle");
}

void RecordingCanvas::BitBlt(DeviceContextRef dest, int x, int y, int width, int height,
                             DeviceContextRef source, int sourceX, int sourceY, std::uint32_t rop) {
    const Context* destination = Find(dest, "BitBlt");
    const Context* from = Find(source, "BitBlt");
    if (!destination || !from)
        return;
    blits.push_back(BlitCall{dest, x, y, width, height, source, sourceX, sourceY, rop, from->bitmap,
                             from->compatibleWith});
    log_.push_back("blit");
}

void RecordingCanvas::DrawIconEx(DeviceContextRef dc, int x, int y, IconRef icon, int width,
                                 int height, std::uint32_t flags) {
    if (!Find(dc, "DrawIconEx"))
        return;
    const bool alive = icons_ == nullptr || icons_->liveIcons.count(RawOf(icon)) != 0;
    iconCalls.push_back(IconCall{dc, x, y, icon, width, height, flags, alive});
    log_.push_back("icon");
}

void RecordingCanvas::ExtTextOutAnsi(DeviceContextRef dc, int x, int y, std::uint32_t options,
                                     const Rect* rect, std::string_view text) {
    const Context* context = Find(dc, "ExtTextOut");
    if (!context)
        return;
    texts.push_back(TextCall{dc, x, y, options, rect != nullptr, rect ? *rect : Rect{},
                             std::string(text), context->text, context->background});
    log_.push_back("text " + std::string(text));
}

bool RecordingCanvas::Clean() const {
    if (!faults.empty() || !liveBrushes.empty())
        return false;
    for (const auto& [dc, context] : contexts) {
        if (!requestDCs_.count(dc))
            return false;
        if (context.text != kInitialText || context.background != kInitialBackground ||
            context.brush != kStockBrush || context.bitmap != kStockBitmap)
            return false;
    }
    return true;
}

std::string RecordingCanvas::Describe() const {
    std::ostringstream out;
    for (const std::string& fault : faults)
        out << "fault: " << fault << "\n";
    out << liveBrushes.size() << " brushes alive\n";
    for (const auto& [dc, context] : contexts)
        out << "context " << dc << (requestDCs_.count(dc) ? " (request)" : " (made)") << " text "
            << context.text << " background " << context.background << " brush "
            << RawOf(context.brush) << " bitmap " << RawOf(context.bitmap) << "\n";
    return out.str();
}

} // namespace corvane::testing
