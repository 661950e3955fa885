// The network probe in the test's process: the report for every combination of connection
// state bits, errors leaving the lines written so far, the fetch against a local HTTP server,
// and the messages of a failed fetch.
#include <gtest/gtest.h>

#include "tests/app/local_http_server.h"
// after the server's socket headers
#include <objbase.h>

#include "app/network_probe.h"
#include "app/publisher.h"
#include "framework/core/text.h"

namespace {

// GBK bytes of the report lines.
const std::string kWait = "\xC7\xEB\xC9\xD4\xBA\xF2\xD5\xFD\xD4\xDA\xB7\xD6\xCE\xF6\xCD\xF8\xC2\xE7...";
const std::string kNotConnected = "\xC3\xBB\xD3\xD0\xC1\xAC\xBD\xD3\xCD\xF8\xC2\xE7.";
const std::string kModem = "ADSL Modem \xCD\xF8\xC4\xA3\xCA\xBD.";
const std::string kLan = "LAN \xBE\xD6\xD3\xF2\xCD\xF8\xC4\xA3\xCA\xBD.";
const std::string kProxy = "Proxy \xB4\xFA\xC0\xED\xC9\xCF\xCD\xF8\xC4\xA3\xCA\xBD.";
const std::string kBusy = "Busy \xB7\xB1\xC3\xA6,\xCE\xDE\xB7\xA8\xC5\xD0\xB6\xCF.";
const std::string kLocal =
    "\xB1\xBE\xBB\xFA"
    "IP:";
const std::string kExternal =
    "\xCD\xE2\xCD\xF8"
    "IP:";

TEST(ReportTextTest, LinesAreTheGbkOfTheChineseReport) {
  EXPECT_EQ(fw::ToWide(kWait), L"请稍候正在分析网络...");
  EXPECT_EQ(fw::ToWide(kNotConnected), L"没有连接网络.");
  EXPECT_EQ(fw::ToWide(kModem), L"ADSL Modem 网模式.");
  EXPECT_EQ(fw::ToWide(kLan), L"LAN 局域网模式.");
  EXPECT_EQ(fw::ToWide(kProxy), L"Proxy 代理上网模式.");
  EXPECT_EQ(fw::ToWide(kBusy), L"Busy 繁忙,无法判断.");
  EXPECT_EQ(fw::ToWide(kLocal), L"本机IP:");
  EXPECT_EQ(fw::ToWide(kExternal), L"外网IP:");
}

std::string KindFor(bool connected, DWORD flags, bool* result = nullptr) {
  std::string kind = "stale";
  bool r = QueryConnectionType(kind, [=] { return ConnectionState{connected, flags}; });
  if (result) *result = r;
  return kind;
}

TEST(QueryConnectionTypeTest, TheHighestOfTheFourBitsNamesTheKind) {
  bool result = false;
  EXPECT_EQ(KindFor(false, 0x2, &result), "");
  EXPECT_FALSE(result);
  EXPECT_EQ(KindFor(true, 0x1, &result), "Modem");
  EXPECT_TRUE(result);
  EXPECT_EQ(KindFor(true, 0x2), "LAN");
  EXPECT_EQ(KindFor(true, 0x12), "LAN");  // LAN with a dial-up service installed, as Wine says
  EXPECT_EQ(KindFor(true, 0x6), "Proxy");
  EXPECT_EQ(KindFor(true, 0xF), "Busy");
  EXPECT_EQ(KindFor(true, 0x9), "Busy");
  EXPECT_EQ(KindFor(true, 0x70, &result), "");
  EXPECT_TRUE(result);
}

class ProbeReportTest : public ::testing::Test {
 protected:
  std::vector<std::string> Run(bool connected, DWORD flags) {
    NetworkProbeServices services;
    services.connectionState = [=] { return ConnectionState{connected, flags}; };
    services.localAddress = [this] {
      linesAtLocalQuery = panel.Count();
      return std::string("192.168.1.20");
    };
    services.fetchExternalAddress = [this](const std::string& url) {
      fetchedUrl = url;
      linesAtFetch = panel.Count();
      return std::string("203.0.113.7");
    };
    RunNetworkProbe(panel, kEchoPageUrl, services);
    return panel.ToVector();
  }
  TStringList panel;
  std::string fetchedUrl;
  int linesAtLocalQuery = -1, linesAtFetch = -1;
};

TEST_F(ProbeReportTest, NotConnectedWritesTwoLines) {
  EXPECT_EQ(Run(false, 0x2), (std::vector<std::string>{kWait, kNotConnected}));
  EXPECT_EQ(linesAtLocalQuery, -1);
}

TEST_F(ProbeReportTest, EachKindWritesItsModeLineAndBothAddresses) {
  for (auto [flags, mode] : {std::pair{DWORD{0x1}, kModem}, std::pair{DWORD{0x12}, kLan},
                             std::pair{DWORD{0x6}, kProxy}, std::pair{DWORD{0xA}, kBusy}}) {
    EXPECT_EQ(Run(true, flags),
              (std::vector<std::string>{kWait, mode, kLocal + "192.168.1.20", kExternal + "203.0.113.7"}))
        << flags;
    // Every line is in the panel before the next step starts.
    EXPECT_EQ(linesAtLocalQuery, 2);
    EXPECT_EQ(linesAtFetch, 3);
    EXPECT_EQ(fetchedUrl, "http://www.velmora.com/Data/IP/ip.asp");
  }
}

TEST_F(ProbeReportTest, ConnectedWithoutAKnownBitWritesOnlyTheFirstLine) {
  EXPECT_EQ(Run(true, 0x70), std::vector<std::string>{kWait});
}

TEST_F(ProbeReportTest, ASecondRunReplacesTheFirstReport) {
  Run(true, 0x2);
  EXPECT_EQ(Run(false, 0), (std::vector<std::string>{kWait, kNotConnected}));
}

TEST_F(ProbeReportTest, ErrorsLeaveTheLinesWrittenSoFar) {
  NetworkProbeServices services;
  services.connectionState = [] { return ConnectionState{true, 0x2}; };
  services.localAddress = []() -> std::string { throw Exception("List index out of bounds (0)"); };
  EXPECT_THROW(RunNetworkProbe(panel, kEchoPageUrl, services), Exception);
  EXPECT_EQ(panel.ToVector(), (std::vector<std::string>{kWait, kLan}));

  services.localAddress = [] { return std::string("10.0.0.2"); };
  services.fetchExternalAddress = [](const std::string&) -> std::string {
    throw EOleSysError("OLE error 800c0008", static_cast<HRESULT>(0x800C0008));
  };
  EXPECT_THROW(RunNetworkProbe(panel, kEchoPageUrl, services), EOleSysError);
  EXPECT_EQ(panel.ToVector(), (std::vector<std::string>{kWait, kLan, kLocal + "10.0.0.2"}));
}

TEST(FetchErrorMessageTest, DescriptionThenSystemTextThenTheCode) {
  EXPECT_EQ(FetchErrorMessage(E_FAIL, L"The server cannot be reached. \r\n.."),
            "The server cannot be reached");
  EXPECT_EQ(FetchErrorMessage(static_cast<HRESULT>(0x800C0008), L""), "OLE error 800c0008");
  EXPECT_EQ(FetchErrorMessage(static_cast<HRESULT>(0x800C0008), L" .\r\n"), "OLE error 800c0008");
  std::string system = FetchErrorMessage(E_OUTOFMEMORY, L"");
  EXPECT_NE(system.rfind("OLE error", 0), 0u) << system;
  EXPECT_FALSE(system.empty());
  EXPECT_NE(system.back(), '.');
  EXPECT_NE(system.back(), '\n');
}

class FetchTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }
};

