// The owner-drawn rows of the pop-up menu drawn into real device contexts and
// read back pixel by pixel, and a thousand rounds of measuring and drawing
// that must leave no icon, brush or device context behind.
#include "tests/wine/form_window.h"
#include "tray/popup_menu.h"
#include "tray/win32/canvas_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace corvane::win32 {
namespace {

// A colour that nothing in a menu row uses: whatever still shows it was not
// painted.
constexpr COLORREF kUntouched = RGB(0x12, 0x34, 0x56);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr int kWidth = 300;
constexpr int kHeight = 400;

std::string Hex(COLORREF color) {
    std::ostringstream out;
    out << "RGB(" << int(GetRValue(color)) << "," << int(GetGValue(color)) << ","
        << int(GetBValue(color)) << ")";
    return out.str();
}

// Each channel of c lies between those of a and b.
bool Between(COLORREF c, COLORREF a, COLORREF b) {
    auto within = [](int v, int p, int q) {
        return v >= std::min(p, q) && v <= std::max(p, q);
    };
    return within(GetRValue(c), GetRValue(a), GetRValue(b)) &&
           within(GetGValue(c), GetGValue(a), GetGValue(b)) &&
           within(GetBValue(c), GetBValue(a), GetBValue(b));
}

// c is nearer to a than to b.
bool Nearer(COLORREF c, COLORREF a, COLORREF b) {
    auto distance = [](COLORREF p, COLORREF q) {
        return std::abs(GetRValue(p) - GetRValue(q)) + std::abs(GetGValue(p) - GetGValue(q)) +
               std::abs(GetBValue(p) - GetBValue(q));
    };
    return distance(c, a) < distance(c, b);
}

// A memory device context with a 32-bit top-down DIB section selected in.
class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height) {
        dc_ = CreateCompatibleDC(nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<const std::uint32_t*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    bool ok() const { return dc_ && bitmap_ && bits_; }
    HDC dc() const { return dc_; }
    HBITMAP bitmap() const { return bitmap_; }

    void Fill(COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    COLORREF Pixel(int x, int y) const {
        GdiFlush();
        const std::uint32_t bgra = bits_[static_cast<std::size_t>(y) * width_ + x];
        return RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

// Pixels of an area that break a rule: how many, and the first one.
class Mismatches {
public:
    void Check(bool good, int x, int y, COLORREF seen, const std::string& wanted) {
        if (good)
            return;
        if (count_ == 0) {
            std::ostringstream out;
            out << "(" << x << "," << y << ") is " << Hex(seen) << ", wanted " << wanted;
            first_ = out.str();
        }
        ++count_;
    }
    int count() const { return count_; }
    const std::string& first() const { return first_; }

private:
    int count_ = 0;
    std::string first_;
};

#define EXPECT_NO_MISMATCH(m, what)                                                                \
    EXPECT_EQ((m).count(), 0) << (what) << ": " << (m).count() << " pixels, first " << (m).first()

class MenuRowsTest : public FormWindowTest {
protected:
    void SetUp() override {
        FormWindowTest::SetUp();
        ASSERT_TRUE(surface.ok());
        surface.Fill(kUntouched);
        // What the context holds before a row is drawn, and must hold after.
        homeBrush = CreateSolidBrush(RGB(7, 8, 9));
        previousBrush = SelectObject(surface.dc(), homeBrush);
        SetTextColor(surface.dc(), RGB(10, 20, 30));
        SetBkColor(surface.dc(), RGB(40, 50, 60));

        char directory[MAX_PATH] = {};
        GetWindowsDirectoryA(directory, sizeof directory);
        notepad = std::string(directory) + "\\notepad.exe";
        form->ExplorerPath = std::string(directory) + "\\Explorer.exe";
        form->StripeBitmap = system.LoadBitmapResource("STRIPE");
        ASSERT_NE(form->StripeBitmap, BitmapRef::None);
        form->PopUpIt = true;
        BlitStripe();
    }
    void TearDown() override {
        SelectObject(surface.dc(), previousBrush);
        DeleteObject(homeBrush);
        DeleteObject(reinterpret_cast<HBITMAP>(RawOf(form->StripeBitmap)));
        FormWindowTest::TearDown();
    }

    // The STRIPE bitmap as a plain copy, to compare the band with.
    void BlitStripe() {
        ASSERT_TRUE(stripe.ok());
        HDC source = CreateCompatibleDC(stripe.dc());
        HGDIOBJ old = SelectObject(source, reinterpret_cast<HBITMAP>(RawOf(form->StripeBitmap)));
        ASSERT_NE(old, nullptr);
        BitBlt(stripe.dc(), 0, 0, kStripeWidth, kStripeHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }

    void UseRows(int count, int itemHeight) {
        form->Entries = EntryTable{};
        for (int i = 0; i < count; ++i)
            form->Entries.Append(
                ListType{notepad, notepad, "", "Entry " + std::to_string(i), false, 0, 0});
        form->ItemHeight = itemHeight;
        form->RebuildPopupMenu();
    }

    DrawItemRequest Request(std::uint32_t id, Rect row, std::uint32_t action,
                            std::uint32_t state) const {
        DrawItemRequest request;
        request.CtlType = kOdtMenu;
        request.itemID = id;
        request.itemAction = action;
        request.itemState = state;
        request.hwndItem = RawOf(form->MenuHandle);
        request.hDC = RefOf<DeviceContextRef>(reinterpret_cast<std::uintptr_t>(surface.dc()));
        request.rcItem = row;
        return request;
    }

    // Draws one row and checks that the context was given back as it was.
    void Draw(const DrawItemRequest& request) {
        HDC dc = surface.dc();
        const COLORREF text = GetTextColor(dc);
        const COLORREF background = GetBkColor(dc);
        const HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
        const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
        EXPECT_TRUE(form->WMDrawItem(canvas, request));
        EXPECT_EQ(GetTextColor(dc), text) << "text colour put back";
        EXPECT_EQ(GetBkColor(dc), background) << "background colour put back";
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), homeBrush) << "the brush selected before";
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), surface.bitmap());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
    }

    // Every pixel from (left, top) to (right, bottom), exclusive, shows the
    // colour want(x, y) gives.
    void ExpectArea(int left, int top, int right, int bottom,
                    const std::function<COLORREF(int, int)>& want, const std::string& what) {
        Mismatches m;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (surface.Pixel(x, y) != want(x, y))
                    m.Check(false, x, y, surface.Pixel(x, y), Hex(want(x, y)));
        EXPECT_NO_MISMATCH(m, what);
    }
    void ExpectColour(int left, int top, int right, int bottom, COLORREF colour,
                      const std::string& what) {
        ExpectArea(
            left, top, right, bottom, [colour](int, int) { return colour; }, what);
    }

    // The band columns show nothing drawn.
    void ExpectNoBand() { ExpectColour(0, 0, kStripeWidth, kHeight, kUntouched, "band columns"); }

    // The bitmap stands with its foot on bottom, pixel for pixel, and nothing
    // is drawn in the band below it.
    void ExpectStripeEndingAt(int bottom) {
        const int top = bottom - kStripeHeight;
        ExpectArea(
            0, top, kStripeWidth, bottom, [&](int x, int y) { return stripe.Pixel(x, y - top); },
            "bitmap");
        for (int x : {0, kStripeWidth - 1})
            ExpectColour(x, top, x + 1, bottom, kBlack, "the bitmap's side lines");
        EXPECT_EQ(surface.Pixel(10, top), kBlue) << "the bitmap's top is pure blue";
        ExpectColour(0, bottom, kStripeWidth, kHeight, kUntouched, "band below the row");
    }

    // Right of the icon column the row is filled with its background colour
    // up to its right end, except where the description's letters are.
    void ExpectTextArea(const Rect& row, int left, int textX, int textY, const std::string& text,
                        bool selected) {
        const COLORREF fill = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
        const COLORREF ink = GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT);
        SIZE extent{};
        GetTextExtentPoint32A(surface.dc(), text.data(), static_cast<int>(text.size()), &extent);
        Mismatches m;
        int inked = 0;
        for (int y = row.top; y < row.bottom; ++y)
            for (int x = left; x < row.right; ++x) {
                const COLORREF seen = surface.Pixel(x, y);
                const bool inText =
                    x >= textX && x < textX + extent.cx && y >= textY && y < textY + extent.cy;
                // Letters may be smoothed: their pixels lie between the two
                // colours.
                if (inText && Nearer(seen, ink, fill))
                    ++inked;
                m.Check(seen == fill || (inText && Between(seen, fill, ink)), x, y, seen,
                        "background " + Hex(fill) + (inText ? " or text " + Hex(ink) : ""));
            }
        EXPECT_NO_MISMATCH(m, "text area");
        if (!text.empty()) {
            EXPECT_GT(inked, 0) << "the description is written";
        }
        EXPECT_EQ(surface.Pixel(row.right, row.top), kUntouched)
            << "the fill ends at the row's end";
    }

