#include "platform/gdi/text.h"
#include "platform/last_error.h"
#include "platform/window/edit/edit_control.h"
#include "tests/support/window_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace {

using kravo::test::Delivery;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr RECT kEditRect{10, 10, 110, 30};

struct Colours {
    COLORREF text = kBlack;
    // Of the text's cells.
    COLORREF back = kWhite;
    COLORREF brush = kWhite;
};

// A replacement procedure in the manner of a field that edits through an EDIT window: it logs each key
// message before the edit sees it, wants all keys, and on Return takes the text and ends the window.
struct Subclass {
    WNDPROC original = nullptr;
    std::vector<Delivery> keys;
    std::string textSeenAtLastKey;
    std::string textAtReturn;
    int killFocus = 0;
};

Subclass subclass;

LRESULT subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    char text[256] = {};
    switch (message) {
    case WM_KEYDOWN:
    case WM_CHAR:
        subclass.keys.push_back({window, message, wParam, lParam});
        GetWindowTextA(window, text, sizeof text);
        subclass.textSeenAtLastKey = text;
        if (message == WM_KEYDOWN && wParam == VK_RETURN) {
            GetWindowTextA(window, text, sizeof text);
            subclass.textAtReturn = text;
            DestroyWindow(window);
            return 0;
        }
        break;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KILLFOCUS: ++subclass.killFocus; break;
    default: break;
    }
    return CallWindowProcA(subclass.original, window, message, wParam, lParam);
}

class EditControl : public kravo::test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        platform::setTextAntialiasing(false);
        subclass = {};
        registerRecordingClass();
        parent = makeWindow(nullptr, {100, 100, 400, 300});
        font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, OUT_STRING_PRECIS, CLIP_STROKE_PRECIS,
            DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
    }

    void TearDown() override
    {
        DestroyWindow(parent);
        DeleteObject(font);
        platform::setTextAntialiasing(true);
        WindowTest::TearDown();
    }

    HWND makeEdit(const char* text, DWORD style = ES_AUTOHSCROLL, RECT rect = kEditRect)
    {
        HWND edit = CreateWindowExA(0, "EDIT", text, WS_CHILD | WS_VISIBLE | style, rect.left, rect.top,
            rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
        SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        return edit;
    }

    void subclassEdit(HWND edit)
    {
        subclass.original = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&subclassProcedure)));
    }

    void pressKeys(std::initializer_list<int> keys)
    {
        for (const int key : keys) {
            script().press(key);
            script().release(key);
        }
        runScript();
    }

    // Lower-case letters only.
    void typeText(std::string_view text)
    {
        for (const char letter : text) {
            script().press(VK_A + (letter - 'a'));
            script().release(VK_A + (letter - 'a'));
        }
        runScript();
    }

    static std::string textOf(HWND edit)
    {
        char text[300] = {};
        GetWindowTextA(edit, text, sizeof text);
        return text;
    }

    // A picture the edit's size filled with the brush colour, the text drawn with the test's font at x.
    platform::Image expectedText(std::string_view text, int x, Colours colours = {}, RECT rect = kEditRect)
    {
        HDC dc = canvas(rect.right - rect.left, rect.bottom - rect.top, colours.brush);
        const HGDIOBJ previous = SelectObject(dc, font);
        SetTextColor(dc, colours.text);
        SetBkColor(dc, colours.back);
        TextOutA(dc, x, 0, text.data(), static_cast<int>(text.size()));
        SelectObject(dc, previous);
        return *platform::captureImage(dc, {0, 0, rect.right - rect.left, rect.bottom - rect.top});
    }

    int widthOf(std::string_view text)
    {
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE size{};
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return size.width;
    }

    int cellHeight()
    {
        HDC dc = CreateCompatibleDC(nullptr);
        const HGDIOBJ previous = SelectObject(dc, font);
        TEXTMETRICA metrics{};
        GetTextMetricsA(dc, &metrics);
        SelectObject(dc, previous);
        DeleteDC(dc);
        return metrics.height;
    }

    static void addCaret(platform::Image& picture, int x, int height, COLORREF colour = kBlack)
    {
        picture.fill({x, 0, x + 1, height}, colour);
    }

    HWND parent = nullptr;
    HFONT font = nullptr;
};