TEST_F(FetchTest, ReturnsTheWholeBodyOfTheEchoPage) {
  testing_support::LocalHttpServer server("200 OK", "198.51.100.23", "text/plain");
  std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/Data/IP/ip.asp";
  EXPECT_EQ(FetchExternalAddress(url), "198.51.100.23");
  ASSERT_EQ(server.requests().size(), 1u);
  EXPECT_EQ(server.requests()[0].rfind("GET /Data/IP/ip.asp HTTP/1.", 0), 0u) << server.requests()[0];
}

TEST_F(FetchTest, AnErrorPageIsReturnedWhole) {
  const std::string page =
      "<html>\r\n<head><title>404 Not Found</title></head>\r\n<body>Not here</body>\r\n</html>";
  testing_support::LocalHttpServer server("404 Not Found", page);
  std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/Data/IP/ip.asp";
  EXPECT_EQ(FetchExternalAddress(url), page);
}

TEST_F(FetchTest, ChineseTextOfTheBodyComesBackAsGbk) {
  testing_support::LocalHttpServer server("200 OK", "\xE5\xA4\x96\xE7\xBD\x91 1.2.3.4",
                                          "text/plain; charset=utf-8");
  std::string url = "http://127.0.0.1:" + std::to_string(server.port()) + "/";
  EXPECT_EQ(FetchExternalAddress(url), "\xCD\xE2\xCD\xF8 1.2.3.4");
}

TEST_F(FetchTest, AnUnreachableHostRaisesWithTheFailureCode) {
  std::string url =
      "http://127.0.0.1:" + std::to_string(testing_support::ClosedLocalPort()) + "/Data/IP/ip.asp";
  try {
    FetchExternalAddress(url);
    FAIL() << "no error";
  } catch (const EOleSysError& e) {
    EXPECT_TRUE(FAILED(e.ErrorCode()));
    EXPECT_FALSE(std::string(e.what()).empty());
  }
}

}  // namespace