    // Left of the text area, from x from on, the row shows notepad's icon as
    // drawn on an untouched background, and nothing else.
    void ExpectIconColumn(const Rect& row, int from, int to, int iconX, int iconY, int size) {
        Surface reference(kWidth, kHeight);
        reference.Fill(kUntouched);
        const ScopedIcon icon(shellIcons, GetSystemImageIcon(shellIcons, notepad, size));
        ASSERT_NE(icon.get(), IconRef::None);
        DrawIconEx(reference.dc(), iconX, iconY, IconOf(icon.get()), size, size, 0, nullptr,
                   DI_NORMAL);
        ExpectArea(
            from, row.top, to, row.bottom, [&](int x, int y) { return reference.Pixel(x, y); },
            "icon column");
        int drawn = 0;
        for (int y = row.top; y < row.bottom; ++y)
            for (int x = from; x < to; ++x)
                drawn += reference.Pixel(x, y) != kUntouched;
        EXPECT_GT(drawn, 0) << "the icon is drawn";
    }

    // An entry row: the icon column and the text area.
    void ExpectEntryRow(int id, const Rect& row, bool selected) {
        const int h = form->ItemHeight;
        const bool small = h < 32;
        ExpectIconColumn(row, kStripeWidth, row.left + h + 20, 22, id * h + (small ? 3 : 0),
                         small ? 16 : 32);
        const int left = row.left + h + 20;
        ExpectTextArea(row, left, left + 5, row.top + h / 4, form->Entries.Icons[id].ToolTip,
                       selected);
    }

