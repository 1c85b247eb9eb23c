// What only the real system shows of the non-window services: the ANSI
// code page, the user's name, the clock and locale, the screen, the
// stacking calls and the dialogs.
#include "platform/win32/file_services.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_services.h"
#include "platform/win32/wide.h"

#include "message_pump.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace tavrin::win32 {
namespace {

TEST(SystemServicesAnsi, SpanishFolderNamesRoundTripThroughCp1252) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "the ANSI code page is " << GetACP()
                     << ", not 1252: run Wine with LANG=es_ES.UTF-8 or en_US.UTF-8";
    SystemServices services;
    const struct {
        const char* utf8;
        const char* ansi;
    } cases[] = {
        {"Im\u00e1genes", "Im\xE1genes"},
        {"M\u00fasica", "M\xFAsica"},
        {"Configuraci\u00f3n", "Configuraci\xF3n"},
        {"\u20ac 5", "\x80 5"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(services.ansiFromUtf8(c.utf8), c.ansi) << c.utf8;
        EXPECT_EQ(services.utf8FromAnsi(c.ansi), c.utf8) << c.utf8;
    }
    // No look-alikes: "Łódź" must not become "Lodz", a different folder.
    EXPECT_EQ(services.ansiFromUtf8("\u0141\u00f3d\u017a"), "?\xF3"
                                                            "d?");
}

TEST(SystemServicesUser, NameAndNulOverTheBlanks) {
    SystemServices services;
    constexpr std::size_t kBufferSize = 260; // what the bar hands over
    std::string buffer(kBufferSize, ' ');
    ASSERT_TRUE(services.getUserName(buffer));
    ASSERT_EQ(buffer.size(), kBufferSize);
    const std::size_t end = buffer.find('\0');
    ASSERT_NE(end, std::string::npos);
    ASSERT_GT(end, 0u);
    EXPECT_EQ(buffer.find_first_not_of(' ', end + 1), std::string::npos);

    wchar_t wide[kBufferSize];
    DWORD size = kBufferSize;
    ASSERT_TRUE(GetUserNameW(wide, &size));
    EXPECT_EQ(buffer.substr(0, end), utf8FromWide(wide));

    std::string tooSmall(1, ' ');
    EXPECT_FALSE(services.getUserName(tooSmall));
    EXPECT_EQ(tooSmall, " ");
}

// Weekday of a civil date, 0 = Sunday.
int weekdayOf(int year, int month, int day) {
    static constexpr int kMonthOffsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    return (year + year / 4 - year / 100 + year / 400 + kMonthOffsets[month - 1] + day) % 7;
}

TEST(SystemServicesClock, NowIsACivilTimeAndLongDateNamesItsYear) {
    SystemServices services;
    const LocalTime before = services.now();
    const std::string date = services.longDate();
    const LocalTime after = services.now();

    EXPECT_GE(before.year, 2024);
    EXPECT_LE(before.year, 2200);
    EXPECT_GE(before.month, 1);
    EXPECT_LE(before.month, 12);
    EXPECT_GE(before.day, 1);
    EXPECT_LE(before.day, 31);
    EXPECT_GE(before.hour, 0);
    EXPECT_LE(before.hour, 23);
    EXPECT_GE(before.minute, 0);
    EXPECT_LE(before.minute, 59);
    EXPECT_GE(before.second, 0);
    EXPECT_LE(before.second, 59);
    EXPECT_EQ(before.weekday, weekdayOf(before.year, before.month, before.day));

    ASSERT_FALSE(date.empty());
    const bool namesYear = date.find(std::to_string(before.year)) != std::string::npos ||
                           date.find(std::to_string(after.year)) != std::string::npos;
    EXPECT_TRUE(namesYear) << date;
    EXPECT_EQ(utf8FromWide(wideFromUtf8(date)), date) << "not valid UTF-8";
    if (PRIMARYLANGID(GetUserDefaultLangID()) == LANG_SPANISH) {
        EXPECT_NE(date.find(" de "), std::string::npos) << date;
    }
}

TEST(SystemServicesScreen, SizeIsPixelsTimesFifteen) {
    SystemServices services;
    EXPECT_EQ(services.screenWidth(), GetSystemMetrics(SM_CXSCREEN) * 15.0);
    EXPECT_EQ(services.screenHeight(), GetSystemMetrics(SM_CYSCREEN) * 15.0);
    if (GetSystemMetrics(SM_CXSCREEN) == 1366 && GetSystemMetrics(SM_CYSCREEN) == 768) {
        EXPECT_EQ(services.screenWidth(), 20490.0);
        EXPECT_EQ(services.screenHeight(), 11520.0);
    }
    Point cursor{-99999, -99999};
    ASSERT_TRUE(services.getCursorPos(cursor));
    EXPECT_GE(cursor.x, 0);
    EXPECT_LT(cursor.x, GetSystemMetrics(SM_CXSCREEN));
}

// Plain top-level windows of a class of their own.
class TestWindows : public ::testing::Test {
  protected:
    static constexpr const wchar_t* kClass = L"TavrinServicesTestWindow";

    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        RegisterClassW(&wc);
    }

