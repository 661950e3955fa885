// The first button of the real program, driven from outside: the program's echo request goes
// through the system proxy setting to a local HTTP server of the test, and the panel's lines,
// the error box and a screenshot are read back.
#include <gtest/gtest.h>

#include "tests/app/local_http_server.h"
// after the server's socket headers
#include <string>
#include <vector>

#include "tests/support/program_driver.h"
#include "tests/support/window_support.h"
#include "tests/support/wine_paths.h"

namespace {

using testing_support::find_child;
using testing_support::window_text;

// The error box the program shows: a dialog of the program's process captioned "Quarnel".
HWND FindErrorBox(DWORD pid) { return testing_support::find_dialog(pid, L"Quarnel"); }

const wchar_t kInternetSettings[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

// Points the system's HTTP proxy at a local port for one test and puts the old setting back.
class ProxySetting {
 public:
  explicit ProxySetting(int port) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kInternetSettings, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    hadEnable_ = Read(L"ProxyEnable", enable_);
    hadServer_ = Read(L"ProxyServer", server_);
    DWORD on = 1;
    RegSetValueExW(key_, L"ProxyEnable", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&on), sizeof on);
    std::wstring server = L"127.0.0.1:" + std::to_wstring(port);
    RegSetValueExW(key_, L"ProxyServer", 0, REG_SZ, reinterpret_cast<const BYTE*>(server.c_str()),
                   static_cast<DWORD>((server.size() + 1) * sizeof(wchar_t)));
  }
  ~ProxySetting() {
    Restore(L"ProxyEnable", hadEnable_, enable_);
    Restore(L"ProxyServer", hadServer_, server_);
    RegCloseKey(key_);
  }
  ProxySetting(const ProxySetting&) = delete;
  ProxySetting& operator=(const ProxySetting&) = delete;

 private:
  struct Value {
    DWORD type = 0;
    std::vector<BYTE> data;
  };
  bool Read(const wchar_t* name, Value& v) {
    DWORD size = 0;
    if (RegQueryValueExW(key_, name, nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS) return false;
    v.data.resize(size);
    return RegQueryValueExW(key_, name, nullptr, &v.type, v.data.data(), &size) == ERROR_SUCCESS;
  }
  void Restore(const wchar_t* name, bool had, const Value& v) {
    if (had)
      RegSetValueExW(key_, name, 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
    else
      RegDeleteValueW(key_, name);
  }
  HKEY key_ = nullptr;
  bool hadEnable_ = false, hadServer_ = false;
  Value enable_, server_;
};

std::vector<std::wstring> Lines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == L'\r' || text[i] == L'\n') {
      if (i < text.size() || start < text.size()) lines.push_back(text.substr(start, i - start));
      if (i < text.size() && text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      start = i + 1;
    }
  }
  return lines;
}

// The first address the resolver gives for this computer's name, as the program reads it.
std::wstring LocalAddress() {
  WSADATA data;
  WSAStartup(MAKEWORD(2, 2), &data);
  char host[256] = {};
  gethostname(host, sizeof host);
  hostent* entry = gethostbyname(host);
  std::wstring text;
  if (entry && entry->h_addr_list[0]) {
    auto* b = reinterpret_cast<const unsigned char*>(entry->h_addr_list[0]);
    text = std::to_wstring(b[0]) + L"." + std::to_wstring(b[1]) + L"." + std::to_wstring(b[2]) + L"." +
           std::to_wstring(b[3]);
  }
  WSACleanup();
  return text;
}

class ProbeEndToEndTest : public ::testing::Test {
 protected:
  void StartProgram() {
    ASSERT_TRUE(program.Start(QUARNEL_EXE)) << GetLastError();
    window = testing_support::wait_for_main_window(program.Id());
    ASSERT_NE(window, nullptr);
    button = find_child(window, L"判断网络");
    memo = find_child(window, nullptr, L"TMemo");
    ASSERT_NE(button, nullptr);
    ASSERT_NE(memo, nullptr);
  }
  // Clicks the first button and waits until the panel holds `count` lines.
  std::vector<std::wstring> ClickAndWaitForLines(size_t count) {
    PostMessageW(button, BM_CLICK, 0, 0);
    std::vector<std::wstring> lines;
    for (int i = 0; i < 500; ++i) {
      lines = Lines(window_text(memo));
      if (lines.size() >= count) break;
      Sleep(20);
    }
    return lines;
  }
  void Screenshot(const char* name) {
    Sleep(200);  // the report's last line is drawn
    auto shot = testing_support::capture_window(window);
    EXPECT_TRUE(
        testing_support::save_bmp(shot, testing_support::host_path(std::string(QUARNEL_SHOTS "/") + name)));
  }
  void Close() {
    PostMessageW(window, WM_CLOSE, 0, 0);
    DWORD code = 1234;
    EXPECT_TRUE(program.WaitForExit(10000, code));
    EXPECT_EQ(code, 0u);
  }
  testing_support::ProgramProcess program;
  HWND window = nullptr, button = nullptr, memo = nullptr;
};