    Win32Canvas canvas;
    Surface surface{kWidth, kHeight};
    Surface stripe{kStripeWidth, kStripeHeight};
    HBRUSH homeBrush = nullptr;
    HGDIOBJ previousBrush = nullptr;
    std::string notepad;
};

TEST_F(MenuRowsTest, TheSeventhSmallRowPutsTheWholeBitmapInTheBand) {
    UseRows(7, kSmallItemHeight);
    const Rect row{0, 132, 250, 154};
    Draw(Request(6, row, kOdaDrawEntire, 0));
    ExpectStripeEndingAt(154);
    ExpectEntryRow(6, row, false);
    ExpectColour(kStripeWidth, 0, kWidth, row.top, kUntouched, "rows above, right of the band");
}

TEST_F(MenuRowsTest, ASelectedRowIsHighlightedOnlyRightOfTheIconColumn) {
    UseRows(7, kSmallItemHeight);
    const Rect row{0, 132, 250, 154};
    // A change of selection redraws the row only.
    Draw(Request(6, row, kOdaSelect, kOdsSelected));
    ExpectNoBand();
    ExpectEntryRow(6, row, true);

    surface.Fill(kUntouched);
    Draw(Request(6, row, kOdaDrawEntire, kOdsSelected));
    ExpectStripeEndingAt(154);
    ExpectEntryRow(6, row, true);

    surface.Fill(kUntouched);
    Draw(Request(6, row, kOdaSelect, 0));
    ExpectNoBand();
    ExpectEntryRow(6, row, false);
}

TEST_F(MenuRowsTest, FiveLargeRowsJoinTheBlueBandToTheBitmapWithoutASeam) {
    UseRows(5, kLargeItemHeight);
    const Rect row{0, 152, 250, 190};
    Draw(Request(4, row, kOdaDrawEntire, 0));
    ExpectStripeEndingAt(190);
    const int bitmapTop = 190 - kStripeHeight;
    ExpectColour(1, 1, kStripeWidth - 1, bitmapTop + 1, kBlue,
                 "band above the bitmap and the bitmap's top row");
    ExpectColour(0, 0, kStripeWidth, 1, kBlack, "the band's top line");
    for (int x : {0, kStripeWidth - 1})
        ExpectColour(x, 0, x + 1, bitmapTop, kBlack, "the band's side lines");
    ExpectEntryRow(4, row, false);
}