    UniqueWindow create(const wchar_t* title, int x) {
        return UniqueWindow(CreateWindowExW(0, kClass, title, WS_OVERLAPPEDWINDOW, x, 100, 300, 200,
                                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    }

    static WindowHandle handle(const UniqueWindow& w) {
        return reinterpret_cast<WindowHandle>(w.get());
    }
};

TEST_F(TestWindows, TopmostRestackKeepsTheUsersWindowActive) {
    SystemServices services;
    UniqueWindow user = create(L"user", 50);
    UniqueWindow bar = create(L"bar", 400);
    ASSERT_TRUE(user && bar);
    ShowWindow(bar.get(), SW_SHOWNOACTIVATE);
    ShowWindow(user.get(), SW_SHOW);
    SetForegroundWindow(user.get());
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == user.get(); }));

    ASSERT_TRUE(
        services.setWindowPos(handle(bar), kHwndTopmost, 0, 0, 0, 0, kSwpNoMove | kSwpNoSize));
    EXPECT_TRUE(waitFor([&] { return GetWindowLongW(bar.get(), GWL_EXSTYLE) & WS_EX_TOPMOST; }));
    EXPECT_EQ(GetForegroundWindow(), user.get());
    EXPECT_EQ(GetActiveWindow(), user.get());
}

TEST_F(TestWindows, LayeredAlphaThroughTheAnsiWindowLongs) {
    SystemServices services;
    UniqueWindow w = create(L"glass", 100);
    ASSERT_TRUE(w);
    const long style = services.getWindowLong(handle(w), kGwlExStyle);
    services.setWindowLong(handle(w), kGwlExStyle, style | kWsExLayered);
    EXPECT_TRUE(services.getWindowLong(handle(w), kGwlExStyle) & kWsExLayered);
    ASSERT_TRUE(services.setLayeredWindowAttributes(handle(w), 0, 120, kLwaAlpha));
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(w.get(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 120);
    EXPECT_TRUE(flags & LWA_ALPHA);
}

// The texts of a dialog's static controls, joined by newlines.
std::wstring staticTexts(HWND dialog) {
    std::wstring texts;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM out) -> BOOL {
            wchar_t cls[32];
            GetClassNameW(child, cls, 32);
            if (lstrcmpiW(cls, L"Static") == 0) {
                wchar_t text[512];
                GetWindowTextW(child, text, 512);
                *reinterpret_cast<std::wstring*>(out) += std::wstring(text) + L"\n";
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

TEST(SystemServicesDialogs, MessageBoxShowsSpanishTextExactlyAndClosesWithOk) {
    SystemServices services;
    const std::string text =
        "No se puede guardar la configuraci\u00f3n, \u00bfest\u00e1 protegido?";
    std::wstring seen;
    std::atomic<bool> found{false};
    // The box is modal: a second thread reads it and presses OK.
    std::thread closer([&] {
        const auto end = std::chrono::steady_clock::now() + kDeadline;
        while (std::chrono::steady_clock::now() < end) {
            if (HWND box = FindWindowW(L"#32770", L"Tavrin")) {
                Sleep(100); // let the box create its controls
                seen = staticTexts(box);
                found = true;
                PostMessageW(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
    services.messageBox(text, "Tavrin", MessageIcon::Critical);
    closer.join();
    ASSERT_TRUE(found) << "no message box titled Tavrin appeared";
    EXPECT_NE(seen.find(wideFromUtf8(text)), std::wstring::npos) << utf8FromWide(seen);
}

TEST(SystemServicesShell, FileParametersAndFolderReachTheShellInAnsi) {
    if (GetACP() != 1252)
        GTEST_SKIP() << "needs an ANSI code page with \u00fa and \u00f1 (1252)";
    SystemServices services;
    TempFolder folder;
    if (!folder.created())
        GTEST_SKIP() << folder.whyNotCreated();
    const std::string marker = folder.file("se\u00f1al.txt");
    const std::intptr_t result =
        services.shellExecute(0, std::nullopt, "cmd.exe",
                              std::string("/c echo hecho> se\u00f1al.txt"), folder.path(), SW_HIDE);
    EXPECT_GT(result, 32);
    FileServices files;
    EXPECT_TRUE(waitFor([&] { return files.readFile(marker).has_value(); }));

    EXPECT_LE(services.shellExecute(0, std::nullopt, folder.file("no-existe.exe"), std::nullopt,
                                    std::nullopt, SW_HIDE),
              32);
}

} // namespace
} // namespace tavrin::win32