TEST_F(ProbeEndToEndTest, TheReportShowsTheConnectionAndBothAddresses) {
  testing_support::LocalHttpServer echo("200 OK", "203.0.113.45", "text/plain");
  ProxySetting proxy(echo.port());
  DeleteFileW(L"iphist.dat");
  StartProgram();
  auto lines = ClickAndWaitForLines(4);
  // Wine reports a LAN connection.
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"请稍候正在分析网络...", L"LAN 局域网模式.",
                                              L"本机IP:" + LocalAddress(), L"外网IP:203.0.113.45"}));
  ASSERT_EQ(echo.requests().size(), 1u);
  EXPECT_EQ(echo.requests()[0].rfind("GET http://www.velmora.com", 0), 0u) << echo.requests()[0];
  EXPECT_NE(echo.requests()[0].find("/Data/IP/ip.asp HTTP/1."), std::string::npos) << echo.requests()[0];
  Screenshot("network_probe_report.bmp");
  Close();
  // The window's address watch keeps its history switched off: a normal run leaves no file.
  EXPECT_EQ(GetFileAttributesW(L"iphist.dat"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(ProbeEndToEndTest, AnHtmlErrorPageFollowsTheExternalAddressLabelWhole) {
  testing_support::LocalHttpServer echo("500 Internal Server Error",
                                        "<html>\r\n<body>Server Error</body>\r\n</html>");
  ProxySetting proxy(echo.port());
  StartProgram();
  auto lines = ClickAndWaitForLines(6);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[3], L"外网IP:<html>");
  EXPECT_EQ(lines[4], L"<body>Server Error</body>");
  EXPECT_EQ(lines[5], L"</html>");
  Close();
}

TEST_F(ProbeEndToEndTest, AnUnreachableEchoHostShowsTheErrorBoxAndKeepsThreeLines) {
  ProxySetting proxy(testing_support::ClosedLocalPort());
  StartProgram();
  PostMessageW(button, BM_CLICK, 0, 0);
  HWND box = nullptr;
  for (int i = 0; i < 500 && !box; ++i) {
    box = FindErrorBox(program.Id());
    if (!box) Sleep(20);
  }
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(testing_support::static_text_of(box), L"OLE error 800c0008.");
  auto lines = Lines(window_text(memo));
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], L"LAN 局域网模式.");
  EXPECT_EQ(lines[2], L"本机IP:" + LocalAddress());
  auto shot = testing_support::capture_screen_rect([&] {
    RECT r;
    GetWindowRect(box, &r);
    return r;
  }());
  testing_support::save_bmp(shot, testing_support::host_path(QUARNEL_SHOTS "/network_probe_error_box.bmp"));
  // The program goes on: the box closes and the window answers again.
  PostMessageW(box, WM_COMMAND, IDOK, 0);
  for (int i = 0; i < 250 && FindErrorBox(program.Id()); ++i) Sleep(20);
  EXPECT_EQ(FindErrorBox(program.Id()), nullptr);
  DWORD code = 0;
  EXPECT_FALSE(program.WaitForExit(0, code));  // still running
  Close();
}

TEST_F(ProbeEndToEndTest, TwoClicksLeaveOnlyTheSecondReport) {
  testing_support::LocalHttpServer echo("200 OK", "198.51.100.9", "text/plain");
  ProxySetting proxy(echo.port());
  StartProgram();
  auto first = ClickAndWaitForLines(4);
  ASSERT_EQ(first.size(), 4u);
  // Wait for the second request, then for its report.
  PostMessageW(button, BM_CLICK, 0, 0);
  for (int i = 0; i < 500 && echo.requests().size() < 2; ++i) Sleep(20);
  ASSERT_EQ(echo.requests().size(), 2u);
  std::vector<std::wstring> second;
  for (int i = 0; i < 100; ++i) {
    second = Lines(window_text(memo));
    if (second.size() == 4 && second[3] == L"外网IP:198.51.100.9") break;
    Sleep(20);
  }
  EXPECT_EQ(second, first);
  Close();
}

}  // namespace