// --- A thousand rounds ------------------------------------------------------

constexpr int kRounds = 1000;

struct Counts {
    long icons = Win32ShellIcons::LiveIcons();
    long brushes = Win32Canvas::LiveBrushes();
    long contexts = Win32Canvas::LiveDeviceContexts();
};

class MenuRoundsTest : public MenuRowsTest {
protected:
    // WM_MEASUREITEM to the options window, as the menu sends it.
    MEASUREITEMSTRUCT Measure(UINT id) {
        MEASUREITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = id;
        EXPECT_TRUE(SendMessageA(Window(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&item)));
        return item;
    }
    // WM_DRAWITEM to the options window, as the menu sends it.
    void SendDraw(UINT id, const RECT& row, UINT action, UINT state) {
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_MENU;
        item.itemID = id;
        item.itemAction = action;
        item.itemState = state;
        item.hwndItem = reinterpret_cast<HWND>(MenuOf(form->MenuHandle));
        item.hDC = surface.dc();
        item.rcItem = row;
        EXPECT_TRUE(SendMessageA(Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item)));
    }
};

TEST_F(MenuRoundsTest, AThousandRoundsLeaveNoIconBrushOrContextBehind) {
    UseRows(7, kSmallItemHeight);
    SIZE extent{};
    {
        HDC dc = GetDC(Window());
        const std::string& text = form->Entries.Icons[3].ToolTip;
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent);
        ReleaseDC(Window(), dc);
    }
    // Wine's GetGuiResources answers 0, so the wrappers' counts stand in.
    const Counts before;
    const RECT entry{0, 132, 250, 154};
    const int top = 7 * kSmallItemHeight + kSeparatorAllowance;
    const RECT recall{0, top, 250, top + 16};
    for (int round = 0; round < kRounds; ++round) {
        const UINT id = static_cast<UINT>(round % 7);
        const MEASUREITEMSTRUCT measured = Measure(id);
        if (id == 3) {
            ASSERT_EQ(measured.itemWidth, static_cast<UINT>(extent.cx + kSmallItemHeight + 15));
            ASSERT_EQ(measured.itemHeight,
                      static_cast<UINT>(std::max<LONG>(kSmallItemHeight, extent.cy)));
        }
        const MEASUREITEMSTRUCT pathRecall = Measure(kCmdPathRecall);
        ASSERT_EQ(pathRecall.itemWidth, kPathRecallWidth);
        const UINT selected = round % 2 ? ODS_SELECTED : 0;
        SendDraw(6, entry, ODA_DRAWENTIRE, selected);
        SendDraw(id, entry, ODA_SELECT, selected);
        SendDraw(kCmdPathRecall, recall, ODA_DRAWENTIRE, selected);
        SendDraw(kCmdPathRecall, recall, ODA_SELECT, selected ^ ODS_SELECTED);
        const Counts now;
        ASSERT_EQ(now.icons, before.icons) << "round " << round;
        ASSERT_EQ(now.brushes, before.brushes) << "round " << round;
        ASSERT_EQ(now.contexts, before.contexts) << "round " << round;
    }
    // The context was given back as it came.
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), homeBrush);
    EXPECT_EQ(GetTextColor(surface.dc()), RGB(10, 20, 30));
    EXPECT_EQ(GetBkColor(surface.dc()), RGB(40, 50, 60));
}

// Win32 drawing calls that remember every brush and memory context made.
class TracingCanvas : public Win32Canvas {
public:
    BrushRef CreateSolidBrush(Color color) override {
        const BrushRef brush = Win32Canvas::CreateSolidBrush(color);
        brushes.push_back(reinterpret_cast<HGDIOBJ>(RawOf(brush)));
        return brush;
    }
    DeviceContextRef CreateCompatibleDC(DeviceContextRef dc) override {
        const DeviceContextRef memory = Win32Canvas::CreateCompatibleDC(dc);
        memoryDcs.push_back(reinterpret_cast<HDC>(RawOf(memory)));
        return memory;
    }
    DeviceContextRef GetDC(WindowRef window) override {
        ++windowDcs;
        return Win32Canvas::GetDC(window);
    }
    void ReleaseDC(WindowRef window, DeviceContextRef dc) override {
        --windowDcs;
        Win32Canvas::ReleaseDC(window, dc);
    }
    std::vector<HGDIOBJ> brushes;
    std::vector<HDC> memoryDcs;
    int windowDcs = 0;
};