TEST_F(EditControl, TheEditClassIsThereWithoutRegisteringAndCannotBeTakenAway)
{
    HWND edit = makeEdit("Kravo");
    ASSERT_NE(edit, nullptr);
    char name[16] = {};
    EXPECT_EQ(GetClassNameA(edit, name, sizeof name), 4);
    EXPECT_STREQ(name, "EDIT");
    EXPECT_EQ(registerRecordingClass(0, nullptr, "Edit"), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    DestroyWindow(edit);
    EXPECT_FALSE(UnregisterClassA("edit", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(SendMessageA(makeEdit(""), WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_WANTARROWS);
}

TEST_F(EditControl, TypingReplacesTheSelectionWithinTheLimit)
{
    HWND edit = makeEdit("old text");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SetFocus(edit);
    typeText("abc");
    EXPECT_EQ(textOf(edit), "abc");

    SendMessageA(edit, EM_LIMITTEXT, 4, 0);
    typeText("def");
    EXPECT_EQ(textOf(edit), "abcd");
    SendMessageA(edit, EM_SETSEL, 1, 3);
    typeText("xyz");
    EXPECT_EQ(textOf(edit), "axyd");
    pressKeys({VK_RETURN, VK_ESCAPE, VK_TAB});
    EXPECT_EQ(textOf(edit), "axyd");
}

TEST_F(EditControl, BackspaceDeleteAndTheArrowsEditOnceAKey)
{
    HWND edit = makeEdit("abcdef");
    SetFocus(edit);
    pressKeys({VK_END, VK_BACK}); // Backspace also makes a WM_CHAR, which must not erase again
    EXPECT_EQ(textOf(edit), "abcde");
    pressKeys({VK_HOME, VK_DELETE});
    EXPECT_EQ(textOf(edit), "bcde");
    pressKeys({VK_RIGHT, VK_RIGHT});
    typeText("x");
    EXPECT_EQ(textOf(edit), "bcxde");
    pressKeys({VK_LEFT, VK_BACK});
    EXPECT_EQ(textOf(edit), "bxde");

    SendMessageA(edit, EM_SETSEL, 1, 3);
    pressKeys({VK_LEFT}); // a selection collapses to its start
    typeText("y");
    EXPECT_EQ(textOf(edit), "byxde");
    SendMessageA(edit, EM_SETSEL, 3, 1);
    pressKeys({VK_DELETE});
    EXPECT_EQ(textOf(edit), "bde");
    SendMessageA(edit, EM_SETSEL, 0, 2);
    pressKeys({VK_RIGHT});
    typeText("z");
    EXPECT_EQ(textOf(edit), "bdze");
}

TEST_F(EditControl, TextIsSetAndReadThroughMessagesCutToTheBuffer)
{
    HWND edit = makeEdit("abcdef");
    char text[8] = "???????";
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), 2);
    EXPECT_EQ(std::memcmp(text, "ab\0?", 4), 0);
    EXPECT_EQ(GetWindowTextA(edit, text, 1), 0);
    EXPECT_EQ(text[0], '\0');

    SendMessageA(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(SetWindowTextA(edit, "xyz"), TRUE); // a new text has its caret at the start, nothing selected
    SetFocus(edit);
    typeText("a");
    EXPECT_EQ(textOf(edit), "axyz");
    EXPECT_EQ(SendMessageA(edit, WM_SETTEXT, 0, 0), TRUE);
    EXPECT_EQ(textOf(edit), "");
}

TEST_F(EditControl, AClickTakesTheFocusAndPlacesTheCaretAtTheNearestCharacter)
{
    HWND edit = makeEdit("abcd");
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(widthOf("ab") + 1, 5));
    EXPECT_EQ(GetFocus(), edit);
    typeText("x");
    EXPECT_EQ(textOf(edit), "abxcd");
    SendMessageA(edit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(90, 5));
    typeText("y");
    EXPECT_EQ(textOf(edit), "abxcdy");
}

TEST_F(EditControl, ItPaintsInTheParentsBrushAndColours)
{
    HBRUSH green = CreateSolidBrush(RGB(0, 160, 0));
    HWND edit = nullptr;
    HWND askedFor = nullptr;
    answer = [&](const Delivery& delivery) -> std::optional<LRESULT> {
        if (delivery.message != WM_CTLCOLOREDIT)
            return std::nullopt;
        askedFor = reinterpret_cast<HWND>(delivery.lParam);
        HDC dc = reinterpret_cast<HDC>(delivery.wParam);
        SetTextColor(dc, RGB(255, 0, 0));
        SetBkColor(dc, RGB(0, 0, 255));
        return reinterpret_cast<LRESULT>(green);
    };
    edit = makeEdit("Kravo");
    platform::pumpMessages();
    EXPECT_EQ(askedFor, edit);
    expectWindowPicture(edit, expectedText("Kravo", 0, {RGB(255, 0, 0), RGB(0, 0, 255), RGB(0, 160, 0)}));

    answer = nullptr; // a null brush leaves the system's colours
    InvalidateRect(edit, nullptr, FALSE);
    platform::pumpMessages();
    expectWindowPicture(edit, expectedText("Kravo", 0));
    DestroyWindow(edit);
    DeleteObject(green);
}

TEST_F(EditControl, TheTextLiesBetweenTheMarginsAsItsAlignmentSays)
{
    const int width = widthOf("Kravo");
    // The area between margins 3 and 5 is 92 pixels wide; the text takes its width and one for the caret.
    const int free = 92 - (width + 1);
    for (const auto& [style, x] : {std::pair{ES_LEFT, 3}, {ES_CENTER, 3 + free / 2}, {ES_RIGHT, 3 + free}}) {
        HWND edit = makeEdit("Kravo", style);
        SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(3, 5));
        platform::pumpMessages();
        expectWindowPicture(edit, expectedText("Kravo", x));
        DestroyWindow(edit);
    }
}

TEST_F(EditControl, WithTheFocusTheSelectionIsHighlightedAndTheCaretShows)
{
    HWND edit = makeEdit("Kravo");
    SendMessageA(edit, EM_SETSEL, 0, -1);
    platform::pumpMessages();
    expectWindowPicture(edit, expectedText("Kravo", 0)); // nothing shows without the focus

    SetFocus(edit);
    platform::pumpMessages();
    platform::Image selected =
        expectedText("Kravo", 0, {GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_HIGHLIGHT), kWhite});
    addCaret(selected, widthOf("Kravo"), cellHeight());
    expectWindowPicture(edit, selected);

    pressKeys({VK_HOME});
    platform::Image caretFirst = expectedText("Kravo", 0);
    addCaret(caretFirst, 0, cellHeight());
    expectWindowPicture(edit, caretFirst);

    SetFocus(parent);
    platform::pumpMessages();
    expectWindowPicture(edit, expectedText("Kravo", 0));
    DestroyWindow(edit);
}

