// The Winsock entry table: errors before the library is loaded, resolution on first call, an
// entry the library lacks, and unloading.
#include "net/winsock_table.h"

#include <gtest/gtest.h>

#include "net/id_component.h"
#include "net/id_exceptions.h"

namespace {

TEST(WinsockTableTest, NamesFollowTheTableOrder) {
  EXPECT_STREQ(ws2::EntryName(ws2::k_WSACleanup), "WSACleanup");
  EXPECT_STREQ(ws2::EntryName(ws2::k_WSAFDIsSet), "__WSAFDIsSet");
  EXPECT_STREQ(ws2::EntryName(ws2::k_WSAProviderConfigChange), "WSAProviderConfigChange");
  // The neutral forms have their own slots but load the "A" functions.
  EXPECT_STREQ(ws2::EntryName(ws2::k_WSASocket), "WSASocketA");
  EXPECT_NE(ws2::k_WSASocket, ws2::k_WSASocketA);
  EXPECT_STREQ(ws2::EntryName(ws2::k_WSASetService), "WSASetServiceA");
  EXPECT_STREQ(ws2::EntryName(ws2::k_WSARecvEx), "WSARecvEx");
}

TEST(WinsockTableTest, CallingBeforeTheLibraryIsLoadedNamesTheFunction) {
  ASSERT_EQ(SocketComponentCount(), 0);
  FinalizeSocketLayer();
  ASSERT_FALSE(ws2::IsLoaded());
  char name[64] = {};
  try {
    ws2::Call<ws2::k_gethostname>(name, 64);
    FAIL() << "no error";
  } catch (const EIdWS2StubError& e) {
    EXPECT_EQ(e.Title(), "Error on call Winsock2 library function gethostname");
    EXPECT_EQ(e.Win32Error(), 10093u);
    const std::string what = e.what(), title = "Error on call Winsock2 library function gethostname: ";
    EXPECT_EQ(what.substr(0, title.size()), title);  // the system's text for the error follows
  }
  EXPECT_FALSE(ws2::IsResolved(ws2::k_gethostname));
}

TEST(WinsockTableTest, FirstCallResolvesAndUnloadResetsTheSlots) {
  FinalizeSocketLayer();
  WSADATA data{};
  ASSERT_EQ(ws2::LoadAndStartup(MAKEWORD(2, 2), &data), 0);
  EXPECT_TRUE(ws2::IsLoaded());
  EXPECT_EQ(ws2::LoadAndStartup(MAKEWORD(2, 2), &data), 0);  // already loaded: at once
  EXPECT_FALSE(ws2::IsResolved(ws2::k_htons));
  EXPECT_EQ(ws2::Call<ws2::k_htons>(static_cast<u_short>(0x1234)), 0x3412);
  EXPECT_TRUE(ws2::IsResolved(ws2::k_htons));
  EXPECT_EQ(ws2::Call<ws2::k_ntohl>(0x01020304ul), 0x04030201ul);
  // Arguments of every width reach the library untouched.
  char host[256] = {};
  EXPECT_EQ(ws2::Call<ws2::k_gethostname>(host, 256), 0);
  EXPECT_GT(strlen(host), 0u);
  ws2::Call<ws2::k_WSACleanup>();
  ws2::Unload();
  EXPECT_FALSE(ws2::IsLoaded());
  EXPECT_FALSE(ws2::IsResolved(ws2::k_htons));
  EXPECT_THROW(ws2::Call<ws2::k_htons>(static_cast<u_short>(1)), EIdWS2StubError);
}

TEST(WinsockTableTest, AnEntryTheLibraryLacksRaisesAnOrderlyError) {
  FinalizeSocketLayer();
  WSADATA data{};
  ASSERT_EQ(ws2::LoadAndStartup(MAKEWORD(2, 2), &data), 0);
  // The library exports this function as "WSAGetQOSByName"; the table's name is not found.
  try {
    ws2::Call<ws2::k_WSAGetQosByName>(INVALID_SOCKET, nullptr, nullptr);
    FAIL() << "no error";
  } catch (const EIdWS2StubError& e) {
    EXPECT_EQ(e.Title(), "Error on call Winsock2 library function WSAGetQosByName");
    EXPECT_NE(e.Win32Error(), 0u);
  }
  EXPECT_FALSE(ws2::IsResolved(ws2::k_WSAGetQosByName));
  ws2::Call<ws2::k_WSACleanup>();
  ws2::Unload();
}

TEST(WinsockStubErrorTest, MessageIsTheTitleAloneWithoutAWin32Error) {
  EIdWS2StubError plain("Some title", 0);
  EXPECT_STREQ(plain.what(), "Some title");
  EXPECT_TRUE(plain.Win32ErrorMessage().empty());
  EIdWS2StubError loading("Error on loading Winsock2 library (WS2_32.DLL)", ERROR_MOD_NOT_FOUND);
  EXPECT_FALSE(loading.Win32ErrorMessage().empty());
  EXPECT_EQ(std::string(loading.what()).rfind("Error on loading Winsock2 library (WS2_32.DLL): ", 0), 0u);
  EXPECT_NE(loading.Win32ErrorMessage().back(), '\n');
}

}  // namespace