// The real shell's icons, remembering every icon handed out.
class TracingShellIcons : public Win32ShellIcons {
public:
    std::uintptr_t GetFileInfo(const char* path, std::uint32_t attributes, FileInfoRecord& record,
                               std::uint32_t recordSize, std::uint32_t flags) override {
        const std::uintptr_t result =
            Win32ShellIcons::GetFileInfo(path, attributes, record, recordSize, flags);
        if (record.hIcon != IconRef::None)
            icons.push_back(IconOf(record.hIcon));
        return result;
    }
    IconRef ImageListGetIcon(ImageListRef list, std::int32_t index, std::uint32_t flags) override {
        const IconRef icon = Win32ShellIcons::ImageListGetIcon(list, index, flags);
        if (icon != IconRef::None)
            icons.push_back(IconOf(icon));
        return icon;
    }
    std::vector<HICON> icons;
};

TEST_F(MenuRoundsTest, EveryObjectMadeForARowIsGoneOnceTheRowIsDone) {
    UseRows(7, kSmallItemHeight);
    TracingShellIcons tracingIcons;
    TracingCanvas tracing;
    TForm1 traced(Platform{registry, shell, tracingIcons, menus, options, system, hook});
    traced.Entries = form->Entries;
    traced.PopUpIt = true;
    traced.ItemHeight = form->ItemHeight;
    traced.MenuHandle = form->MenuHandle;
    traced.StripeBitmap = form->StripeBitmap;
    traced.ExplorerPath = form->ExplorerPath;

    const int top = 7 * kSmallItemHeight + kSeparatorAllowance;
    std::size_t brushes = 0, contexts = 0, icons = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto id = static_cast<std::uint32_t>(round % 7);
        MeasureItemRequest measure{kOdtMenu, 0, id, 0, 0, 0};
        ASSERT_TRUE(traced.WMMeasureItem(tracing, measure));
        MeasureItemRequest pathRecall{kOdtMenu, 0, kCmdPathRecall, 0, 0, 0};
        ASSERT_TRUE(traced.WMMeasureItem(tracing, pathRecall));
        const std::uint32_t selected = round % 2 ? kOdsSelected : 0;
        DrawItemRequest entry = Request(6, Rect{0, 132, 250, 154}, kOdaDrawEntire, selected);
        ASSERT_TRUE(traced.WMDrawItem(tracing, entry));
        entry.itemID = id;
        entry.itemAction = kOdaSelect;
        ASSERT_TRUE(traced.WMDrawItem(tracing, entry));
        DrawItemRequest recall =
            Request(kCmdPathRecall, Rect{0, top, 250, top + 16}, kOdaDrawEntire, selected);
        ASSERT_TRUE(traced.WMDrawItem(tracing, recall));

        // Handles carry a use count, so a stale one stays invalid.
        for (HGDIOBJ brush : tracing.brushes)
            ASSERT_EQ(GetObjectType(brush), 0u) << "brush alive after round " << round;
        for (HDC dc : tracing.memoryDcs)
            ASSERT_EQ(GetObjectType(dc), 0u) << "memory context alive after round " << round;
        for (HICON icon : tracingIcons.icons) {
            ICONINFO info{};
            ASSERT_FALSE(GetIconInfo(icon, &info)) << "icon alive after round " << round;
        }
        ASSERT_EQ(tracing.windowDcs, 0) << "window context not given back, round " << round;
        brushes += tracing.brushes.size();
        contexts += tracing.memoryDcs.size();
        icons += tracingIcons.icons.size();
        tracing.brushes.clear();
        tracing.memoryDcs.clear();
        tracingIcons.icons.clear();
    }
    // One banner (a brush and a memory context) and three icons a round.
    EXPECT_EQ(brushes, static_cast<std::size_t>(kRounds));
    EXPECT_EQ(contexts, static_cast<std::size_t>(kRounds));
    EXPECT_EQ(icons, static_cast<std::size_t>(3 * kRounds));
    traced.MenuHandle = MenuRef::None; // the fixture's form owns it
}

} // namespace
} // namespace corvane::win32