TEST_F(EditControl, AutomaticScrollingKeepsTheCaretInViewAndWithoutItTypingStopsAtTheEdge)
{
    constexpr RECT narrow{10, 10, 50, 30};
    const std::string letters = "abcdefghijkl";
    HWND scrolling = makeEdit("", ES_AUTOHSCROLL, narrow);
    SetFocus(scrolling);
    typeText(letters);
    EXPECT_EQ(textOf(scrolling), letters);
    const int width = widthOf(letters);
    ASSERT_GT(width, 40);
    platform::Image atEnd = expectedText(letters, 39 - width, {}, narrow);
    addCaret(atEnd, 39, cellHeight());
    expectWindowPicture(scrolling, atEnd);
    pressKeys({VK_HOME});
    platform::Image atStart = expectedText(letters, 0, {}, narrow);
    addCaret(atStart, 0, cellHeight());
    expectWindowPicture(scrolling, atStart);
    DestroyWindow(scrolling);

    HWND fixed = makeEdit("", ES_LEFT, narrow);
    SetFocus(fixed);
    typeText(letters);
    std::string fitting = letters;
    while (widthOf(fitting) + 1 > 40)
        fitting.pop_back();
    EXPECT_EQ(textOf(fixed), fitting);
    DestroyWindow(fixed);
}

TEST_F(EditControl, DestroyingTheFocusedEditSendsItWmKillFocusOnce)
{
    HWND edit = makeEdit("Kravo");
    subclassEdit(edit);
    SetFocus(edit);
    DestroyWindow(edit);
    EXPECT_EQ(subclass.killFocus, 1);
    EXPECT_EQ(GetFocus(), nullptr);
}

TEST_F(EditControl, AReplacedProcedureSeesEveryKeyFirstAndCanEndTheEditOnReturn)
{
    HWND edit = makeEdit("");
    subclassEdit(edit);
    SetFocus(edit);
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
    EXPECT_EQ(CallWindowProcA(subclass.original, edit, WM_GETDLGCODE, 0, 0), DLGC_WANTCHARS | DLGC_WANTARROWS);

    typeText("ab");
    pressKeys({VK_BACK});
    typeText("c");
    EXPECT_EQ(subclass.textSeenAtLastKey, "a"); // the 'c' was seen before the edit took it
    pressKeys({VK_RETURN});
    EXPECT_EQ(subclass.textAtReturn, "ac");
    EXPECT_EQ(platform::windowCount(), 1u);
    EXPECT_EQ(subclass.killFocus, 1);

    std::string keys;
    std::string characters;
    for (const Delivery& key : subclass.keys)
        (key.message == WM_KEYDOWN ? keys : characters) += static_cast<char>(key.wParam);
    const std::string pressed{static_cast<char>(VK_A), static_cast<char>(VK_A + 1), static_cast<char>(VK_BACK),
        static_cast<char>(VK_A + 2), static_cast<char>(VK_RETURN)};
    EXPECT_EQ(keys, pressed);
    EXPECT_EQ(characters, "ab\bc"); // the Return's character went with the window
}

} // namespace
